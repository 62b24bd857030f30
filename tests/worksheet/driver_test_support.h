#pragma once
// Helpers shared by the worksheet tests: a scripted evaluator and texts with a "|" caret mark.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/MemoryTextBuffer.h"

namespace numora::testing {

// Answers the lines it was given, each with its message and, for a failing line, the error
// position (-1 for success); any other line fails, so a stray evaluation shows up.
class ScriptedEvaluator final : public LineEvaluator {
public:
    using Script = std::map<std::string, std::pair<std::string, std::int32_t>>;
    explicit ScriptedEvaluator(Script script = {}) : script_(std::move(script)) {}

    int Evaluate(std::u16string& line, std::int32_t& position) override {
        seen.push_back(Utf16ToUtf8(line));
        const auto it = script_.find(seen.back());
        const auto& [message, error] = it == script_.end() ? kUnscripted : it->second;
        message_ = Utf8ToUtf16(message);
        position = error < 0 ? static_cast<std::int32_t>(line.size()) : error;
        return error < 0 ? 0 : -2;
    }
    const std::u16string& MessageText() const override { return message_; }

    std::vector<std::string> seen;

private:
    inline static const std::pair<std::string, std::int32_t> kUnscripted{"Error : unscripted", 0};
    Script script_;
    std::u16string message_;
};

inline ScriptedEvaluator::Script CommonScript() {
    return {
        {"1+2", {"3", -1}},
        {"3", {"3", -1}},
        {"a=2", {"2", -1}},
        {"a=1", {"1", -1}},
        {"b=a+1", {"2", -1}},
        {"a+b", {"3", -1}},
        {"x=5", {"5", -1}},
        {"1234567+1", {"1234568", -1}},
        {"1/0", {"Error : Division by zero", 2}},
        {"1234567/0", {"Error : Division by zero", 8}},
    };
}

// "1+2|\nx" -> a buffer holding "1+2\nx" with the caret after the 2.
inline MemoryTextBuffer MarkedBuffer(std::string_view marked, std::int32_t wrapWidth = 0) {
    std::string text(marked);
    const auto bar = text.find('|');
    const auto caret = static_cast<std::int32_t>(Utf8ToUtf16(text.substr(0, bar)).size());
    if (bar != std::string::npos) text.erase(bar, 1);
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
