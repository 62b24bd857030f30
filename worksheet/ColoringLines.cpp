#include "worksheet/ColoringLines.h"

namespace numora {

namespace {

// Start of visual line `line` when it exists and holds text; -1 otherwise.
std::int32_t NonEmptyLineStart(const TextBuffer& buffer, std::int32_t line) {
    if (line < 0) return -1;
    const std::int32_t start = buffer.LineStart(line);
    if (start < 0 || buffer.LineLengthAt(start) == 0) return -1;
    return start;
}

}  // namespace

ColorSegments ColorEditedLines(const TextBuffer& buffer, bool resultInserted,
                               std::int32_t colorLine) {
    const std::int32_t firstLine =
        resultInserted ? colorLine : buffer.LineFromPosition(buffer.CaretLineStart());
    const std::int32_t secondLine = resultInserted ? -1 : colorLine;

    ColorSegments out;
    const std::int32_t firstStart = NonEmptyLineStart(buffer, firstLine);
    if (firstStart < 0) return out;
    const Paragraph first = GetParagraph(buffer, firstStart);
    AppendShifted(out, ColorEditedParagraph(first.text), first.start);

    if (secondLine == firstLine) return out;
    const std::int32_t secondStart = NonEmptyLineStart(buffer, secondLine);
    if (secondStart < 0) return out;
    const Paragraph second = GetParagraph(buffer, secondStart);
    // Two visual lines of one wrapped paragraph: it is already done.
    if (second.start != first.start) {
        AppendShifted(out, ColorEditedParagraph(second.text), second.start);
    }
    return out;
}

ColorSegments ColorAllLines(const TextBuffer& buffer) {
    ColorSegments out;
    const std::int32_t length = buffer.TextLength();
    std::int32_t paragraphStart = -1;
    for (std::int32_t line = 0;; ++line) {
        const std::int32_t start = buffer.LineStart(line);
        if (start < 0) break;
        if (paragraphStart < 0) paragraphStart = start;
        const std::int32_t end = start + buffer.LineLengthAt(start);
        // A wrapped visual line is followed by more of the same paragraph.
        if (end < length && buffer.CharAt(end) != u'\n') continue;
        AppendShifted(out, ColorScannedParagraph(buffer.TextRange(paragraphStart, end)),
                      paragraphStart);
        paragraphStart = -1;
        if (end >= length) break;
    }
    return out;
}

std::int32_t CaretAfterColorAllLines(const TextBuffer& buffer) {
    const std::int32_t start = buffer.LineStart(buffer.LineFromPosition(buffer.TextLength()));
    return start < 0 ? 0 : start;
}

}  // namespace numora
