#pragma once
// The line colours shown on a dark desktop. The stored colours are the light theme's; on a
// palette whose base is dark, each colour still at its light default is shown from a dark set
// that keeps the four kinds apart and readable, while a colour the user chose stays as chosen.
// Paper is always white, so printing uses the stored colours.
#include <QColor>
#include <QPalette>
#include <array>
#include <cstdint>

#include "settings/Settings.h"

namespace numora {

// Default, result, error and comment, as COLORREF values (0x00BBGGRR).
using LineColorSet = std::array<std::uint32_t, 4>;

LineColorSet StoredLineColors(const Settings& settings);
bool IsDarkPalette(const QPalette& palette);
// What the worksheet shows for `stored` on `palette`.
LineColorSet ShownLineColors(const LineColorSet& stored, const QPalette& palette);
// The calculation pane's text: on (blue) or off (red), readable on `palette`.
QColor CalcStateColor(bool on, const QPalette& palette);
// The contrast of two colours as the accessibility guidelines define it, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace numora
