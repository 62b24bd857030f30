#include <gtest/gtest.h>

#include <string>

#include "driver_test_support.h"
#include "engine/Text.h"
#include "worksheet/ColoringLines.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::CommonScript;
using testing::MarkedBuffer;
using testing::ScriptedEvaluator;

constexpr ColorKind D = ColorKind::Default;
constexpr ColorKind R = ColorKind::Result;
constexpr ColorKind E = ColorKind::Error;
constexpr ColorKind C = ColorKind::Comment;

// Word wrap must not change the colours: a paragraph is coloured as one text even when "//"
// or a marker is split over two visual lines.
TEST(ColorAllLines, SameColoursWhateverTheWrapWidth) {
    const std::u16string texts[] = {
        u"",
        u"a=1\n>1\n",
        u"x=5 // set x\n>5 >Error\n// a > b\n1/\n/2",
        u"\n\n>nan\n>-inf // c\n計算 = 1 // メモ",
        u"a///b>c\n\n",
    };
    for (const std::u16string& text : texts) {
        for (std::int32_t wrap : {0, 1, 2, 3, 7}) {
            const MemoryTextBuffer buffer(text, wrap);
            EXPECT_EQ(ColorAllLines(buffer), ColorAllText(text))
                << Utf16ToUtf8(text) << " wrap " << wrap;
        }
    }
}

TEST(ColorAllLines, CaretGoesToTheStartOfTheLastLine) {
    EXPECT_EQ(CaretAfterColorAllLines(MemoryTextBuffer(u"")), 0);
    EXPECT_EQ(CaretAfterColorAllLines(MemoryTextBuffer(u"a\nbc")), 2);
    EXPECT_EQ(CaretAfterColorAllLines(MemoryTextBuffer(u"a\nbc\n")), 5);
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
    const Case cases[] = {
        // Only the caret's paragraph, with the rule that finds markers anywhere.
        {"a=1\n>5 >E|rror\nx // c", 0, false, -1, {{4, 4, D}, {8, 5, E}}},
        // And the marked line as a second paragraph.
        {"a=1\n>5 >E|rror\nx // c", 0, false, 2, {{4, 4, D}, {8, 5, E}, {14, 2, D}, {16, 4, C}}},
        {"a=1\n>5 >E|rror\nx // c", 0, false, 1, {{4, 4, D}, {8, 5, E}}},
        // After an inserted result line only the marked line counts, wherever the caret is.
        {"a=1|\n>1\nx", 0, true, 1, {{4, 1, D}, {5, 1, R}}},
        {"a=1|\n>1\nx", 0, true, -1, {}},
        // An empty caret line stops everything, the second line included.
        {"a=1\n|\nx", 0, false, 0, {}},
        {"a=1\n\nx|", 0, false, 1, {{5, 1, D}}},
        {"a=1|", 0, false, 9, {{0, 3, D}}},
        // A wrapped paragraph is coloured from its start, once.
        {"x=5 //|zz\n>5", 3, false, 0, {{0, 4, D}, {4, 4, C}}},
        {"x=5 //|zz\n>5", 3, false, 3, {{0, 4, D}, {4, 4, C}, {9, 1, D}, {10, 1, R}}},
    };
    for (const Case& c : cases) {
        const MemoryTextBuffer buffer = MarkedBuffer(c.marked, c.wrap);
        EXPECT_EQ(ColorEditedLines(buffer, c.resultInserted, c.colorLine), c.expected)
            << c.marked << " colorLine " << c.colorLine;
    }
}

// The flags the driver leaves behind after Enter lead the colouring to the new result line.
TEST(ColorEditedLines, FollowsTheDriverAfterEnter) {
    struct Case {
        const char* marked;
        ColorSegments expected;
    };
    const Case cases[] = {
        {"1+2|", {{4, 1, D}, {5, 1, R}}},
        {"1/0|\nx=5", {{4, 1, D}, {5, 24, E}}},
        {"1+2|\n>7\nx=5", {{4, 1, D}, {5, 1, R}}},
    };
    for (const Case& c : cases) {
        MemoryTextBuffer buffer = MarkedBuffer(c.marked);
        ScriptedEvaluator evaluator(CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.PressEnter(false, false);
        EXPECT_EQ(ColorEditedLines(buffer, driver.ResultInserted(), driver.ColorLine()), c.expected)
            << c.marked << " -> " << testing::Marked(buffer);
    }
}

}  // namespace
}  // namespace numora
