#pragma once
// The program's icons, drawn from their SVG files when first shown. For a dark palette the
// toolbar icons' dark inks are swapped for light ones, so that they stand out from a dark
// toolbar.
#include <QIcon>
#include <QString>

namespace numora {

// Where Qt Svg is there at run time (NUMORA_SVG_ICONS), a size not drawn when the program was
// built is drawn from the SVG; elsewhere it is BuiltPixelsIcon.
QIcon SvgIcon(const QString& path, bool dark = false);

// The icon drawn only from the pixels made when the program was built (shell/IconPixels.h): a
// size not made there is the nearest one made, scaled. What a build without Qt Svg shows.
QIcon BuiltPixelsIcon(const QString& path, bool dark = false);

}  // namespace numora
