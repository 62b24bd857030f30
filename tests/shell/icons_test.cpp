// The program's icons: drawn from their SVG files at the size and scale asked, in the dark
// palette's inks, or only from the pixels drawn when the program was built (as the Windows build
// shows them), and the style's overflow arrow drawn as the style draws it.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

#include "shell/Startup.h"
#include "shell/SvgIcon.h"
#if NUMORA_SVG_ICONS
#include "shell/SvgPixels.h"
#else
#include "shell/IconPixels.h"
#endif
#include "tests/support/qt_app_support.h"

namespace numora::test {
namespace {

TEST(Icons, AnSvgIconIsDrawnAtTheSizeAndScaleAsked) {
    App();
    const QIcon square = SvgIcon(QStringLiteral(":/icons/new.svg"));
    const QIcon wide = SvgIcon(QStringLiteral(":/icons/builtin.svg"));  // 32 by 16
    EXPECT_EQ(square.pixmap(16, 16).size(), QSize(16, 16));
    EXPECT_EQ(wide.pixmap(QSize(32, 16)).size(), QSize(32, 16));
    EXPECT_EQ(wide.pixmap(QSize(16, 16)).size(), QSize(16, 8));  // in proportion
    EXPECT_EQ(wide.actualSize(QSize(16, 16)), QSize(16, 8));
    const QPixmap sharp = wide.pixmap(QSize(32, 16), 2.0);
    EXPECT_EQ(sharp.size(), QSize(64, 32));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(32, 16));

    const QImage normal = square.pixmap(16, 16).toImage();
    EXPECT_NE(square.pixmap(QSize(16, 16), QIcon::Disabled).toImage(), normal);
    EXPECT_NE(SvgIcon(QStringLiteral(":/icons/new.svg"), true).pixmap(16, 16).toImage(), normal);
    EXPECT_EQ(QIcon(square).pixmap(16, 16).toImage(), normal);  // a copy draws the same

    // A missing file draws nothing, and does not crash.
    const QImage missing = SvgIcon(QStringLiteral(":/icons/none.svg")).pixmap(16, 16).toImage();
    EXPECT_TRUE(missing.isNull() || missing.pixel(8, 8) == 0);
}

#if NUMORA_SVG_ICONS
// The pixels drawn when the program was built are what the SVG files draw now.
TEST(Icons, TheIconsKeptAsPixelsAreTheirDrawings) {
    App();
    int kept = 0;
    for (QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.svg")}); it.hasNext();) {
        const QString path = it.next();
        QSvgRenderer svg(path);
        for (const int scale : {1, 2}) {
            QFile file(PixelsPath(path, scale));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QImage built = FromPixelsFile(file.readAll());
            EXPECT_EQ(built, DrawSvg(svg, svg.defaultSize() * scale)) << path.toStdString();
            ++kept;
        }
    }
    EXPECT_EQ(kept, 42);
    EXPECT_TRUE(FromPixelsFile(QByteArray("\x10\0\0\0\x10\0\0\0", 8)).isNull());  // cut short
}
#endif

TEST(Icons, PixelsAreNamedByIconScaleAndInk) {
    EXPECT_EQ(PixelsName(QStringLiteral(":/icons/new.svg"), 1), QStringLiteral("new@1x"));
    EXPECT_EQ(PixelsName(QStringLiteral("/a/b/pi.svg"), 2), QStringLiteral("pi@2x"));
    EXPECT_EQ(PixelsName(QStringLiteral("pi.svg"), 1.25, true), QStringLiteral("pi-dark@1.25x"));
    EXPECT_EQ(PixelsPath(QStringLiteral(":/icons/numora.svg"), 0.3125),
              QStringLiteral(":/icons/pixels/numora@0.3125x"));
}

// A size not drawn at build time is made from the smallest drawing that covers it, else from
// the largest.
TEST(Icons, ASizeNotDrawnIsMadeFromTheNextLargerDrawing) {
    struct Row {
        QSize own, wanted;
        std::vector<double> drawn;
        std::optional<double> from;
    };
    const Row rows[] = {
        {{16, 16}, {16, 16}, {1, 2}, 1},
        {{16, 16}, {20, 20}, {1, 2}, 2},
        {{16, 16}, {12, 12}, {1, 2}, 1},
        {{16, 16}, {48, 48}, {1, 2}, 2},       // larger than any: the largest
        {{32, 16}, {16, 16}, {0.5, 1, 2}, 1},  // the width decides: 16x8 would not cover
        {{32, 16}, {20, 10}, {0.5, 0.625, 1}, 0.625},
        {{64, 64}, {20, 20}, {0.25, 0.3125, 0.375}, 0.3125},
        {{16, 16}, {16, 16}, {}, std::nullopt},  // nothing drawn
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ScaleToDrawFrom(row.own, row.wanted, row.drawn), row.from)
            << row.wanted.width() << "x" << row.wanted.height();
    }
}

// Only the pixels built in, never the SVG: a build with Qt Svg draws the icons' own size and
// twice it, one without it also 1.25 times.
TEST(Icons, AnIconFromBuiltPixelsOnlyScalesTheNearestDrawing) {
    App();
    const QString path = QStringLiteral(":/icons/new.svg");
    const auto built = [&path](double scale) {
        QFile file(PixelsPath(path, scale));
        return file.open(QIODevice::ReadOnly) ? FromPixelsFile(file.readAll()) : QImage();
    };
    const QIcon icon = BuiltPixelsIcon(path);
    EXPECT_EQ(icon.actualSize(QSize(16, 16)), QSize(16, 16));
    EXPECT_EQ(icon.pixmap(16, 16).toImage(), built(1));
    EXPECT_EQ(icon.pixmap(QSize(16, 16), 2.0).toImage(), built(2));
    const double next = NUMORA_SVG_ICONS ? 2 : 1.25;  // the smallest drawing of 18 pixels or more
    EXPECT_EQ(icon.pixmap(QSize(16, 16), 1.125).toImage(),
              built(next).scaled(18, 18, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    EXPECT_EQ(icon.pixmap(48, 48).size(), QSize(48, 48));
    const QIcon wide = BuiltPixelsIcon(QStringLiteral(":/icons/builtin.svg"));
    EXPECT_EQ(wide.pixmap(16, 16).size(), QSize(16, 8));  // in proportion, as a menu shows it

    // Neither ink nor icon drawn: nothing, and no crash.
    EXPECT_EQ(BuiltPixelsIcon(path, true).pixmap(16, 16).isNull(), bool(NUMORA_SVG_ICONS));
    EXPECT_TRUE(BuiltPixelsIcon(QStringLiteral(":/icons/none.svg")).pixmap(16, 16).isNull());
}

#if NUMORA_SVG_ICONS && defined(NUMORA_RENDER_ICON_PATH)
// What the Windows build takes its icons from: the build machine's render_icon drawing every
// scale in both inks, and the program's .ico.
TEST(Icons, TheBuildToolDrawsEachScaleAndInkAsked) {
    App();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString svg = QStringLiteral(NUMORA_SOURCE_DIR "/resources/icons/pi.svg");
    const auto run = [](const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral(NUMORA_RENDER_ICON_PATH), arguments);
        return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit
                   ? tool.exitCode()
                   : -1;
    };
    ASSERT_EQ(run({QStringLiteral("--pixels"), out.path(), QStringLiteral("--scales"),
                   QStringLiteral("0.625,1.75"), QStringLiteral("--dark"), svg}),
              0);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    int files = 0;
    for (const bool dark : {false, true}) {
        QSvgRenderer renderer(dark ? WithDarkInks(text) : text);
        for (const double scale : {0.625, 1.75}) {
            QFile pixels(out.filePath(PixelsName(svg, scale, dark)));
            ASSERT_TRUE(pixels.open(QIODevice::ReadOnly)) << pixels.fileName().toStdString();
            const QImage drawn = FromPixelsFile(pixels.readAll());
            EXPECT_EQ(drawn.size(), QSize(32, 16) * scale);
            EXPECT_EQ(drawn, DrawSvg(renderer, drawn.size()));
            ++files;
        }
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), files);
    // A scale the program never looks for would be drawn for nothing.
    EXPECT_EQ(run({QStringLiteral("--pixels"), out.path(), QStringLiteral("--scales"),
                   QStringLiteral("1.1"), svg}),
              2);

    const QString ico = out.filePath(QStringLiteral("numora.ico"));
    ASSERT_EQ(run({QStringLiteral("--ico"), ico,
                   QStringLiteral(NUMORA_SOURCE_DIR "/resources/icons/numora.svg"),
                   QStringLiteral("16"), QStringLiteral("48"), QStringLiteral("256")}),
              0);
    QFile icoFile(ico);
    ASSERT_TRUE(icoFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = icoFile.readAll();
    ASSERT_GE(bytes.size(), 6 + 3 * 16);
    EXPECT_EQ(bytes.left(6), QByteArray("\0\0\1\0\3\0", 6));  // an icon of three images
    const auto word = [&bytes](int at) {
        return static_cast<quint32>(static_cast<uchar>(bytes[at])) |
               static_cast<quint32>(static_cast<uchar>(bytes[at + 1])) << 8 |
               static_cast<quint32>(static_cast<uchar>(bytes[at + 2])) << 16 |
               static_cast<quint32>(static_cast<uchar>(bytes[at + 3])) << 24;
    };
    const int sides[] = {16, 48, 256};
    for (int i = 0; i < 3; ++i) {
        const int entry = 6 + 16 * i;
        EXPECT_EQ(static_cast<uchar>(bytes[entry]), sides[i] % 256);  // 0 stands for 256
        const QImage image = QImage::fromData(bytes.mid(word(entry + 12), word(entry + 8)), "PNG");
        EXPECT_EQ(image.size(), QSize(sides[i], sides[i]));
    }
}
#endif

TEST(Icons, TheOverflowArrowIsTheStylesOwn) {
    App();
    const std::unique_ptr<QStyle> style(NewProgramStyle());
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning}) {
        const QIcon ours = style->standardIcon(which);
        const QIcon theirs = QApplication::style()->standardIcon(which);
        EXPECT_FALSE(ours.isNull());
        EXPECT_EQ(ours.availableSizes(), theirs.availableSizes());
        EXPECT_EQ(ours.pixmap(16, 16).toImage(), theirs.pixmap(16, 16).toImage());
        EXPECT_EQ(ours.pixmap(QSize(16, 16), 2.0).toImage(),
                  theirs.pixmap(QSize(16, 16), 2.0).toImage());
    }
}

}  // namespace
}  // namespace numora::test
