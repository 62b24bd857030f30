#pragma once
// The icons in pixels, as the build draws them from their SVG files and keeps them among the
// program's resources: the toolbar icons at the sizes the toolbars show them, and the program's
// own at the sizes the window system asks for. Drawing them from SVG would be most of the first
// paint of the window; and a build without Qt Svg (the Windows one) has nothing else, so it
// draws them at every scale a display may have and in the dark palette's inks too.
//
// A pixels file holds the width and height (two 32-bit words) and then the premultiplied ARGB
// words, row by row, in the byte order of the machine that builds and runs the program.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <utility>

namespace numora {

// Every scale a build may draw an icon at, smallest first (render_icon --scales): the toolbar
// icons' own size and twice it; in a build without Qt Svg also the display scales Windows
// offers (125% .. 300%) of the toolbars and of the menus, which show a 32 by 16 icon at half
// its size, and the program's icon from 16 to 256 pixels. A scale not drawn has no resource.
inline constexpr double kPixelScales[] = {0.25, 0.3125, 0.375, 0.5, 0.625, 0.75, 0.875, 1,
                                          1.25, 1.5,    1.75,  2,   2.5,   3,    4};

// The inks the icons are drawn with, and what each becomes on a dark toolbar.
inline constexpr std::pair<const char*, const char*> kDarkInks[] = {
    {"#1d3c66", "#9cc3ff"},  {"#333\"", "#d8d8d8\""}, {"#334\"", "#d0d0e0\""},
    {"#445\"", "#d0d0e0\""}, {"#3c4250", "#c8ccd8"},  {"#7b2d8b", "#dba4ea"},
    {"#008000", "#70d070"},  {"#2a6bbf", "#8ab8f0"},  {"#2a5ea8", "#8ab8f0"},
    {"#8a6512", "#e0b860"},
};

// The SVG text with its dark inks swapped for light ones.
inline QByteArray WithDarkInks(QByteArray svg) {
    for (const auto& [ink, light] : kDarkInks) svg.replace(ink, light);
    return svg;
}

// The size of an icon of `size` drawn `scale` times as large (as QSize rounds it).
inline QSize ScaledSize(QSize size, double scale) { return size * scale; }

// The name of the pixels of the icon `svgPath` (".../NAME.svg") drawn `scale` times its own
// size ("NAME@1x", "NAME@1.25x", "NAME-dark@2x"), and the resource that holds them.
inline QString PixelsName(const QString& svgPath, double scale, bool dark = false) {
    const QString file = svgPath.mid(svgPath.lastIndexOf(u'/') + 1);
    return QStringLiteral("%1%2@%3x")
        .arg(file.chopped(4), dark ? QStringLiteral("-dark") : QString(),  // without ".svg"
             QString::number(scale));
}

inline QString PixelsPath(const QString& svgPath, double scale, bool dark = false) {
    return QStringLiteral(":/icons/pixels/") + PixelsName(svgPath, scale, dark);
}

// Of the scales drawn (smallest first), the one to draw `wanted` pixels of an icon of
// `ownSize` from, by scaling: the smallest at least as large in both directions, so that
// detail is only ever taken away; failing that, the largest. None when nothing was drawn.
inline std::optional<double> ScaleToDrawFrom(QSize ownSize, QSize wanted,
                                             std::span<const double> drawn) {
    if (drawn.empty()) return std::nullopt;
    for (const double scale : drawn) {
        const QSize size = ScaledSize(ownSize, scale);
        if (size.width() >= wanted.width() && size.height() >= wanted.height()) return scale;
    }
    return drawn.back();
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
