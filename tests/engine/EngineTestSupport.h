#pragma once
// Shared helpers of the engine tests: run lines through an engine and read the outcome as UTF-8.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "engine/DateZone.h"
#include "engine/UserFunctions.h"

namespace numora::test {

struct Outcome {
    int Status = 0;
    std::string Text;  // MessageText after the call
    int Position = 0;
};

struct ValueCase {
    std::string Line;
    std::string Expected;
};

struct ErrorCase {
    std::string Line;
    int Status;
    std::string Message;
    int Position;
};

#ifdef _WIN32

// Windows takes the zone from the system, not from TZ: the zones that the tests name, as the
// system's rules would give them.
class ScopedZone {
public:
    explicit ScopedZone(std::string_view zone) {
        TIME_ZONE_INFORMATION rule{};
        if (zone == "JST-9") {
            rule.Bias = -540;
        } else if (zone == "CET-1CEST,M3.5.0,M10.5.0/3") {
            rule.Bias = -60;
            rule.DaylightBias = -60;
            rule.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};  // last Sunday of October, 03:00
            rule.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};   // last Sunday of March, 02:00
        } else if (zone != "UTC0") {
            ADD_FAILURE() << "no Windows rule for the zone " << zone;
        }
        UseFixedZone(&rule);
    }
    ~ScopedZone() { UseFixedZone(nullptr); }
};

#else

// Sets TZ while it lives; restores the previous value afterwards.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedZone() {
        old_ ? setenv("TZ", old_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

#endif

// A fresh engine for each test. Lines may use the variables `inf` and `nan`.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine.GetVariables().Store(u"inf", std::numeric_limits<Number>::infinity());
        engine.GetVariables().Store(u"nan", std::numeric_limits<Number>::quiet_NaN());
    }

    Outcome Run(const std::string& utf8Line) {
        std::u16string line = Utf8ToUtf16(utf8Line);
        std::int32_t position = 0;
        Outcome out;
        out.Status = engine.Evaluate(line, position);
        out.Text = Utf16ToUtf8(engine.GetMessageText());
        out.Position = position;
        return out;
    }
    std::string Text(const std::string& line) { return Run(line).Text; }

    void ExpectValues(const std::vector<ValueCase>& cases) {
        for (const auto& c : cases) EXPECT_EQ(Text(c.Line), c.Expected) << c.Line;
    }
    void ExpectErrors(const std::vector<ErrorCase>& cases) {
        for (const auto& c : cases) {
            const Outcome out = Run(c.Line);
            EXPECT_EQ(out.Status, c.Status) << c.Line;
            EXPECT_EQ(out.Text, c.Message) << c.Line;
            EXPECT_EQ(out.Position, c.Position) << c.Line;
        }
    }

    void AddUserFunction(const std::string& name, std::vector<std::string> parameters,
                         const std::string& expression) {
        UserFunction f{Utf8ToUtf16(name), {}, Utf8ToUtf16(expression), u""};
        for (const auto& p : parameters) f.Parameter.push_back(Utf8ToUtf16(p));
        functions.Append(std::move(f));
    }

    UserFunctionCatalogue functions;
    CalcEngine engine{functions};
};

}  // namespace numora::test
