#include <gtest/gtest.h>

#include <string>

#include "driver_test_support.h"
#include "engine/Text.h"
#include "worksheet/ColoringLines.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::MarkedBuffer;

constexpr ColorKind D = ColorKind::Default, R = ColorKind::Result, E = ColorKind::Error,
                    C = ColorKind::Comment;

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
    struct Case {
        const char* marked;
        std::int32_t wrap;
        bool resultInserted;
        std::int32_t colorLine;
        ColorSegments expected;
    };
    const char* const sheet = "a=1\n>5 >E|rror\nx // c";
    const Case cases[] = {
        {sheet, 0, false, -1, {{4, 4, D}, {8, 5, E}}},
        {sheet, 0, false, 2, {{4, 4, D}, {8, 5, E}, {14, 2, D}, {16, 4, C}}},
        // After an inserted line only that line, wherever the caret is.
        {"a=1|\n>1\nx", 0, true, 1, {{4, 1, D}, {5, 1, R}}},
        {"a=1|\n>1\nx", 0, true, -1, {}},
        // An empty caret line stops everything.
        {"a=1\n|\nx", 0, false, 0, {}},
        // A wrapped paragraph is coloured from its start, once.
        {"x=5 //|zz\n>5", 3, false, 0, {{0, 4, D}, {4, 4, C}}},
        {"x=5 //|zz\n>5", 3, false, 3, {{0, 4, D}, {4, 4, C}, {9, 1, D}, {10, 1, R}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorEditedLines(MarkedBuffer(c.marked, c.wrap), c.resultInserted, c.colorLine),
                  c.expected)
            << c.marked << " colorLine " << c.colorLine;
    }
}

// The flags the driver leaves after Enter lead the colouring to the new result line.
TEST(ColorEditedLines, FollowsTheDriverAfterEnter) {
    for (const char* marked : {"1+2|", "1+2|\n>7\nx=5"}) {
        MemoryTextBuffer buffer = MarkedBuffer(marked);
        testing::ScriptedEvaluator evaluator(testing::CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.PressEnter(false, false);
        EXPECT_EQ(ColorEditedLines(buffer, driver.ResultInserted(), driver.ColorLine()),
                  (ColorSegments{{4, 1, D}, {5, 1, R}}))
            << marked;
    }
}

}  // namespace
}  // namespace numora
