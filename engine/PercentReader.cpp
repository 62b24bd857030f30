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

Number PercentValue(const Number& p) { return Divide(p, Number(100)); }

Number ScaleByPercent(const Number& a, const Number& p, bool subtract) {
    const Number factor = subtract ? Subtract(Number(1), p) : Add(Number(1), p);
    return Multiply(a, factor);
}

}  // namespace numora
