#include "shell/FocusKeeper.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace numora {

FocusKeeper::FocusKeeper(QMainWindow& window) : QObject(&window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Moved(now); });
    window_.installEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowActivate) Later();
    return QObject::eventFilter(watched, event);
}

void FocusKeeper::Moved(QWidget* now) {
    if (now == nullptr || now == window_.menuBar()) {
        Later();
    } else if (now->window() == &window_) {
        last_ = now;
    }
}

void FocusKeeper::Later() {
    // The menu bar takes the focus before it opens a menu or marks one, and the window's focus
    // comes back after its activation: look once both have settled.
    QMetaObject::invokeMethod(this, &FocusKeeper::Restore, Qt::QueuedConnection);
}

void FocusKeeper::Restore() {
    QMenuBar* bar = window_.menuBar();
    if (bar->activeAction() != nullptr || QApplication::activePopupWidget() != nullptr) return;
    // The window's focus, also while a dialog over it is active.
    QWidget* focus = window_.isActiveWindow() ? QApplication::focusWidget() : window_.focusWidget();
    if ((focus != nullptr && focus != bar) || last_ == nullptr || !last_->isVisible()) return;
    if (QApplication::activeModalWidget() != nullptr && window_.isActiveWindow()) return;
    last_->setFocus(Qt::OtherFocusReason);
}

}  // namespace numora
