#pragma once
// What the Enter-key driver needs of the calculation engine.
#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

class TextBuffer;

class LineEvaluator {
public:
    virtual ~LineEvaluator() = default;
    // Where the next line stands: the paragraph of `buffer` starting at `paragraphStart`, holding
    // `line` prepared. Told before Evaluate, on the thread that owns the buffer, for an evaluator
    // whose lines depend on the lines above them.
    virtual void Locate(const TextBuffer& /*buffer*/, std::int32_t /*paragraphStart*/,
                        std::u16string_view /*line*/) {}
    // Evaluates one line (which may be rewritten). `position` is 0 on entry; after a failure it
    // is the offset in `line` where evaluation stopped. Returns 0 on success.
    virtual int Evaluate(std::u16string& line, std::int32_t& position) = 0;
    // After Evaluate: the text for the result line (the result, or the error message).
    virtual const std::u16string& MessageText() const = 0;
    // After the line's result line went in, right below the paragraph located; `status` is
    // Evaluate's.
    virtual void Written(TextBuffer& /*buffer*/, int /*status*/) {}
    // After Evaluate: input came while the line ran and waits to be delivered. It was typed for
    // the line after the result line, so a failed line leaves the caret there, not on the error.
    virtual bool InputWaiting() const { return false; }
};

}  // namespace numora
