// Draws the program's SVG icons in pixels when it is built. It runs on the machine that builds,
// also for the Windows program, whose Qt has no Qt Svg.
//   render_icon IN.svg OUT.png SIZE       the program's icon for the desktop's icon theme
//   render_icon --pixels OUT_DIR [--scales S,S...] [--dark] IN.svg...
//                                         each icon at each scale (default 1,2) of its own size,
//                                         as pixels files OUT_DIR/NAME@1x, NAME@2x, ...; with
//                                         --dark in the dark palette's inks too (NAME-dark@1x)
//                                         (shell/IconPixels.h)
//   render_icon --ico OUT.ico IN.svg SIZE...  the icon of a Windows program, a square image of
//                                         each size (PNG inside, as Windows reads since Vista)
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "shell/SvgPixels.h"

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush();
}

QByteArray ReadFile(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// "1,2" into {1, 2}; empty for anything that is not a list of scales the program looks for,
// whose files it would then never read.
std::vector<double> ParseScales(const QString& text) {
    std::vector<double> scales;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const double scale = part.toDouble(&ok);
        if (!ok || std::find(std::begin(numora::kPixelScales), std::end(numora::kPixelScales),
                             scale) == std::end(numora::kPixelScales)) {
            return {};
        }
        scales.push_back(scale);
    }
    return scales;
}

int Pixels(QStringList arguments) {
    const QString folder = arguments.takeFirst();
    std::vector<double> scales = {1, 2};
    bool dark = false;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--dark")) {
            dark = true;
        } else if (option == QLatin1String("--scales") && !arguments.isEmpty()) {
            scales = ParseScales(arguments.takeFirst());
            if (scales.empty()) return 2;
        } else {
            return 2;
        }
    }
    for (const QString& input : arguments) {
        const QByteArray svg = ReadFile(input);
        for (const bool inDark : {false, true}) {
            if (inDark && !dark) continue;
            QSvgRenderer renderer(inDark ? numora::WithDarkInks(svg) : svg);
            if (!renderer.isValid() || renderer.defaultSize().isEmpty()) return 1;
            for (const double scale : scales) {
                const QString name = numora::PixelsName(input, scale, inDark);
                const QSize size = numora::ScaledSize(renderer.defaultSize(), scale);
                if (!WriteFile(QDir(folder).filePath(name),
                               numora::ToPixelsFile(numora::DrawSvg(renderer, size)))) {
                    return 1;
                }
            }
        }
    }
    return 0;
}

// An .ico file: its header, one directory entry for each image, then the images, each a PNG.
int Ico(const QString& output, const QString& input, const QStringList& sizeTexts) {
    QSvgRenderer renderer(input);
    if (!renderer.isValid()) return 1;
    std::vector<QByteArray> images;
    std::vector<int> sizes;
    for (const QString& text : sizeTexts) {
        const int size = text.toInt();
        if (size <= 0 || size > 256) return 2;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!numora::DrawSvg(renderer, {size, size}).save(&buffer, "PNG")) return 1;
        images.push_back(png);
        sizes.push_back(size);
    }
    QByteArray ico;
    const auto put16 = [&ico](quint16 value) {
        value = qToLittleEndian(value);
        ico.append(reinterpret_cast<const char*>(&value), 2);
    };
    const auto put32 = [&ico](quint32 value) {
        value = qToLittleEndian(value);
        ico.append(reinterpret_cast<const char*>(&value), 4);
    };
    put16(0);  // reserved
    put16(1);  // an icon, not a cursor
    put16(static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const char side = static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]);  // 0 means 256
        ico.append(side).append(side).append('\0').append('\0');  // no palette, reserved
        put16(1);                                                 // colour planes
        put16(32);                                                // bits per pixel
        put32(static_cast<quint32>(images[i].size()));
        put32(offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) ico.append(image);
    return WriteFile(output, ico) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() >= 3 && arguments[0] == QLatin1String("--pixels")) {
        return Pixels(arguments.mid(1));
    }
    if (arguments.size() >= 4 && arguments[0] == QLatin1String("--ico")) {
        return Ico(arguments[1], arguments[2], arguments.mid(3));
    }
    if (arguments.size() != 3) {
        std::fprintf(stderr,
                     "usage: render_icon IN.svg OUT.png SIZE\n"
                     "       render_icon --pixels OUT_DIR [--scales S,S...] [--dark] IN.svg...\n"
                     "       render_icon --ico OUT.ico IN.svg SIZE...\n");
        return 2;
    }
    const int size = arguments[2].toInt();
    QSvgRenderer svg(arguments[0]);
    if (!svg.isValid() || size <= 0) return 1;
    return numora::DrawSvg(svg, {size, size}).save(arguments[1], "PNG") ? 0 : 1;
}
