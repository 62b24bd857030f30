#include "worksheet/view/BackgroundEvaluator.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "engine/Cancel.h"

namespace numora {

BackgroundEvaluator::~BackgroundEvaluator() {
    // Never reached while a line runs (closing is held back until it ends); should it happen
    // anyway, the worker must not outlive the engine it works on.
    if (running_) RequestCancel();
}

int BackgroundEvaluator::Evaluate(std::u16string& line, std::int32_t& position) {
    ClearCancel();
    int status = 0;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { status = engine_.Evaluate(line, position); }));
    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    running_ = true;
    worker->start();
    if (!worker->wait(QDeadlineTimer(kQuietWaitMs))) {
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
        loop.exec();  // the worker's finished signal ends it, also if it came already
        busyTimer.stop();
        qApp->removeEventFilter(this);
        worker->wait();
        if (busy) {
            QApplication::restoreOverrideCursor();
            if (onBusy_) onBusy_(false);
        }
    }
    running_ = false;
    ClearCancel();
    if (closeAfterwards_) {
        QMetaObject::invokeMethod(closeAfterwards_.data(), &QWidget::close, Qt::QueuedConnection);
        closeAfterwards_.clear();
    }
    return status;
}

bool BackgroundEvaluator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) RequestCancel();
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
            RequestCancel();
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
