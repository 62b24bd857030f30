#pragma once
// The settings record keeps colours as 0x00BBGGRR values and the font as a logical font
// (negative height = character height in pixels); these turn them into Qt's and back.
#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

#include "settings/Settings.h"
#include "ui/ColorRef.h"

namespace numora {

// `base` supplies what the record leaves open (height or weight 0).
QFont ToQFont(const FontData& font, const QFont& base);
// `face` when it is installed; otherwise the first installed of the platform's Japanese
// interface fonts (Meiryo UI on Windows, Noto Sans CJK JP on Debian, ...), or nothing.
QString InstalledFace(const QString& face);
// `dpi` converts a point size into the record's pixel height.
FontData ToFontData(const QFont& font, int dpi);

// Point size of the record's height at `dpi`, rounded like multiply-then-divide.
int FontPointSize(const FontData& font, const QFont& base, int dpi);

}  // namespace numora
