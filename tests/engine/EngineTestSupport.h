#pragma once
// Shared helpers of the engine tests: run a line through a fresh or given engine and read the
// outcome as UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CalcEngine.h"
#include "engine/Text.h"
#include "engine/UserFunctions.h"

namespace numora::test {

struct Outcome {
    int Status = 0;
    std::string Text;  // MessageText after the call
    int Position = 0;
};

inline Outcome Run(CalcEngine& engine, const std::string& utf8Line) {
    std::u16string line = Utf8ToUtf16(utf8Line);
    std::int32_t position = 0;
    Outcome out;
    out.Status = engine.Evaluate(line, position);
    out.Text = Utf16ToUtf8(engine.GetMessageText());
    out.Position = position;
    return out;
}

struct ErrorCase {
    const char* Line;
    int Status;
    const char* Message;
    int Position;
};
using ErrorCaseList = std::vector<ErrorCase>;

struct ValueCase {
    const char* Line;
    const char* Expected;
};
using ValueCaseList = std::vector<ValueCase>;

// Resets the process-wide state every test may touch.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        UnaryMinusBindsBase() = false;
        LastAnswer() = 0;
        UserFunctions().Clear();
    }
    void TearDown() override {
        UnaryMinusBindsBase() = false;
        UserFunctions().Clear();
    }

    Outcome Run(const std::string& line) { return test::Run(engine, line); }
    // Evaluates `line` and returns its result text, or the error message.
    std::string Text(const std::string& line) { return Run(line).Text; }

    void AddUserFunction(const std::string& name, std::vector<std::string> parameters,
                         const std::string& expression) {
        UserFunction f;
        f.FuncName = Utf8ToUtf16(name);
        for (const auto& p : parameters) f.Parameter.push_back(Utf8ToUtf16(p));
        f.Expression = Utf8ToUtf16(expression);
        UserFunctions().Append(std::move(f));
    }

    CalcEngine engine;
};

}  // namespace numora::test
