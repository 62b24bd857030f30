#pragma once
// The toolbar icons for the palette in use: drawn as they are on a light one; on a dark one
// their dark inks are swapped for light ones, so that they stand out from a dark toolbar.
#include <QIcon>
#include <QString>

namespace numora {

QIcon ThemedIcon(const QString& path, bool dark);

}  // namespace numora
