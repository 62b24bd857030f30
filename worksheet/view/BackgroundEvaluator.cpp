#include "worksheet/view/BackgroundEvaluator.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <memory>

#include "engine/Cancel.h"

namespace numora {

BackgroundEvaluator::BackgroundEvaluator(CalcEngine& engine) : engine_(engine) {}

BackgroundEvaluator::~BackgroundEvaluator() {
    // Never reached while a line runs (closing is held back until it ends); should it happen
    // anyway, the worker must not outlive the engine it works on.
    if (running_) RequestCancel(engine_.Cancel());
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    if (worker_) worker_->wait();
}

void BackgroundEvaluator::WorkerLoop() {
    for (;;) {
        std::function<void()> line;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || line_; });
            if (stop_) return;
            line = std::move(line_);
            line_ = nullptr;
        }
        line();
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        lineDone_.notify_all();
        // Ends the waiting loop, if the line took long enough for one to start. A call left
        // over from an earlier line finds the next line's loop and is harmless there: that
        // loop spins again until its own line is done.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (waiting_) waiting_->quit();
            },
            Qt::QueuedConnection);
    }
}

bool BackgroundEvaluator::WaitForLine(int ms) {
    std::unique_lock lock(mutex_);
    return lineDone_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return done_; });
}

int BackgroundEvaluator::Evaluate(std::u16string& line, std::int32_t& position) {
    ClearCancel(engine_.Cancel());
    int status = 0;
    {
        std::lock_guard lock(mutex_);
        line_ = [&] { status = engine_.Evaluate(line, position); };
        done_ = false;
    }
    if (!worker_) {
        worker_.reset(QThread::create([this] { WorkerLoop(); }));
        worker_->start();
    }
    wake_.notify_one();
    running_ = true;
    if (!WaitForLine(kQuietWaitMs)) {
        // Keep the window alive while the line runs: paint, resize, timers; input waits.
        qApp->installEventFilter(this);
        bool busy = false;
        QTimer busyTimer;
        busyTimer.setSingleShot(true);
        connect(&busyTimer, &QTimer::timeout, this, [&] {
            busy = true;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (onBusy_) onBusy_(true);
        });
        busyTimer.start(kBusyDelayMs - kQuietWaitMs);
        QEventLoop loop;
        waiting_ = &loop;
        while (!WaitForLine(0)) loop.exec();
        waiting_ = nullptr;
        busyTimer.stop();
        qApp->removeEventFilter(this);
        if (busy) {
            QApplication::restoreOverrideCursor();
            if (onBusy_) onBusy_(false);
        }
    }
    running_ = false;
    ClearCancel(engine_.Cancel());
    if (closeAfterwards_) {
        QMetaObject::invokeMethod(closeAfterwards_.data(), &QWidget::close, Qt::QueuedConnection);
        closeAfterwards_.clear();
    }
    return status;
}

bool BackgroundEvaluator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                RequestCancel(engine_.Cancel());
            return true;
        case QEvent::ShortcutOverride:
            // Claimed, so that no menu shortcut fires; the key press itself is dropped above.
            event->accept();
            return true;
        case QEvent::Close:
            // The engine must outlive the line: cancel it, and close once it has ended. (The
            // platform window passes the close on to its widget, which is held back here.)
            if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow()) break;
            closeAfterwards_ = static_cast<QWidget*>(watched);
            RequestCancel(engine_.Cancel());
            event->ignore();
            return true;
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace numora
