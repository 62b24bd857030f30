#include "worksheet/TextBuffer.h"

#include <atomic>
#include <limits>

namespace numora {

namespace {
constexpr std::int32_t kMaxTextLength = std::numeric_limits<std::int32_t>::max();
std::atomic<std::int32_t> maxTextLength{kMaxTextLength};
}  // namespace

std::int32_t MaxTextLength() { return maxTextLength.load(std::memory_order_relaxed); }

void SetMaxTextLength(std::int32_t limit) {
    maxTextLength.store(limit < 0 ? kMaxTextLength : limit, std::memory_order_relaxed);
}

Paragraph GetParagraph(const TextBuffer& buffer, std::int32_t position) {
    std::int32_t start = position;
    // Step back one visual line at a time until the character before is a line break.
    while (start > 0) {
        const char16_t before = buffer.CharAt(start - 1);
        if (before == u'\n' || before == 0) break;
        const std::int32_t lineStart = buffer.LineStart(buffer.LineFromPosition(start - 1));
        if (lineStart < 0 || lineStart >= start) break;  // a buffer that would not move on
        start = lineStart;
    }
    Paragraph paragraph;
    paragraph.start = start;
    const std::int32_t end = GetParagraphEnd(buffer, start);
    paragraph.text = buffer.TextRange(start, end);
    paragraph.length = end - start;
    return paragraph;
}

std::int32_t ParagraphEndOf(const TextBuffer& buffer, std::int32_t paragraph) {
    return paragraph + 1 < buffer.ParagraphCount() ? buffer.ParagraphStart(paragraph + 1) - 1
                                                   : buffer.TextLength();
}

std::int32_t GetParagraphEnd(const TextBuffer& buffer, std::int32_t start) {
    std::int32_t line = buffer.LineFromPosition(start);
    std::int32_t lineStart = buffer.LineStart(line);
    if (lineStart < 0) return buffer.TextLength();
    std::int32_t end = lineStart + buffer.LineLengthAt(lineStart);
    // A wrapped visual line ends on an ordinary character: continue with the next one.
    for (;;) {
        const char16_t at = buffer.CharAt(end);
        if (at == u'\n' || at == 0) return end;
        lineStart = buffer.LineStart(++line);
        if (lineStart < 0 || lineStart < end) return end;
        end = lineStart + buffer.LineLengthAt(lineStart);
    }
}

}  // namespace numora
