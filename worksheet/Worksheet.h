#pragma once
// One worksheet without its window: the engine that calculates it, the worker its lines run on
// and the Enter-key driver over its text. The window owns it; the editor is its text (the
// TextBuffer) and forwards edits here. Nothing here knows Qt or the settings record: the window
// hands digits and options over as values.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/CalcEngine.h"
#include "worksheet/AutoRecalc.h"
#include "worksheet/LineWorker.h"
#include "worksheet/TextBuffer.h"
#include "worksheet/Totals.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {

// What the thread that started a line does until the worker has finished it.
class LineWait {
public:
    virtual ~LineWait() = default;
    // Returns once `worker`'s job has ended.
    virtual void WaitForLine(LineWorker& worker) = 0;
};

class Worksheet {
public:
    // `text` and `functions` outlive the worksheet.
    Worksheet(TextBuffer& text, const UserFunctionCatalogue& functions);
    // Stops a line that still runs.
    ~Worksheet();
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    CalcEngine& Engine() { return engine_; }
    const CalcEngine& Engine() const { return engine_; }
    WorksheetDriver& Driver() { return driver_; }
    LineWorker& Worker() { return worker_; }

    // Between lines only.
    void SetDigits(int digits) { engine_.SetDigits(digits); }
    void SetOptions(const EvalOptions& options) {
        engine_.SetOptions(options);
        totals_.SetUnits(options.Units);
    }
    void SetEnterComputesResultLine(bool on) { driver_.SetEnterComputesResultLine(on); }
    // Totals: subtotal, total and average stand for sums of the results above each line, and
    // every result line keeps its full value beside it for them.
    void SetTotals(bool on);
    bool Totals() const { return totalsOn_; }
    // Without a wait, a line blocks its caller until it ends.
    void SetLineWait(LineWait* wait) { wait_ = wait; }
    // Called after each successful calculation (an Enter with the result lines it updated,
    // or a recalculation of the result lines), once its undo group is closed.
    void SetCalculatedHandler(std::function<void()> handler) { onCalculated_ = std::move(handler); }

    // Automatic recalculation: every Enter that calculates a line first takes the engine back
    // to the state the lines above leave (calculating again those above that changed since),
    // then brings every result line below up to date, all in the Enter's undo step.
    void SetAutoRecalculate(bool on);
    bool AutoRecalculate() const { return auto_; }
    // The Enter key, with or without automatic recalculation.
    void PressEnter(bool shift, bool ctrl);
    // Calculates every line that shows a result again from the top, as one undo step (with
    // automatic recalculation, after a change of options or user functions, or a new file).
    // False when stopped or while a line runs.
    bool RecalculateResults();
    const RecalcJournal& Journal() const { return journal_; }
    // What the last Enter or recalculation of result lines under automatic recalculation
    // assigned, line by line, for the variable list; and whether it started without variables.
    const std::vector<LineAssignment>& Assigned() const { return assigned_; }
    bool AssignedFromTop() const { return assignedFromTop_; }
    // The keys of the variables whose lines were taken back before they were calculated again.
    const std::vector<std::u16string>& TakenBack() const { return takenBack_; }
    // The variables and last answer that Enter on `paragraph` would calculate with now.
    CalcEngine::Session StateForLine(std::int32_t paragraph) const;
    // Progress of a recalculation of result lines, from the worker (as Recalculate All reports
    // it); and, on the calling thread, its end: whether it was stopped before the last line.
    void SetResultsProgressHandler(std::function<void(std::int32_t, std::int32_t)> handler) {
        onProgress_ = std::move(handler);
    }
    void SetResultsEndedHandler(std::function<void(bool stopped)> handler) {
        onResultsEnded_ = std::move(handler);
    }

    // Runs `job` on the worker as a line runs: its caller waits through the LineWait, and
    // Cancel() stops it if the job looks at the engine's cancel token. For work beyond one
    // line, such as recalculating the whole worksheet.
    void Run(const std::function<void()>& job);
    // A line (or a job) has been started and its caller is still waiting for it.
    bool Calculating() const { return calculating_; }
    // Counts the lines and jobs that have run: the engine's variables and last answer change
    // only with it.
    std::uint64_t Generation() const { return generation_; }
    // Stops the line being calculated; from any thread.
    void Cancel() { RequestCancel(engine_.Cancel()); }

private:
    class WorkerEvaluator;
    // An Enter under automatic recalculation, while the driver works on it.
    struct AutoEnter {
        std::int32_t paragraph = 0;  // the Enter's line
        bool evaluated = false;
        bool canceled = false;
        std::int32_t stoppedAt = 0;       // the first line left uncalculated when canceled
        std::vector<ResultUpdate> above;  // result lines above it that changed
        std::vector<std::pair<std::int32_t, Quantity>> aboveKept;
        Number result{0};  // what the status bar shows afterwards
        std::u16string valueText;
    };
    int EvaluateEnterLine(std::u16string& line, std::int32_t& position);
    bool JournalCurrent() const { return journal_.Valid() && journalGeneration_ == generation_; }
    ResultPassOptions PassOptions(bool progress);
    // Before a pass from `from` over `text`: the sums the totals names start with, when any line
    // there may use them.
    void StartTotals(std::int32_t from, std::u16string_view text, ResultPassOptions& options);
    void KeepValues(const std::vector<std::pair<std::int32_t, Quantity>>& kept);
    // Rewrites result lines, bottom first, keeping the selection on its paragraphs.
    void ApplyUpdates(const std::vector<ResultUpdate>& below,
                      const std::vector<ResultUpdate>& above);
    void PassEnded(const ResultPassOutcome& outcome);

    TextBuffer& text_;
    CalcEngine engine_;
    LineWorker worker_;  // after the engine, so that it ends before the engine goes
    std::unique_ptr<WorkerEvaluator> evaluator_;
    WorksheetDriver driver_;
    LineWait* wait_ = nullptr;
    bool calculating_ = false;
    std::uint64_t generation_ = 0;
    std::function<void()> onCalculated_;
    std::function<void(std::int32_t, std::int32_t)> onProgress_;
    std::function<void(bool)> onResultsEnded_;
    bool auto_ = false;
    RecalcJournal journal_;
    std::uint64_t journalGeneration_ = ~std::uint64_t{0};  // the generation the journal matches
    std::optional<AutoEnter> enter_;
    std::vector<LineAssignment> assigned_;
    bool assignedFromTop_ = false;
    std::vector<std::u16string> takenBack_;
    const std::u16string* message_ = nullptr;  // a message of the worksheet's own for the line
    LineTotals totals_;
    bool totalsOn_ = false;
    TotalsState passTotals_;  // carried from the lines above an Enter to those below it
    bool passTotalsUsed_ = false;
};

}  // namespace numora
