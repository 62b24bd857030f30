#include "worksheet/LineText.h"

#include "engine/CharClass.h"

namespace numora {

bool IsPrintingChar(char16_t c) { return IsGraphic(c); }

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
