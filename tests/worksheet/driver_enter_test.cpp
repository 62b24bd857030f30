// What one Enter does to the text and the caret ("|" marks the caret).
#include <gtest/gtest.h>

#include "tests/worksheet/driver_test_support.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::Marked;

struct EnterCase {
    const char* before;
    bool option;  // EnterComputesResultLine
    bool shift;
    const char* after;
    const char* evaluated;  // the line handed to the engine, "" for none
    int wrapWidth = 0;
};

template <std::size_t N>
void Check(const EnterCase (&cases)[N]) {
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.before << " option " << c.option << " shift "
                                          << c.shift << " wrap " << c.wrapWidth);
        MemoryTextBuffer buffer = testing::MarkedBuffer(c.before, c.wrapWidth);
        testing::ScriptedEvaluator evaluator(testing::CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.SetEnterComputesResultLine(c.option);
        driver.PressEnter(c.shift, false);
        EXPECT_EQ(Marked(buffer), c.after);
        EXPECT_EQ(evaluator.seen, *c.evaluated ? std::vector<std::string>{c.evaluated}
                                               : std::vector<std::string>{});
        EXPECT_FALSE(buffer.UndoGroupOpen());
        EXPECT_FALSE(buffer.RedrawSuspended());
        EXPECT_FALSE(buffer.SelectionHidden());
    }
}

TEST(Enter, WritesOrReplacesTheResultLine) {
    const EnterCase cases[] = {
        {"1+2|", false, false, "1+2\n>3\n|", "1+2"},  // last line: result and an empty line
        {"1|+2", false, false, "1+2\n>3\n|", "1+2"},
        {"|1+2\nx=5", false, false, "1+2\n>3\n|x=5", "1+2"},
        {"1+2|\n>5\nx=5", false, false, "1+2\n>3\n|x=5", "1+2"},
        {"1+2|\n>5", false, false, "1+2\n>3\n|", "1+2"},
        {"1+2|\n>>note\nx=5", false, false, "1+2\n>3\n|x=5", "1+2"},
        {"1+2|\n >5", false, false, "1+2\n>3\n| >5", "1+2"},  // not a result line
        {"1+2|\nx=5\n>5", false, false, "1+2\n>3\n|x=5\n>5", "1+2"},
        {">1\n1+2|\n", false, false, ">1\n1+2\n>3\n|", "1+2"},
        {"a=2 // note|", false, false, "a=2 // note\n>2\n|", "a=2"},
        {"\t 1+2 \u3000|", false, false, "\t 1+2 \u3000\n>3\n|", "1+2"},
    };
    Check(cases);
}

TEST(Enter, PassesOverBlankAndCommentLines) {
    const EnterCase cases[] = {
        {"  // no|te\nx=5", false, false, "  // note\n|x=5", ""},
        {"// no|te", false, false, "// note\n|", ""},
        {"1+2\n  |", false, false, "1+2\n  \n|", ""},
        {" \t|\n1+2", false, false, " \t\n|1+2", ""},
        {"1+2\n|\nx", false, false, "1+2\n\n|\nx", ""},
        {"|", false, false, "\n|", ""},
    };
    Check(cases);
}

// On a result line insert mode copies the content after one '>'; otherwise the content is
// calculated. Shift swaps the two, the option swaps them back.
TEST(Enter, OnResultLinesCopiesOrCalculates) {
    const EnterCase cases[] = {
        {">3|", false, false, ">3\n3|\n", ""},
        {">|3\nx=5", false, false, ">3\n3|\nx=5", ""},
        {">3|\n>7", false, false, ">3\n3|\n>7", ""},  // pushed down, not replaced
        {">>3|", false, false, ">>3\n>3|\n", ""},
        {"> 3 // c|\nx", false, false, "> 3 // c\n 3|\nx", ""},
        {">3|\n>9", false, true, ">3\n>3\n|", "3"},
        {" >> 3|\nx=5", false, true, " >> 3\n>3\n|x=5", "3"},
        {">3|\n>9\nx", true, false, ">3\n>3\n|x", "3"},
        {">3|", true, true, ">3\n3|\n", ""},
        {"1+2|", true, false, "1+2\n>3\n|", "1+2"},
        {"1+2|", false, true, "1+2\n>3\n|", "1+2"},
        {">  |\nx", false, true, ">  \n|x", ""},
    };
    Check(cases);
}

// A failing line still gets its result line; the caret goes to the failing character.
TEST(Enter, FailurePutsCaretOnTheError) {
    const EnterCase cases[] = {
        {"1/0|\nx=5", false, false, "1/|0\n>Error : Division by zero\nx=5", "1/0"},
        {"1/0|\n>3\nx", false, false, "1/|0\n>Error : Division by zero\nx", "1/0"},
        {"x=1\n1/0|", false, false, "x=1\n1/|0\n>Error : Division by zero\n", "1/0"},
        {"x=1\n  1/0|", false, false, "x=1\n  1/|0\n>Error : Division by zero\n", "1/0"},
        {" >1/0|", false, true, " >1/|0\n>Error : Division by zero\n", "1/0"},
        {"y|\nx", false, false, "|y\n>Error : unscripted\nx", "y"},
    };
    Check(cases);
}

// With a wrap width of 4 the paragraph "1234567+1" spans three visual lines.
TEST(Enter, WrappedParagraphIsOneLine) {
    const EnterCase cases[] = {
        {"x=1\n1234567+1|\nx=5", false, false, "x=1\n1234567+1\n>1234568\n|x=5", "1234567+1", 4},
        {"x=1\n12|34567+1\nx=5", false, false, "x=1\n1234567+1\n>1234568\n|x=5", "1234567+1", 4},
        {"1234567+1|\n>123456789\nx", false, false, "1234567+1\n>1234568\n|x", "1234567+1", 4},
        {"12345|67+1", false, false, "1234567+1\n>1234568\n|", "1234567+1", 4},
        {"x\n1234567/0|\nx", false, false, "x\n1234567/|0\n>Error : Division by zero\nx",
         "1234567/0", 4},
        {">1234567|\nx", false, false, ">1234567\n1234567|\nx", "", 4},
    };
    Check(cases);
}

}  // namespace
}  // namespace numora
