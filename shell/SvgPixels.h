#pragma once
// An SVG drawing in pixels (shell/IconPixels.h): what the build draws the icons' pixels with,
// and, where Qt Svg is there at run time, any size or ink not drawn when it was built.
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSvgRenderer>

#include "shell/IconPixels.h"

namespace numora {

inline QImage DrawSvg(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

}  // namespace numora
