#pragma once
// Evaluates a line on a worker thread so that a long calculation never freezes the window.
// The driver stays synchronous: Evaluate returns only when the line is done, and meanwhile the
// window keeps painting while user input is held back, except Esc, which cancels the line.
#include <QObject>
#include <QPointer>
#include <functional>

#include "engine/CalcEngine.h"
#include "worksheet/LineEvaluator.h"

class QWidget;

namespace numora {

class BackgroundEvaluator final : public QObject, public LineEvaluator {
    Q_OBJECT
public:
    // How long a line runs before the window spins its own event loop, and before it shows
    // that it is busy. Most lines end well within the first.
    static constexpr int kQuietWaitMs = 30;
    static constexpr int kBusyDelayMs = 300;

    explicit BackgroundEvaluator(CalcEngine& engine) : engine_(engine) {}
    ~BackgroundEvaluator() override;

    int Evaluate(std::u16string& line, std::int32_t& position) override;
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }

    bool Running() const { return running_; }
    // Called with true once a line has run for kBusyDelayMs, and with false when it ends.
    void SetBusyHandler(std::function<void(bool)> handler) { onBusy_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CalcEngine& engine_;
    std::function<void(bool)> onBusy_;
    bool running_ = false;
    // A window whose close was asked for while a line ran; it is closed once the line ends.
    QPointer<QWidget> closeAfterwards_;
};

}  // namespace numora
