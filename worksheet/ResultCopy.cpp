#include "worksheet/ResultCopy.h"

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/Format.h"
#include "engine/MyriadNumeral.h"
#include "engine/Number.h"
#include "worksheet/LineText.h"
#include "worksheet/TextBuffer.h"
#include "worksheet/Totals.h"

namespace numora {

namespace {

std::u16string ParagraphAt(const TextBuffer& buffer, std::int32_t paragraph) {
    return buffer.TextRange(buffer.ParagraphStart(paragraph), ParagraphEndOf(buffer, paragraph));
}

bool IsResultLine(const TextBuffer& buffer, std::int32_t paragraph) {
    return buffer.CharAt(buffer.ParagraphStart(paragraph)) == u'>';
}

}  // namespace

std::int32_t ResultLineFor(const TextBuffer& buffer, std::int32_t paragraph, bool insertMode) {
    if (paragraph < 0 || paragraph >= buffer.ParagraphCount()) return -1;
    if (IsResultLine(buffer, paragraph)) return paragraph;
    if (paragraph + 1 < buffer.ParagraphCount() && IsResultLine(buffer, paragraph + 1) &&
        KindOfParagraph(ParagraphAt(buffer, paragraph), insertMode) == LineKind::Expression) {
        return paragraph + 1;
    }
    for (std::int32_t p = paragraph - 1; p >= 0; --p) {
        if (IsResultLine(buffer, p)) return p;
    }
    return -1;
}

std::optional<std::u16string> PlainValueOf(std::u16string_view resultText) {
    std::u16string_view text = resultText;
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.ends_with(texts::kValueClose)) {
        const std::size_t open = text.rfind(texts::kValueOpen);
        if (open != std::u16string_view::npos) {
            const std::size_t from = open + texts::kValueOpen.size();
            text = text.substr(from, text.size() - texts::kValueClose.size() - from);
        }
    }
    std::u16string plain;
    plain.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u',') plain.push_back(c);
    }
    // What cannot be read back as a number is no value to copy (an error message, say).
    Number value;
    if (plain.empty() || !ReadResultText(u">" + plain, value)) return std::nullopt;
    // A result in 万 and 億 is copied as its digits, which every program reads; the value holds
    // every digit such a result shows.
    for (const char16_t c : plain) {
        if (IsMyriadCharacter(c)) return FormatNumber(value, 0);
    }
    return plain;
}

}  // namespace numora
