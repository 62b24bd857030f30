#pragma once
// Batch recalculation of a whole worksheet, as if Enter were pressed on every expression
// paragraph from top to bottom.
#include <cstdint>
#include <string>
#include <string_view>

#include "worksheet/LineEvaluator.h"

namespace numora {

class CalcEngine;

struct RecalcOptions {
    bool enterComputesResultLine = false;
};

struct RecalcOutcome {
    std::u16string text;  // the worksheet afterwards, "\n" line ends
    std::int32_t evaluated = 0;
    std::int32_t failed = 0;  // lines whose evaluation failed (their result line holds the error)
};

// Result lines, blank lines and comment-only lines are passed over; every other paragraph is
// evaluated and its result line inserted or replaced exactly as the Enter key does. CR LF and
// lone CR in `text` count as line breaks. A text passed by move is recalculated in its own
// memory, and no undo history is kept, so a large worksheet needs little more than its size.
RecalcOutcome RecalculateWorksheet(std::u16string text, LineEvaluator& evaluator,
                                   const RecalcOptions& options = {});
RecalcOutcome RecalculateWorksheet(std::u16string text, CalcEngine& engine,
                                   const RecalcOptions& options = {});

}  // namespace numora
