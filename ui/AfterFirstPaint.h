#pragma once
// Work that waits for a widget's first paint. A call queued from inside the paint runs once the
// whole paint pass is over, the frame handed to the screen.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

#include "ui/PostTo.h"

namespace numora {

// Runs `then` once, as soon as `widget` has first been painted (the paint pass done). Owned by
// `widget`: nothing runs if the widget goes first.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget& widget, std::function<void()> then)
        : QObject(&widget), then_(std::move(then)) {
        widget.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            PostTo(this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace numora
