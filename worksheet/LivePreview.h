#pragma once
// The value of the line being typed, worked out beside the worksheet as Enter would work it out
// now, but on a copy of the engine's state: nothing is assigned, "@" stays, and a line that
// reads the clock or draws a random number shows nothing. Its own engine and worker, so that a
// preview never waits for a line of the worksheet's, nor a line for a preview.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/CalcEngine.h"
#include "engine/UserFunctions.h"
#include "worksheet/LineWorker.h"
#include "worksheet/Totals.h"

namespace numora {

class TextBuffer;

// One paragraph as the editor holds it, and the result line right below it if there is one.
struct PreviewLine {
    std::u16string paragraph;
    std::optional<std::u16string> resultBelow;  // without its '>'
    bool insertMode = true;                     // what Enter without Shift does on a result line
    // The sums of the lines above that the line may ask for, with totals on.
    std::optional<TotalsState> totals;
};

// Paragraph `paragraph` of `buffer` as Enter would calculate it there; with `totals` (the
// catalogue whose functions the line may call), the sums above it that it may ask for, as
// quantities with `units`.
PreviewLine PreviewLineAt(const TextBuffer& buffer, std::int32_t paragraph, bool insertMode,
                          const UserFunctionCatalogue* totals, bool units = false);

// The text a result line would hold for `line` (after '>'), evaluated by `engine` without
// changing its variables or last answer; nothing for a line Enter would not calculate, an
// error, a volatile function, or a result line below that already says the same, also in
// another grouping of its digits. `totals` answers the totals names from `line.totals`.
std::optional<std::u16string> PreviewOf(PreviewLine line, CalcEngine& engine,
                                        LineTotals* totals = nullptr);

class LivePreview {
public:
    LivePreview();
    // Stops a preview that still runs.
    ~LivePreview();
    LivePreview(const LivePreview&) = delete;
    LivePreview& operator=(const LivePreview&) = delete;

    // Takes over what Enter would evaluate with: digits, options, user functions, and the
    // variables and last answer, which are those of `engine` or, given `state`, what it
    // returns. They are taken only when `stateKey` differs from the last one (they change only
    // when a line of the worksheet ends). Not while Running().
    void Prepare(const CalcEngine& engine, const UserFunctionCatalogue& functions,
                 std::uint64_t stateKey,
                 const std::function<CalcEngine::Session()>& state = nullptr);
    // On the calling thread.
    std::optional<std::u16string> Evaluate(PreviewLine line);
    // On the preview's worker; `done` is called there, also after Cancel (with nothing).
    void Start(PreviewLine line, std::function<void(std::optional<std::u16string>)> done);
    // From any thread; the preview ends soon after.
    void Cancel() { RequestCancel(engine_.Cancel()); }
    bool Running();

private:
    UserFunctionCatalogue functions_;
    CalcEngine engine_{functions_};
    LineTotals totals_{functions_};
    std::uint64_t stateKey_ = ~std::uint64_t{0};
    LineWorker worker_;  // after the engine, so that it ends before the engine goes
    bool started_ = false;
};

}  // namespace numora
