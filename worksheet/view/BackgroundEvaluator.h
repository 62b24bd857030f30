#pragma once
// Evaluates a line on a worker thread so that a long calculation never freezes the window.
// The driver stays synchronous: Evaluate returns only when the line is done, and meanwhile the
// window keeps painting and its menus open, while keys, clicks and commands are kept and
// delivered in order when the line ends. Esc cancels the line; a close cancels it and then
// closes.
#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/CalcEngine.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/view/TypeAhead.h"

class QAction;
class QEventLoop;
class QKeyEvent;
class QThread;
class QWidget;

namespace numora {

class BackgroundEvaluator final : public QObject, public LineEvaluator {
    Q_OBJECT
public:
    // How long a line runs before the window spins its own event loop, and before it shows
    // that it is busy. Most lines end well within the first.
    static constexpr int kQuietWaitMs = 30;
    static constexpr int kBusyDelayMs = 300;

    explicit BackgroundEvaluator(CalcEngine& engine);
    ~BackgroundEvaluator() override;

    int Evaluate(std::u16string& line, std::int32_t& position) override;
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }

    bool Running() const { return running_; }
    // Runs `command` now, or, while a line runs or input kept meanwhile waits, after that
    // input: a command chosen during a calculation keeps its place among the keys.
    void RunInTurn(std::function<void()> command);
    // The shortcuts of `action` work at once also while a line runs (Exit: its close cancels
    // the line).
    void PassKeysOf(QAction* action) { atOnce_.emplace_back(action); }
    // Called with true once a line has run for kBusyDelayMs, and with false when it ends.
    void SetBusyHandler(std::function<void(bool)> handler) { onBusy_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WorkerLoop();
    // Waits up to `ms` for the line to end; true when it has.
    bool WaitForLine(int ms);
    // Input is kept rather than handled: a line runs, or older input waits for its turn.
    bool Holding() const { return running_ || (!typeAhead_.Empty() && !typeAhead_.Delivering()); }
    bool PassesAtOnce(const QKeyEvent& event) const;
    void Filter(bool on);
    void DeliverKept();

    CalcEngine& engine_;
    // One worker for the evaluator's life, woken for each line: starting a thread per Enter
    // would cost more than a short line itself.
    std::unique_ptr<QThread> worker_;
    std::mutex mutex_;
    std::condition_variable wake_;      // a line to run, or the end
    std::condition_variable lineDone_;  // the line has ended
    std::function<void()> line_;
    bool done_ = true;
    bool stop_ = false;
    QEventLoop* waiting_ = nullptr;  // the loop spinning while a long line runs
    std::function<void(bool)> onBusy_;
    bool running_ = false;
    bool filtering_ = false;
    TypeAhead typeAhead_;
    std::vector<QPointer<QAction>> atOnce_;
};

}  // namespace numora
