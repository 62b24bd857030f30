// Colouring worksheet text: one paragraph, all text, and what an edit touched.
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
    // A "/" ending one line and one starting the next make no comment; CR, LF each break.
    EXPECT_EQ(ColorAllText(u"1/\n/2\r>5 >Error\r\n// a"),
              (ColorSegments{{0, 2, D}, {3, 2, D}, {6, 1, D}, {7, 8, R}, {17, 4, C}}));
}

// A paragraph is coloured as one text even when "//" or a marker is split over visual lines.
TEST(ColorAllLines, SameColoursWhateverTheWrapWidth) {
    for (const std::u16string text : {u"", u"a=1\n>1\n", u"x=5 // c\n>5 >Error\n1/\n/2",
                                      u"\n>-inf // c\n計算 = 1 // メモ\n\n"}) {
        for (std::int32_t wrap : {0, 1, 2, 3, 7}) {
            EXPECT_EQ(ColorAllLines(MemoryTextBuffer(text, wrap)), ColorAllText(text))
                << Utf16ToUtf8(text) << " wrap " << wrap;
        }
    }
    EXPECT_EQ(CaretAfterColorAllLines(MemoryTextBuffer(u"a\nbcdef", 2)), 6);
}

TEST(ColorEditedLines, ColoursTheCaretParagraphAndTheMarkedLine) {
    const struct {
        const char* marked;
        std::int32_t wrap;
        bool resultInserted;
        std::int32_t colorLine;
        ColorSegments expected;
    } cases[] = {
        {"a=1\n>5 >E|rror\nx // c", 0, false, -1, {{4, 4, D}, {8, 5, E}}},
        {"a=1\n>5 >E|rror\nx // c", 0, false, 2, {{4, 4, D}, {8, 5, E}, {14, 2, D}, {16, 4, C}}},
        // After an inserted line only that line, wherever the caret is.
        {"a=1|\n>1\nx", 0, true, 1, {{4, 1, D}, {5, 1, R}}},
        {"a=1|\n>1\nx", 0, true, -1, {}},
        // An empty caret line stops everything.
        {"a=1\n|\nx", 0, false, 0, {}},
        // A wrapped paragraph is coloured from its start, once.
        {"x=5 //|zz\n>5", 3, false, 0, {{0, 4, D}, {4, 4, C}}},
        {"x=5 //|zz\n>5", 3, false, 3, {{0, 4, D}, {4, 4, C}, {9, 1, D}, {10, 1, R}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorEditedLines(testing::MarkedBuffer(c.marked, c.wrap), c.resultInserted,
                                   c.colorLine),
                  c.expected)
            << c.marked << " colorLine " << c.colorLine;
    }
}

}  // namespace
}  // namespace numora
