#pragma once
// An SVG drawing in pixels. The toolbar icons are drawn so when the program is built, at the
// sizes the toolbars show them, and kept as pixels among its resources: drawing them from
// their SVG files would be most of the first paint of the window. The same drawing serves an
// icon shown at any other size, or in the dark palette's inks.
//
// A pixels file holds the width and height (two 32-bit words) and then the premultiplied ARGB
// words, row by row, in the byte order of the machine that builds and runs the program.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <cstdint>
#include <cstring>

namespace numora {

inline QImage DrawSvg(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

// The name of the pixels of the icon `svgPath` (".../NAME.svg") drawn `scale` times its own
// size, and the resource that holds them.
inline QString PixelsName(const QString& svgPath, int scale) {
    const QString file = svgPath.mid(svgPath.lastIndexOf(u'/') + 1);
    return QStringLiteral("%1@%2x").arg(file.chopped(4)).arg(scale);  // without ".svg"
}

inline QString PixelsPath(const QString& svgPath, int scale) {
    return QStringLiteral(":/icons/pixels/") + PixelsName(svgPath, scale);
}

inline QByteArray ToPixelsFile(const QImage& drawn) {
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t size[2] = {static_cast<std::uint32_t>(image.width()),
                                   static_cast<std::uint32_t>(image.height())};
    QByteArray file(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < image.height(); ++y) {
        file.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    }
    return file;
}

// The size a pixels file holds; empty for a file that is not one.
inline QSize PixelsFileSize(const QByteArray& file) {
    std::uint32_t size[2] = {0, 0};
    if (file.size() < static_cast<qsizetype>(sizeof size)) return {};
    std::memcpy(size, file.constData(), sizeof size);
    if (size[0] == 0 || size[1] == 0 || size[0] > 1024 || size[1] > 1024 ||
        file.size() != static_cast<qsizetype>(sizeof size + 4 * size[0] * size[1])) {
        return {};
    }
    return QSize(static_cast<int>(size[0]), static_cast<int>(size[1]));
}

// The image of a pixels file; null for a file that is not one.
inline QImage FromPixelsFile(const QByteArray& file) {
    const QSize size = PixelsFileSize(file);
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const char* pixels = file.constData() + 8;
    for (int y = 0; y < size.height(); ++y) {
        std::memcpy(image.scanLine(y), pixels + y * size.width() * 4, size.width() * 4);
    }
    return image;
}

}  // namespace numora
