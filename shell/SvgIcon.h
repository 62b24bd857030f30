#pragma once
// The program's icons, drawn from their SVG files when first shown. For a dark palette the
// toolbar icons' dark inks are swapped for light ones, so that they stand out from a dark
// toolbar.
#include <QIcon>
#include <QString>

namespace numora {

QIcon SvgIcon(const QString& path, bool dark = false);

}  // namespace numora
