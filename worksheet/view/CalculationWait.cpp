#include "worksheet/view/CalculationWait.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QWidget>
#include <chrono>

#include "ui/PostTo.h"

namespace numora {

CalculationWait::CalculationWait(Worksheet& sheet) : sheet_(sheet) {
    // Ends the waiting loop, if the line took long enough for one to start. A call left over
    // from an earlier line finds the next line's loop and is harmless there: that loop spins
    // again until its own line is done.
    sheet_.Worker().SetJobEndedHandler([this] {
        PostTo(this, [this] {
            if (waiting_) waiting_->quit();
        });
    });
    sheet_.SetLineWait(this);
}

CalculationWait::~CalculationWait() {
    // Never reached while a line runs (closing is held back until it ends).
    Filter(false);
    sheet_.SetLineWait(nullptr);
    sheet_.Worker().SetJobEndedHandler(nullptr);
}

void CalculationWait::RunInTurn(std::function<void()> command) {
    if (Holding()) {
        typeAhead_.KeepCall(std::move(command));
    } else {
        command();
    }
}

void CalculationWait::Filter(bool on) {
    if (on == filtering_) return;
    filtering_ = on;
    if (on) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

void CalculationWait::DeliverKept() {
    if (running_) return;  // the line running now delivers them when it ends
    typeAhead_.Deliver();
    if (!running_ && !typeAhead_.Delivering() && typeAhead_.Empty()) Filter(false);
}

void CalculationWait::WaitForLine(LineWorker& worker) {
    running_ = true;
    if (!worker.WaitFor(std::chrono::milliseconds(kQuietWaitMs))) SpinUntilDone(worker);
    running_ = false;
    if (!typeAhead_.Empty()) {
        // Once the Enter that ran this line has finished its own work.
        PostTo(this, [this] { DeliverKept(); });
    } else if (!typeAhead_.Delivering()) {
        Filter(false);
    }
}

void CalculationWait::SpinUntilDone(LineWorker& worker) {
    // Keep the window alive while the line runs: paint, resize, timers, menus; input is kept
    // for later.
    Filter(true);
    bool busy = false;
    QTimer busyTimer;
    busyTimer.setSingleShot(true);
    connect(&busyTimer, &QTimer::timeout, this, [&] {
        busy = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        emit BusyChanged(true);
    });
    busyTimer.start(kBusyDelayMs - kQuietWaitMs);
    QEventLoop loop;
    waiting_ = &loop;
    while (!worker.WaitFor(std::chrono::milliseconds(0))) loop.exec();
    waiting_ = nullptr;
    busyTimer.stop();
    if (busy) {
        QApplication::restoreOverrideCursor();
        emit BusyChanged(false);
    }
}

namespace {

bool IsMenu(const QObject* object) {
    return qobject_cast<const QMenu*>(object) != nullptr ||
           qobject_cast<const QMenuBar*>(object) != nullptr;
}

// Clicks that only choose a command (whose run then waits its turn) or scroll the view are
// handled at once.
bool ClickableMeanwhile(const QWidget* widget) {
    if (IsMenu(widget) || qobject_cast<const QScrollBar*>(widget) != nullptr) return true;
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (qobject_cast<const QToolBar*>(widget) != nullptr) return true;
    }
    return false;
}

}  // namespace

bool CalculationWait::PassesAtOnce(const QKeyEvent& event) const {
    const QKeyCombination key = event.keyCombination();
    for (const QPointer<QAction>& action : atOnce_) {
        if (action == nullptr) continue;
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (shortcut.count() == 1 && shortcut[0] == key) return true;
        }
    }
    return false;
}

bool CalculationWait::eventFilter(QObject* watched, QEvent* event) {
    // Events for the platform's windows pass: each reaches its widget, which is looked at here.
    if (!watched->isWidgetType() || !Holding()) return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            if (IsMenu(widget) || PassesAtOnce(*static_cast<QKeyEvent*>(event))) break;
            // Claimed, so that no shortcut fires now; it fires when its key is delivered.
            event->accept();
            return true;
        case QEvent::KeyPress:
            if (IsMenu(widget) || PassesAtOnce(*static_cast<QKeyEvent*>(event))) break;
            if (running_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                sheet_.Cancel();
                return true;
            }
            typeAhead_.KeepEvent(watched, *event);
            return true;
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
            if (IsMenu(widget)) break;
            typeAhead_.KeepEvent(watched, *event);
            return true;
        case QEvent::MouseMove:
            // Only a drag (a selection, say) matters; hovering changes nothing.
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) break;
            [[fallthrough]];
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (ClickableMeanwhile(widget)) break;
            typeAhead_.KeepEvent(watched, *event);
            return true;
        case QEvent::Close: {
            if (!widget->isWindow()) break;
            // The engine must outlive the line: cancel it, and close in turn once it has
            // ended. (The platform window passes the close on to its widget, held back here.)
            if (running_) sheet_.Cancel();
            QPointer<QWidget> window = widget;
            typeAhead_.KeepCall([this, window] {
                if (window && window->close()) typeAhead_.Clear();
            });
            event->ignore();
            return true;
        }
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
