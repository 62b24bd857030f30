// The program's icons: drawn from their SVG files at the size and scale asked, in the dark
// palette's inks, and the style's overflow arrow drawn as the style draws it.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <memory>

#include "shell/Startup.h"
#include "shell/SvgPixels.h"
#include "shell/SvgIcon.h"
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
