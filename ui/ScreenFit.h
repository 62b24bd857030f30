#pragma once
// Windows kept whole on a screen: a title bar above the top edge cannot be dragged back, and a
// dialog taller than the screen hides its buttons.
#include <QList>
#include <QMargins>
#include <QRect>

class QWidget;

namespace numora {

// The frame the window system draws around `window`: the real one once the window has one, else
// a generous guess (until it is shown, a window system may not say).
QMargins FrameMarginsOf(const QWidget& window);

// `frame` (a window's outer rectangle) moved onto `area`, and made no larger than it.
QRect FitFrameInto(QRect frame, const QRect& area);

// The work area that holds the most of `frame`'s title bar (its top `titleHeight` pixels), else
// the one the most of `frame` is on, else the first: the screen a window belongs on.
QRect AreaFor(const QRect& frame, int titleHeight, const QList<QRect>& areas);

// A window's first size: all it asks for, as far as the available area of its screen allows (Qt
// alone would give a window at most two thirds of the screen, and a page that scrolls would then
// scroll where the screen has room for it).
void SizeForScreen(QWidget& window);

// A window about to be shown, or shown, made to fit the available area of its screen: no larger,
// and with its frame on it.
void KeepOnScreen(QWidget& window);

}  // namespace numora
