// The driver's flags for colouring, its notification, undo steps and edit groups.
#include <gtest/gtest.h>

#include "tests/worksheet/driver_test_support.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::CommonScript;
using testing::Marked;
using testing::MarkedBuffer;
using testing::ScriptedEvaluator;

struct FlagCase {
    const char* name;
    const char* before;
    bool shift;
    bool ctrl;
    bool calcOn;
    bool resultInserted;
    int colorLine;
    int notifications;
    int wrapWidth = 0;
};

class EnterFlagsTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(EnterFlagsTest, ColoringFlagsAndNotification) {
    const FlagCase& c = GetParam();
    MemoryTextBuffer buffer = MarkedBuffer(c.before, c.wrapWidth);
    ScriptedEvaluator evaluator(CommonScript());
    WorksheetDriver driver(buffer, evaluator);
    driver.SetCalcOn(c.calcOn);
    int notifications = 0;
    driver.SetCalculatedHandler([&] {
        // Only after the Enter's undo group has been closed.
        EXPECT_FALSE(buffer.UndoGroupOpen());
        EXPECT_FALSE(driver.EditGroupOpen());
        ++notifications;
    });
    driver.PressEnter(c.shift, c.ctrl);
    EXPECT_EQ(driver.ResultInserted(), c.resultInserted);
    EXPECT_EQ(driver.ColorLine(), c.colorLine);
    EXPECT_EQ(notifications, c.notifications);
}

const FlagCase kFlagCases[] = {
    {"ResultAfterLastLine", "x\n1+2|", false, false, true, true, 2, 1},
    {"ResultBeforeNextLine", "1+2|\nx=5\ny", false, false, true, true, 1, 1},
    {"ResultReplaced", "x\n1+2|\n>5", false, false, true, true, 2, 1},
    {"FailureNotNotified", "1/0|\nx", false, false, true, true, 1, 0},
    {"CopyNotNotified", "x\n>3|", false, false, true, true, 2, 0},
    {"CommentMovesOn", "//c|\nx", false, false, true, false, 1, 0},
    {"CommentOnLastLine", "x\n//c|", false, false, true, false, 2, 0},
    {"EmptyLine", "x\n|\ny", false, false, true, false, -1, 0},
    {"CtrlEnterSplitsCaretLine", "x\n1+|2", false, true, true, false, 1, 0},
    {"CalcOffSplitsCaretLine", "x\n1+|2", false, false, false, false, 1, 0},
    {"WrappedParagraph", "x\n1234567+1|\ny", false, false, true, true, 4, 1, 4},
    {"WrappedLastParagraph", "x\n12|34567+1", false, false, true, true, 4, 1, 4},
};
INSTANTIATE_TEST_SUITE_P(All, EnterFlagsTest, ::testing::ValuesIn(kFlagCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnterFlags, PlainLineBreakWhenCalculationIsBypassed) {
    for (const bool ctrl : {true, false}) {
        MemoryTextBuffer buffer = MarkedBuffer("1+|2\n>5");
        ScriptedEvaluator evaluator(CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.SetCalcOn(ctrl);  // Ctrl+Enter with calculation on, or Enter with it off
        driver.PressEnter(false, ctrl);
        EXPECT_EQ(Marked(buffer), "1+\n|2\n>5");
        EXPECT_TRUE(evaluator.seen.empty());
        EXPECT_EQ(buffer.UndoSteps(), 1u);
    }
}

// Each Enter is one undo step, whatever it changed, and Undo restores the caret too.
TEST(EnterUndo, OneStepPerEnter) {
    const char* const cases[] = {"1+2|\n>5\nx=5", "1+2|", "1/0|\n>3", ">3|\nx", "1+|2\n"};
    for (const char* before : cases) {
        SCOPED_TRACE(before);
        MemoryTextBuffer buffer = MarkedBuffer(before);
        ScriptedEvaluator evaluator(CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.PressEnter(false, false);
        const std::string after = Marked(buffer);
        EXPECT_EQ(buffer.UndoSteps(), 1u);
        ASSERT_TRUE(buffer.Undo());
        EXPECT_EQ(Marked(buffer), before);
        ASSERT_TRUE(buffer.Redo());
        EXPECT_EQ(Marked(buffer), after);
    }
}

TEST(EnterUndo, CaretMoveIsNoStep) {
    MemoryTextBuffer buffer = MarkedBuffer("//c|\nx");
    ScriptedEvaluator evaluator(CommonScript());
    WorksheetDriver driver(buffer, evaluator);
    driver.PressEnter(false, false);
    EXPECT_EQ(Marked(buffer), "//c\n|x");
    EXPECT_EQ(buffer.UndoSteps(), 0u);
}

TEST(EnterUndo, SuccessiveEntersUndoOneByOne) {
    MemoryTextBuffer buffer = MarkedBuffer("1+2|\nx=5");
    ScriptedEvaluator evaluator(CommonScript());
    WorksheetDriver driver(buffer, evaluator);
    driver.PressEnter(false, false);
    driver.PressEnter(false, false);  // now on "x=5"
    EXPECT_EQ(Marked(buffer), "1+2\n>3\nx=5\n>5\n|");
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(Marked(buffer), "1+2\n>3\n|x=5");
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(Marked(buffer), "1+2|\nx=5");
    EXPECT_FALSE(buffer.Undo());
}

TEST(InsertAtCaret, ReplacesSelectionAsOneStep) {
    MemoryTextBuffer buffer(u"a+b");
    ScriptedEvaluator evaluator;
    WorksheetDriver driver(buffer, evaluator);
    buffer.SetSelection(2, 0);
    driver.InsertAtCaret(u"sqrt(x)");
    EXPECT_EQ(Marked(buffer), "sqrt(x)|b");
    EXPECT_EQ(buffer.FocusRequests(), 1);
    EXPECT_EQ(buffer.UndoSteps(), 1u);
    EXPECT_FALSE(buffer.RedrawSuspended());
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), u"a+b");
    EXPECT_EQ(buffer.GetSelection().start, 0);
    EXPECT_EQ(buffer.GetSelection().end, 2);
}

// A replace-all keeps one group open across many edits and closes it itself.
TEST(EditGroup, ReplacingKeepsGroupOpen) {
    MemoryTextBuffer buffer(u"x");
    ScriptedEvaluator evaluator;
    WorksheetDriver driver(buffer, evaluator);
    driver.BeginEditGroup();
    driver.SetReplacing(true);
    driver.InsertAtCaret(u"a");
    driver.DispatchInEditGroup([&] { buffer.ReplaceSelection(u"b"); });
    EXPECT_TRUE(driver.EditGroupOpen());
    EXPECT_TRUE(buffer.RedrawSuspended());
    EXPECT_TRUE(buffer.SelectionHidden());
    driver.EndEditGroup();
    EXPECT_TRUE(driver.EditGroupOpen());
    driver.SetReplacing(false);
    driver.EndEditGroup();
    EXPECT_FALSE(driver.EditGroupOpen());
    EXPECT_FALSE(buffer.RedrawSuspended());
    EXPECT_FALSE(buffer.SelectionHidden());
    EXPECT_EQ(buffer.Text(), u"abx");
    EXPECT_EQ(buffer.UndoSteps(), 1u);
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), u"x");
}

}  // namespace
}  // namespace numora
