// What one Enter does to the text and the caret.
#include <gtest/gtest.h>

#include "tests/worksheet/driver_test_support.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::CommonScript;
using testing::Marked;
using testing::MarkedBuffer;
using testing::ScriptedEvaluator;

struct EnterCase {
    const char* name;
    const char* before;  // "|" marks the caret
    bool option;         // EnterComputesResultLine
    bool shift;
    const char* after;
    std::vector<std::string> evaluated;
    int wrapWidth = 0;
};

class EnterTest : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterTest, TextAndCaret) {
    const EnterCase& c = GetParam();
    MemoryTextBuffer buffer = MarkedBuffer(c.before, c.wrapWidth);
    ScriptedEvaluator evaluator(CommonScript());
    WorksheetDriver driver(buffer, evaluator);
    driver.SetEnterComputesResultLine(c.option);
    driver.PressEnter(c.shift, false);
    EXPECT_EQ(Marked(buffer), c.after);
    EXPECT_EQ(evaluator.seen, c.evaluated);
    EXPECT_FALSE(buffer.UndoGroupOpen());
    EXPECT_FALSE(buffer.RedrawSuspended());
    EXPECT_FALSE(buffer.SelectionHidden());
}

const EnterCase kResultLines[] = {
    {"LastLineGetsResultAndEmptyLine", "1+2|", false, false, "1+2\n>3\n|", {"1+2"}},
    {"CaretInsideLine", "1|+2", false, false, "1+2\n>3\n|", {"1+2"}},
    {"CaretAtLineStart", "|1+2\nx=5", false, false, "1+2\n>3\n|x=5", {"1+2"}},
    {"InsertedBeforeNextLine", "1+2|\nx=5", false, false, "1+2\n>3\n|x=5", {"1+2"}},
    {"OldResultReplaced", "1+2|\n>5\nx=5", false, false, "1+2\n>3\n|x=5", {"1+2"}},
    {"OldLastResultReplaced", "1+2|\n>5", false, false, "1+2\n>3\n|", {"1+2"}},
    {"OldErrorReplaced", "1+2|\n>Error : x\nx=5", false, false, "1+2\n>3\n|x=5", {"1+2"}},
    {"AnyGreaterThanLineReplaced", "1+2|\n>>note\nx=5", false, false, "1+2\n>3\n|x=5", {"1+2"}},
    {"IndentedResultNotReplaced", "1+2|\n >5", false, false, "1+2\n>3\n| >5", {"1+2"}},
    {"OnlyLineBelowReplaced", "1+2|\nx=5\n>5", false, false, "1+2\n>3\n|x=5\n>5", {"1+2"}},
    {"EarlierLinesUntouched", ">1\n1+2|\n", false, false, ">1\n1+2\n>3\n|", {"1+2"}},
    {"CommentCut", "a=2 // note|", false, false, "a=2 // note\n>2\n|", {"a=2"}},
    {"BlanksTrimmed", "\t 1+2 \u3000|", false, false, "\t 1+2 \u3000\n>3\n|", {"1+2"}},
};
INSTANTIATE_TEST_SUITE_P(ResultLines, EnterTest, ::testing::ValuesIn(kResultLines),
                         [](const auto& info) { return std::string(info.param.name); });

const EnterCase kBlankLines[] = {
    {"CommentOnlyMovesToNextLine", "  // no|te\nx=5", false, false, "  // note\n|x=5", {}},
    {"CommentOnlyLastLineBreaks", "// no|te", false, false, "// note\n|", {}},
    {"BlanksOnlyLastLineBreaks", "1+2\n  |", false, false, "1+2\n  \n|", {}},
    {"BlanksOnlyMovesToNextLine", " \t|\n1+2", false, false, " \t\n|1+2", {}},
    {"EmptyLineSplitsPlainly", "1+2\n|\nx", false, false, "1+2\n\n|\nx", {}},
    {"EmptyTextBreaks", "|", false, false, "\n|", {}},
};
INSTANTIATE_TEST_SUITE_P(BlankLines, EnterTest, ::testing::ValuesIn(kBlankLines),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter on a result line copies its content (insert mode) or calculates it; Shift swaps the
// two and the option swaps them back.
const EnterCase kResultLineModes[] = {
    {"InsertModeCopiesLast", ">3|", false, false, ">3\n3|\n", {}},
    {"InsertModeCopiesCaretAnywhere", ">|3\nx=5", false, false, ">3\n3|\nx=5", {}},
    {"InsertModePushesResultDown", ">3|\n>7", false, false, ">3\n3|\n>7", {}},
    {"InsertModeKeepsSecondMark", ">>3|", false, false, ">>3\n>3|\n", {}},
    {"InsertModeDropsComment", "> 3 // c|\nx", false, false, "> 3 // c\n 3|\nx", {}},
    {"ShiftCalculates", ">3|\n>9", false, true, ">3\n>3\n|", {"3"}},
    {"ShiftSkipsEveryMark", " >> 3|\nx=5", false, true, " >> 3\n>3\n|x=5", {"3"}},
    {"OptionCalculates", ">3|\n>9\nx", true, false, ">3\n>3\n|x", {"3"}},
    {"OptionWithShiftCopies", ">3|", true, true, ">3\n3|\n", {}},
    {"OptionLeavesExpressions", "1+2|", true, false, "1+2\n>3\n|", {"1+2"}},
    {"ShiftLeavesExpressions", "1+2|", false, true, "1+2\n>3\n|", {"1+2"}},
    {"MarkOnlyCalculatesNothing", ">  |\nx", false, true, ">  \n|x", {}},
};
INSTANTIATE_TEST_SUITE_P(ResultLineModes, EnterTest, ::testing::ValuesIn(kResultLineModes),
                         [](const auto& info) { return std::string(info.param.name); });

// A failing line still gets its result line; the caret goes to the failing character.
const EnterCase kFailures[] = {
    {"CaretOnFailingCharacter",
     "1/0|\nx=5",
     false,
     false,
     "1/|0\n>Error : Division by zero\nx=5",
     {"1/0"}},
    {"FailureReplacesResult",
     "1/0|\n>3\nx",
     false,
     false,
     "1/|0\n>Error : Division by zero\nx",
     {"1/0"}},
    {"FailureOnLastLine",
     "x=1\n1/0|",
     false,
     false,
     "x=1\n1/|0\n>Error : Division by zero\n",
     {"1/0"}},
    {"BlanksBeforeCountForCaret",
     "x=1\n  1/0|",
     false,
     false,
     "x=1\n  1/|0\n>Error : Division by zero\n",
     {"1/0"}},
    {"MarksBeforeCountForCaret",
     " >1/0|",
     false,
     true,
     " >1/|0\n>Error : Division by zero\n",
     {"1/0"}},
    {"UnknownLine", "y|\nx", false, false, "|y\n>Error : unscripted\nx", {"y"}},
};
INSTANTIATE_TEST_SUITE_P(Failures, EnterTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// With a wrap width of 4 the paragraph "1234567+1" spans three visual lines.
const EnterCase kWrapped[] = {
    {"CaretOnLastVisualLine",
     "x=1\n1234567+1|\nx=5",
     false,
     false,
     "x=1\n1234567+1\n>1234568\n|x=5",
     {"1234567+1"},
     4},
    {"CaretOnFirstVisualLine",
     "x=1\n12|34567+1\nx=5",
     false,
     false,
     "x=1\n1234567+1\n>1234568\n|x=5",
     {"1234567+1"},
     4},
    {"WrappedResultReplacedWhole",
     "1234567+1|\n>123456789\nx",
     false,
     false,
     "1234567+1\n>1234568\n|x",
     {"1234567+1"},
     4},
    {"WrappedLastParagraph",
     "12345|67+1",
     false,
     false,
     "1234567+1\n>1234568\n|",
     {"1234567+1"},
     4},
    {"WrappedFailure",
     "x\n1234567/0|\nx",
     false,
     false,
     "x\n1234567/|0\n>Error : Division by zero\nx",
     {"1234567/0"},
     4},
    {"WrappedCopy", ">1234567|\nx", false, false, ">1234567\n1234567|\nx", {}, 4},
};
INSTANTIATE_TEST_SUITE_P(Wrapped, EnterTest, ::testing::ValuesIn(kWrapped),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numora
