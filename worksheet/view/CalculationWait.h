#pragma once
// How the window waits for a worksheet's line, which runs on the worksheet's worker so that a
// long calculation never freezes the window. The driver stays synchronous: the line's caller
// returns only when the line is done, and meanwhile the window keeps painting and its menus
// open, while keys, clicks and commands are kept and delivered in order when the line ends.
// Esc cancels the line; a close cancels it and then closes.
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

#include "worksheet/Worksheet.h"
#include "worksheet/view/TypeAhead.h"

class QAction;
class QEventLoop;
class QKeyEvent;
class QWidget;

namespace numora {

class CalculationWait final : public QObject, public LineWait {
    Q_OBJECT
public:
    // How long a line runs before the window spins its own event loop, and before it shows
    // that it is busy. Most lines end well within the first.
    static constexpr int kQuietWaitMs = 30;
    static constexpr int kBusyDelayMs = 300;

    // Becomes the wait of `sheet`'s lines; goes before the worksheet does.
    explicit CalculationWait(Worksheet& sheet);
    ~CalculationWait() override;

    void WaitForLine(LineWorker& worker) override;
    bool InputKept() const override { return typeAhead_.HoldsInput(); }

    bool Running() const { return running_; }
    // Runs `command` now, or, while a line runs or input kept meanwhile waits, after that
    // input: a command chosen during a calculation keeps its place among the keys.
    void RunInTurn(std::function<void()> command);
    // The shortcuts of `action` work at once also while a line runs (Exit: its close cancels
    // the line).
    void PassKeysOf(QAction* action) { atOnce_.emplace_back(action); }

signals:
    // True once a line has run for kBusyDelayMs (the wait cursor is shown), false when it ends.
    void BusyChanged(bool busy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Spins the window's own event loop until the line has ended.
    void SpinUntilDone(LineWorker& worker);
    // Input is kept rather than handled: a line runs, or older input waits for its turn.
    bool Holding() const { return running_ || (!typeAhead_.Empty() && !typeAhead_.Delivering()); }
    bool PassesAtOnce(const QKeyEvent& event) const;
    void Filter(bool on);
    void DeliverKept();

    Worksheet& sheet_;
    QEventLoop* waiting_ = nullptr;  // the loop spinning while a long line runs
    bool running_ = false;
    bool filtering_ = false;
    TypeAhead typeAhead_;
    std::vector<QPointer<QAction>> atOnce_;
};

}  // namespace numora
