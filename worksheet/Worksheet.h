#pragma once
// One worksheet without its window: the engine that calculates it, the worker its lines run on
// and the Enter-key driver over its text. The window owns it; the editor is its text (the
// TextBuffer) and forwards edits here. Nothing here knows Qt or the settings record: the window
// hands digits and options over as values.
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/CalcEngine.h"
#include "worksheet/LineWorker.h"
#include "worksheet/TextBuffer.h"
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
    void SetOptions(const EvalOptions& options) { engine_.SetOptions(options); }
    void SetEnterComputesResultLine(bool on) { driver_.SetEnterComputesResultLine(on); }
    // Without a wait, a line blocks its caller until it ends.
    void SetLineWait(LineWait* wait) { wait_ = wait; }

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

    CalcEngine engine_;
    LineWorker worker_;  // after the engine, so that it ends before the engine goes
    std::unique_ptr<WorkerEvaluator> evaluator_;
    WorksheetDriver driver_;
    LineWait* wait_ = nullptr;
    bool calculating_ = false;
    std::uint64_t generation_ = 0;
};

}  // namespace numora
