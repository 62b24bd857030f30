#include "engine/CharClass.h"

namespace numora {

int OperatorClass(char16_t c) {
    switch (c) {
        case u'%':
        case u'*':
        case u'+':
        case u'-':
        case u'/':
        case u'^':
        case u'\u00D7':
        case u'\u00F7':
            return 1;
        case u'(':
        case u')':
            return 2;
        default:
            return 0;
    }
}

bool IsBlank(char16_t c) {
    if (c <= 0x20) return true;  // C0 controls and space
    if (c < 0x7F) return false;  // printable ASCII: the common case
    if (c <= 0xA0) return true;  // DEL, C1 controls, no-break space
    if (c < 0x1680) return false;
    if (c == 0x1680) return true;                 // ogham space mark
    if (c >= 0x2000 && c <= 0x200A) return true;  // en quad .. hair space
    if (c == 0x2028 || c == 0x2029) return true;  // line and paragraph separators
    if (c == 0x202F || c == 0x205F) return true;  // narrow no-break, medium mathematical space
    return c == 0x3000;                           // ideographic space
}

bool IsFullWidth(char16_t c) {
    struct Range {
        char16_t First, Last;
    };
    static constexpr Range kWide[] = {
        {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
        {0xA000, 0xA4CF}, {0xA960, 0xA97F}, {0xAC00, 0xD7A3}, {0xD800, 0xDFFF}, {0xF900, 0xFAFF},
        {0xFE10, 0xFE19}, {0xFE30, 0xFE6F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6},
    };
    if (c < 0x1100) return false;
    for (const Range& r : kWide) {
        if (c < r.First) return false;
        if (c <= r.Last) return true;
    }
    return false;
}

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

void SkipBlanks(std::u16string_view text, std::size_t& position) {
    while (position < text.size() && IsBlank(text[position])) ++position;
}

std::size_t LengthWithoutTrailingBlanks(std::u16string_view text) {
    std::size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1])) --n;
    return n;
}

void TrimTrailingBlanks(std::u16string& text) { text.resize(LengthWithoutTrailingBlanks(text)); }

std::size_t ReadName(std::u16string_view text, std::size_t& position, std::u16string& name) {
    const std::size_t start = position;
    while (position < text.size() && OperatorClass(text[position]) == 0) ++position;
    const std::u16string_view raw = text.substr(start, position - start);
    name.assign(raw.substr(0, LengthWithoutTrailingBlanks(raw)));
    return start;
}

}  // namespace numora
