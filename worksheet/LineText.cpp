#include "worksheet/LineText.h"

namespace numora {

// Blank: controls, the Unicode space separators and the ideographic space.
bool IsPrintingChar(char16_t c) {
    if (c <= 0x20 || (c >= 0x7F && c <= 0xA0)) return false;
    switch (c) {
        case 0x1680:
        case 0x202F:
        case 0x205F:
        case 0x3000:
            return false;
        default:
            return !(c >= 0x2000 && c <= 0x200A);
    }
}

std::int32_t PrepareLineText(std::u16string& text, bool insertMode) {
    if (const auto comment = text.find(u"//"); comment != std::u16string::npos) {
        text.resize(comment);
    }
    std::size_t end = text.size();
    while (end > 0 && !IsPrintingChar(text[end - 1])) --end;
    // A text of blanks only is left to the front trim, which empties it.
    if (end > 0) text.resize(end);
    std::size_t skip = 0;
    while (skip < text.size() &&
           (!IsPrintingChar(text[skip]) || (!insertMode && text[skip] == u'>'))) {
        ++skip;
    }
    text.erase(0, skip);
    return static_cast<std::int32_t>(skip);
}

LineKind KindOfLine(std::u16string_view prepared) {
    if (prepared.empty()) return LineKind::Empty;
    return prepared.front() == u'>' ? LineKind::Result : LineKind::Expression;
}

LineKind KindOfParagraph(std::u16string_view paragraph, bool insertMode) {
    std::u16string text(paragraph);
    PrepareLineText(text, insertMode);
    return KindOfLine(text);
}

}  // namespace numora
