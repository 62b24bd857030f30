// Draws the program's SVG icons in pixels when it is built.
//   render_icon IN.svg OUT.png SIZE       the program's icon for the desktop's icon theme
//   render_icon --pixels OUT_DIR IN.svg...  each icon once and twice its own size, as pixels
//                                           files OUT_DIR/NAME@1x and NAME@2x (SvgPixels.h)
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "shell/SvgPixels.h"

namespace {

int Pixels(const QString& folder, const QStringList& inputs) {
    for (const QString& input : inputs) {
        QSvgRenderer svg(input);
        if (!svg.isValid() || svg.defaultSize().isEmpty()) return 1;
        for (const int scale : {1, 2}) {
            QFile out(QDir(folder).filePath(numora::PixelsName(input, scale)));
            const QByteArray pixels =
                numora::ToPixelsFile(numora::DrawSvg(svg, svg.defaultSize() * scale));
            if (!out.open(QIODevice::WriteOnly) || out.write(pixels) != pixels.size()) return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() >= 3 && arguments[0] == QLatin1String("--pixels")) {
        return Pixels(arguments[1], arguments.mid(2));
    }
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: render_icon IN.svg OUT.png SIZE\n"
                             "       render_icon --pixels OUT_DIR IN.svg...\n");
        return 2;
    }
    const int size = arguments[2].toInt();
    QSvgRenderer svg(arguments[0]);
    if (!svg.isValid() || size <= 0) return 1;
    return numora::DrawSvg(svg, {size, size}).save(arguments[1], "PNG") ? 0 : 1;
}
