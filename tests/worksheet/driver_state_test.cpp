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

TEST(EnterFlags, ColoringFlagsAndNotification) {
    const struct {
        const char* before;
        bool ctrl, calcOn, resultInserted;
        int colorLine, notifications, wrapWidth;
        const char* after;
    } cases[] = {
        {"x\n1+2|", false, true, true, 2, 1, 0, "x\n1+2\n>3\n|"},
        {"1+2|\nx=5\ny", false, true, true, 1, 1, 0, "1+2\n>3\n|x=5\ny"},
        {"x\n1+2|\n>5", false, true, true, 2, 1, 0, "x\n1+2\n>3\n|"},
        {"1/0|\nx", false, true, true, 1, 0, 0, "1/|0\n>Error : Division by zero\nx"},
        {"x\n>3|", false, true, true, 2, 0, 0, "x\n>3\n3|\n"},
        {"//c|\nx", false, true, false, 1, 0, 0, "//c\n|x"},
        {"x\n//c|", false, true, false, 2, 0, 0, "x\n//c\n|"},
        {"x\n|\ny", false, true, false, -1, 0, 0, "x\n\n|\ny"},
        // Ctrl+Enter, and Enter with calculation off, split the caret line plainly.
        {"x\n1+|2\n>5", true, true, false, 1, 0, 0, "x\n1+\n|2\n>5"},
        {"x\n1+|2\n>5", false, false, false, 1, 0, 0, "x\n1+\n|2\n>5"},
        {"x\n1234567+1|\ny", false, true, true, 4, 1, 4, "x\n1234567+1\n>1234568\n|y"},
        {"x\n12|34567+1", false, true, true, 4, 1, 4, "x\n1234567+1\n>1234568\n|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
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
        driver.PressEnter(false, c.ctrl);
        EXPECT_EQ(Marked(buffer), c.after);
        EXPECT_EQ(driver.ResultInserted(), c.resultInserted);
        EXPECT_EQ(driver.ColorLine(), c.colorLine);
        EXPECT_EQ(notifications, c.notifications);
    }
}

// Each Enter is one undo step, whatever it changed, and Undo restores the caret too; an Enter
// that only moved the caret leaves nothing to undo.
TEST(EnterUndo, OneStepPerEnter) {
    const struct {
        const char* before;
        std::size_t steps;
    } cases[] = {{"1+2|\n>5\nx=5", 1}, {"1+2|", 1},   {"1/0|\n>3", 1},
                 {">3|\nx", 1},        {"1+|2\n", 1}, {"//c|\nx", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        MemoryTextBuffer buffer = MarkedBuffer(c.before);
        ScriptedEvaluator evaluator(CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.PressEnter(false, false);
        const std::string after = Marked(buffer);
        ASSERT_EQ(buffer.UndoSteps(), c.steps);
        if (c.steps == 0) continue;
        ASSERT_TRUE(buffer.Undo());
        EXPECT_EQ(Marked(buffer), c.before);
        ASSERT_TRUE(buffer.Redo());
        EXPECT_EQ(Marked(buffer), after);
    }
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
    driver.EndEditGroup();
    EXPECT_TRUE(driver.EditGroupOpen());
    EXPECT_TRUE(buffer.RedrawSuspended());
    EXPECT_TRUE(buffer.SelectionHidden());
    driver.SetReplacing(false);
    driver.EndEditGroup();
    EXPECT_FALSE(driver.EditGroupOpen());
    EXPECT_FALSE(buffer.RedrawSuspended());
    EXPECT_FALSE(buffer.SelectionHidden());
    EXPECT_EQ(buffer.UndoSteps(), 1u);
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), u"x");
}

}  // namespace
}  // namespace numora
