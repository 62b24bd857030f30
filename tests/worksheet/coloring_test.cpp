// Colouring one paragraph of a worksheet by either rule.
#include "worksheet/Coloring.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "tests/worksheet/driver_test_support.h"
#include "worksheet/ColoringLines.h"

namespace numora {
namespace {

constexpr ColorKind D = ColorKind::Default, R = ColorKind::Result, E = ColorKind::Error,
                    C = ColorKind::Comment;

// One paragraph under both rules: after an edit, and in the full recolouring.
TEST(ParagraphColoring, BothRules) {
    const struct {
        std::u16string text;
        ColorSegments edited, scanned;
    } cases[] = {
        {u"", {}, {}},
        {u">12.5", {{0, 1, D}, {1, 4, R}}, {{0, 1, D}, {1, 4, R}}},
        {u">Error : Division by zero", {{0, 1, D}, {1, 24, E}}, {{0, 1, D}, {1, 24, E}}},
        {u">nan", {{0, 1, D}, {1, 3, E}}, {{0, 1, D}, {1, 3, E}}},
        {u">-inf", {{0, 1, D}, {1, 4, E}}, {{0, 1, D}, {1, 4, E}}},
        // After an edit a marker counts anywhere; the full scan wants it right after the ">".
        {u">5 >Error", {{0, 4, D}, {4, 5, E}}, {{0, 1, D}, {1, 8, R}}},
        {u">inf >Error", {{0, 6, D}, {6, 5, E}}, {{0, 1, D}, {1, 10, E}}},
        {u"a>b>c", {{0, 2, D}, {2, 3, R}}, {{0, 2, D}, {2, 3, R}}},
        {u"> Error", {{0, 1, D}, {1, 6, R}}, {{0, 1, D}, {1, 6, R}}},
        {u">error", {{0, 1, D}, {1, 5, R}}, {{0, 1, D}, {1, 5, R}}},
        {u">Error // why", {{0, 1, D}, {1, 6, E}, {7, 6, C}}, {{0, 1, D}, {1, 6, E}, {7, 6, C}}},
        {u"a=2 // >Error", {{0, 4, D}, {4, 9, C}}, {{0, 4, D}, {4, 9, C}}},
        {u"1 / / 2", {{0, 7, D}}, {{0, 7, D}}},
        {u"///x", {{0, 4, C}}, {{0, 4, C}}},
        {u"計算=5 //メモ", {{0, 5, D}, {5, 4, C}}, {{0, 5, D}, {5, 4, C}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorEditedParagraph(c.text), c.edited) << Utf16ToUtf8(c.text);
        EXPECT_EQ(ColorScannedParagraph(c.text), c.scanned) << Utf16ToUtf8(c.text);
    }
}

// With units on, "->" converts: its ">" is the expression's, and a result after it still
// starts at its own ">"; off, the arrow colours as it always has.
TEST(ParagraphColoring, ConversionArrowsWithUnits) {
    const struct {
        std::u16string text;
        ColorSegments on, off;
    } cases[] = {
        {u"5[ft] -> [cm]", {{0, 13, D}}, {{0, 8, D}, {8, 5, R}}},
        {u"x->[m] >5 [m]", {{0, 8, D}, {8, 5, R}}, {{0, 3, D}, {3, 10, R}}},
        {u">-5 [°C]", {{0, 1, D}, {1, 7, R}}, {{0, 1, D}, {1, 7, R}}},
        {u"->[m] // ->", {{0, 6, D}, {6, 5, C}}, {{0, 2, D}, {2, 4, R}, {6, 5, C}}},
        {u"1[m] -> [s] >Error : Cannot Convert",
         {{0, 13, D}, {13, 22, E}},
         {{0, 7, D}, {7, 28, R}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorEditedParagraph(c.text, true), c.on) << Utf16ToUtf8(c.text);
        EXPECT_EQ(ColorScannedParagraph(c.text, true), c.on) << Utf16ToUtf8(c.text);
        EXPECT_EQ(ColorScannedParagraph(c.text, false), c.off) << Utf16ToUtf8(c.text);
    }
}

TEST(CaretAfterLoading, StartOfTheLastVisualLine) {
    EXPECT_EQ(CaretAfterColorAllLines(MemoryTextBuffer(u"a\nbcdef", 2)), 6);
}

}  // namespace
}  // namespace numora
