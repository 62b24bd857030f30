// The line colours on a dark desktop: readable, told apart, and the user's own kept.
#include "settings/dialogs/ThemeColors.h"

#include <gtest/gtest.h>

#include "tests/support/qt_app_support.h"
#include "ui/ColorRef.h"

namespace numora {
namespace {

QPalette WithBase(const QColor& base) {
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    return palette;
}

TEST(ThemeColors, DarkBasesGetReadableDefaultsAndKeepChosenColours) {
    test::App();
    const Settings defaults;
    const LineColorSet stored = StoredLineColors(defaults);
    for (const char* base : {"#000000", "#1e1e1e", "#2b2b2b", "#353535", "#3c3c3c"}) {
        const QPalette palette = WithBase(QColor(QString::fromLatin1(base)));
        ASSERT_TRUE(IsDarkPalette(palette));
        const LineColorSet shown = ShownLineColors(stored, palette);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double contrast = ContrastRatio(FromColorRef(shown[i]), palette.color(QPalette::Base));
            EXPECT_GE(contrast, i == 0 ? 4.5 : 3.0) << base << " colour " << i;
            for (std::size_t j = 0; j < i; ++j) EXPECT_NE(shown[i], shown[j]) << base;
        }
        for (const bool on : {true, false}) {
            EXPECT_GE(ContrastRatio(CalcStateColor(on, palette), palette.color(QPalette::Base)), 3.0);
        }
    }
    // A colour the user chose is shown as chosen; a light desktop shows what is stored.
    LineColorSet chosen = stored;
    chosen[1] = 0x123456;
    EXPECT_EQ(ShownLineColors(chosen, WithBase(Qt::black))[1], 0x123456u);
    EXPECT_NE(ShownLineColors(chosen, WithBase(Qt::black))[0], stored[0]);
    EXPECT_FALSE(IsDarkPalette(WithBase(Qt::white)));
    EXPECT_EQ(ShownLineColors(stored, WithBase(Qt::white)), stored);
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
}

}  // namespace
}  // namespace numora
