#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace numora {

namespace {

// About a title bar and the borders of the usual desktops, scaled or not.
constexpr QMargins kTypicalFrame(8, 32, 8, 8);

qint64 Overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64{common.width()} * common.height();
}

}  // namespace

QMargins FrameMarginsOf(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle()) {
        const QMargins margins = handle->frameMargins();
        if (!margins.isNull()) return margins;
    }
    return window.windowFlags().testFlag(Qt::FramelessWindowHint) ? QMargins() : kTypicalFrame;
}

QRect FitFrameInto(QRect frame, const QRect& area) {
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    if (frame.left() < area.left()) frame.moveLeft(area.left());
    if (frame.right() > area.right()) frame.moveRight(area.right());
    if (frame.top() < area.top()) frame.moveTop(area.top());
    if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
    return frame;
}

QRect AreaFor(const QRect& frame, int titleHeight, const QList<QRect>& areas) {
    if (areas.isEmpty()) return frame;
    const QRect title(frame.topLeft(), QSize(frame.width(), std::max(1, titleHeight)));
    for (const QRect& strip : {title, frame}) {
        const auto best = std::max_element(
            areas.begin(), areas.end(),
            [&](const QRect& a, const QRect& b) { return Overlap(strip, a) < Overlap(strip, b); });
        if (Overlap(strip, *best) > 0) return *best;
    }
    return areas.first();
}

namespace {

const QScreen* ScreenOf(const QWidget& window) {
    if (const QScreen* screen = window.screen()) return screen;
    return QGuiApplication::primaryScreen();
}

}  // namespace

void SizeForScreen(QWidget& window) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) return;
    const QSize room = screen->availableGeometry().size().shrunkBy(FrameMarginsOf(window));
    window.resize(window.sizeHint().expandedTo(window.minimumSizeHint()).boundedTo(room));
}

void KeepOnScreen(QWidget& window) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) return;
    const QMargins margins = FrameMarginsOf(window);
    const QRect area = screen->availableGeometry();
    const QRect frame(window.pos(), window.size().grownBy(margins));
    const QRect fitted = FitFrameInto(frame, area);
    if (fitted.size() != frame.size()) window.resize(fitted.size().shrunkBy(margins));
    if (fitted.topLeft() != frame.topLeft()) window.move(fitted.topLeft());
}

}  // namespace numora
