#pragma once
// What the Enter-key driver needs of the calculation engine.
#include <cstdint>
#include <string>

namespace numora {

class LineEvaluator {
public:
    virtual ~LineEvaluator() = default;
    // Evaluates one line (which may be rewritten). `position` is 0 on entry; after a failure it
    // is the offset in `line` where evaluation stopped. Returns 0 on success.
    virtual int Evaluate(std::u16string& line, std::int32_t& position) = 0;
    // After Evaluate: the text for the result line (the result, or the error message).
    virtual const std::u16string& MessageText() const = 0;
};

}  // namespace numora
