#pragma once
// Helpers shared by the worksheet tests: a scripted evaluator and texts with a "|" caret mark.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Text.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/MemoryTextBuffer.h"

namespace numora::testing {

struct ScriptedLine {
    int status = 0;
    std::string message;
    std::int32_t errorPosition = 0;
};

// Answers the lines it was given; any other line fails, so a stray evaluation shows up.
class ScriptedEvaluator final : public LineEvaluator {
public:
    ScriptedEvaluator() = default;
    explicit ScriptedEvaluator(std::map<std::string, ScriptedLine> script)
        : script_(std::move(script)) {}

    int Evaluate(std::u16string& line, std::int32_t& position) override {
        const std::string key = Utf16ToUtf8(line);
        seen.push_back(key);
        const auto it = script_.find(key);
        if (it == script_.end()) {
            message_ = u"Error : unscripted";
            position = 0;
            return -3;
        }
        message_ = Utf8ToUtf16(it->second.message);
        position = it->second.status == 0 ? static_cast<std::int32_t>(line.size())
                                          : it->second.errorPosition;
        return it->second.status;
    }
    const std::u16string& MessageText() const override { return message_; }

    std::vector<std::string> seen;

private:
    std::map<std::string, ScriptedLine> script_;
    std::u16string message_;
};

// The lines most tests need.
inline std::map<std::string, ScriptedLine> CommonScript() {
    return {
        {"1+2", {0, "3", 0}},
        {"3", {0, "3", 0}},
        {"a=2", {0, "2", 0}},
        {"x=5", {0, "5", 0}},
        {"1/0", {-2, "Error : Division by zero", 2}},
        {"1234567+1", {0, "1234568", 0}},
        {"1234567/0", {-2, "Error : Division by zero", 8}},
    };
}

// "1+2|\nx" -> a buffer holding "1+2\nx" with the caret after the 2.
inline MemoryTextBuffer MarkedBuffer(std::string_view marked, std::int32_t wrapWidth = 0) {
    std::string text(marked);
    const auto bar = text.find('|');
    std::int32_t caret = 0;
    if (bar != std::string::npos) {
        caret = static_cast<std::int32_t>(Utf8ToUtf16(text.substr(0, bar)).size());
        text.erase(bar, 1);
    }
    MemoryTextBuffer buffer(Utf8ToUtf16(text), wrapWidth);
    buffer.SetSelection(caret, caret);
    return buffer;
}

// The buffer's text with "|" at the caret.
inline std::string Marked(const MemoryTextBuffer& buffer) {
    std::u16string text = buffer.Text();
    text.insert(static_cast<std::size_t>(buffer.Caret()), 1, u'|');
    return Utf16ToUtf8(text);
}

}  // namespace numora::testing
