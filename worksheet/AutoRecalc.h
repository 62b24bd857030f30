#pragma once
// Automatic recalculation: after every Enter the worksheet reads as if it had been recalculated
// from the top. What each calculated line changed in the engine is kept in order (a journal), so
// the engine can be taken back to its state before any line and the lines from there on
// calculated again: an Enter costs the lines below it, not the whole worksheet.
//
// Only lines that show a result (an expression paragraph with a result line right below it)
// take part; a line nobody calculated stays uncalculated.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CalcEngine.h"
#include "worksheet/Totals.h"
#include "worksheet/VariableList.h"

namespace numora {

struct CancelToken;

inline constexpr std::int32_t kNoParagraph = std::numeric_limits<std::int32_t>::max();

class RecalcJournal {
public:
    // The journal knows how the engine's state came about: every line recorded since a fresh
    // start, in order. Until then (and after Invalidate) it knows nothing.
    bool Valid() const { return valid_; }
    void Invalidate();
    // Text from paragraph `paragraph` on has changed: the lines recorded from there on no
    // longer hold what the text says.
    void NoteEdit(std::int32_t paragraph) {
        if (paragraph < dirty_) dirty_ = paragraph;
    }
    // The first paragraph changed since the journal was last brought up to date; kNoParagraph
    // when none has.
    std::int32_t Dirty() const { return dirty_; }
    // Where a recalculation must start for a line at `paragraph`: there, or above it where the
    // text changed, or at the top when the journal knows nothing.
    std::int32_t StartFor(std::int32_t paragraph) const {
        return valid_ ? std::min(paragraph, dirty_) : 0;
    }

    // Takes `engine` back to its state before `paragraph` (the lines recorded from there on are
    // taken back). From the top, or while not valid, the engine starts fresh and the journal
    // becomes valid. The keys of the variables the lines taken back had assigned are added to
    // `takenBack` (when given).
    void RollBack(CalcEngine& engine, std::int32_t paragraph,
                  std::vector<std::u16string>* takenBack = nullptr);
    // The line at `paragraph`, below every line recorded so far, has been evaluated.
    void Record(std::int32_t paragraph, CalcEngine::LineUndo undo);
    // Every line recorded matches the text above `dirty`.
    void MarkCalculated(std::int32_t dirty = kNoParagraph) { dirty_ = dirty; }

    // The variables and last answer `engine` had before `paragraph`, worked out on a copy.
    CalcEngine::Session StateBefore(const CalcEngine& engine, std::int32_t paragraph) const;
    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        std::int32_t paragraph = 0;
        CalcEngine::LineUndo undo;
    };
    std::vector<Entry> entries_;
    std::int32_t dirty_ = kNoParagraph;
    bool valid_ = false;
};

// A result line to rewrite: its paragraph and its whole new text, '>' included.
struct ResultUpdate {
    std::int32_t paragraph = 0;
    std::u16string text;
};

struct ResultPassOptions {
    bool insertMode = true;  // as Enter without Shift prepares a line
    const CancelToken* cancel = nullptr;
    // As for Recalculate All: before the first line, then every `progressEvery` lines.
    std::function<void(std::int32_t done, std::int32_t total)> progress;
    std::int32_t progressEvery = 256;
    // The sums the totals names stand for, carried through the pass (the engine's NameSource
    // reads them); they start as the lines above `firstParagraph` leave them. With
    // `totalsSkipFirst` the first paragraph is a result line they already count.
    TotalsState* totals = nullptr;
    bool totalsSkipFirst = false;
    // The value of every line that succeeds is handed back, to be kept beside its result line.
    bool keep = false;
};

struct ResultPassOutcome {
    std::vector<ResultUpdate> updates;     // top to bottom
    std::vector<LineAssignment> assigned;  // in order, for the variable list
    std::int32_t evaluated = 0;
    bool canceled = false;
    std::int32_t stoppedAt = kNoParagraph;  // the first line left uncalculated when canceled
    std::vector<std::pair<std::int32_t, Quantity>> kept;  // result line, value (with `keep`)
};

// Calculates in order the lines of `text` (whose first paragraph is `firstParagraph`) that have
// a result line right below them, records each in `journal`, and returns the result lines
// whose text changes. `engine` must hold the state before `firstParagraph`.
ResultPassOutcome CalculateResultLines(std::u16string_view text, std::int32_t firstParagraph,
                                       CalcEngine& engine, RecalcJournal& journal,
                                       const ResultPassOptions& options = {});

}  // namespace numora
