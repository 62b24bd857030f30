#pragma once
// Which paragraphs of the editor get coloured, and with which rule. The view applies the
// returned segments (absolute positions) as character formats.
#include <cstdint>

#include "worksheet/Coloring.h"
#include "worksheet/TextBuffer.h"

namespace numora {

// After an edit: the paragraph of the caret line, then the paragraph of `colorLine` (the line
// the last Enter inserted or split, -1 for none). When the last Enter inserted a line, only
// the paragraph of `colorLine` is coloured. Nothing is coloured when the first line is empty.
// Uses the per-edit rule; touches at most two paragraphs.
ColorSegments ColorEditedLines(const TextBuffer& buffer, bool resultInserted,
                               std::int32_t colorLine);

// Every paragraph with the full-scan rule, found by walking visual lines.
ColorSegments ColorAllLines(const TextBuffer& buffer);

// Where the caret goes after the full recolouring: the start of the last visual line.
std::int32_t CaretAfterColorAllLines(const TextBuffer& buffer);

}  // namespace numora
