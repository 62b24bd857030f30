#pragma once
// Batch recalculation of a whole worksheet, as if Enter were pressed on every expression
// paragraph from top to bottom.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Number.h"
#include "engine/Quantity.h"
#include "worksheet/LineEvaluator.h"

namespace numora {

class CalcEngine;

struct CancelToken;
class VariableListModel;

struct RecalcOptions {
    bool enterComputesResultLine = false;
    // Checked before every line; once set, the recalculation stops and reports `canceled`.
    const CancelToken* cancel = nullptr;
    // Called before the first line and then every `progressEvery` lines with the lines
    // calculated so far and the lines to calculate, counted once before the first.
    std::function<void(std::int32_t done, std::int32_t total)> progress;
    std::int32_t progressEvery = 256;
    // Called on the way, about every `piecesEvery` lines, with the text of the paragraphs that
    // no later line can change, from the top down. The pieces followed by the rest of the
    // outcome's text make the whole of it.
    std::function<void(std::u16string_view piece)> piece;
    std::int32_t piecesEvery = 1024;
    // With the engine: refreshed after every line that succeeds, as the window's list is.
    VariableListModel* variableList = nullptr;
    // With the engine: the totals names stand for the sums of the results above each line. With
    // `keepValues` too, each result's full value is handed back in the outcome, for a window
    // whose lines may ask for the sums later.
    bool totals = false;
    bool keepValues = false;
};

struct RecalcOutcome {
    std::u16string text;  // the worksheet afterwards, "\n" line ends
    std::int32_t evaluated = 0;
    std::int32_t failed = 0;  // lines whose evaluation failed (their result line holds the error)
    // Stopped half way: `text` holds the lines above `stoppedAt` recalculated and the rest as
    // it was; `stoppedAt` is the paragraph (in `text`) of the first line not recalculated.
    bool canceled = false;
    std::int32_t stoppedAt = -1;
    // The full value of each result line written, when kept, for the window to keep beside it.
    std::vector<std::pair<std::int32_t, Quantity>> kept;
};

// Result lines, blank lines and comment-only lines are passed over; every other paragraph is
// evaluated and its result line inserted or replaced exactly as the Enter key does. CR LF and
// lone CR in `text` count as line breaks. A text passed by move is recalculated in its own
// memory, and no undo history is kept, so a large worksheet needs little more than its size.
RecalcOutcome RecalculateWorksheet(std::u16string text, LineEvaluator& evaluator,
                                   const RecalcOptions& options = {});
RecalcOutcome RecalculateWorksheet(std::u16string text, CalcEngine& engine,
                                   const RecalcOptions& options = {});

// As numora-calc recalculates a file: `engine` (with its digits, options and user functions)
// starts without variables and last answer, and ends with those of the last line calculated.
// Stopped half way, it holds what it held before, with what the lines done stored put over it;
// `variableList` (the list as it stands) is then updated the same way, and replaced otherwise.
RecalcOutcome RecalculateAfresh(std::u16string text, CalcEngine& engine,
                                const RecalcOptions& options = {});

}  // namespace numora
