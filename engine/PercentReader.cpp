#include "engine/PercentReader.h"

#include "engine/CharClass.h"
#include "engine/ExactArith.h"

namespace numora {

bool IsPercentSign(std::u16string_view text, std::size_t position) {
    std::size_t next = position + 1;
    SkipBlanks(text, next);
    if (next >= text.size()) return true;
    const char16_t c = text[next];
    if (c == u'(') return false;
    if (OperatorClass(c) != 0) return true;  // a sign, another operator or ')'
    switch (c) {
        case u';':
        case u'[':
        case u']':
        case u'=':
        case u'\u2192':  // the conversion arrow
            return true;
        default:
            return false;  // a digit, '.', or the start of a name
    }
}

// A hundredth is exact in decimal, so the product is the quotient p / 100 rounded once, as the
// division rounds it, without the division's cost.
Number PercentValue(const Number& p) {
    static const Number hundredth("0.01");
    return Multiply(p, hundredth);
}

Number ScaleByPercent(const Number& a, const Number& p, bool subtract) {
    static const Number one(1);
    const Number factor = subtract ? Subtract(one, p) : Add(one, p);
    return Multiply(a, factor);
}

}  // namespace numora
