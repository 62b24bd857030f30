// What Enter does to the text, the caret and the undo history ("|" marks the caret).
#include <gtest/gtest.h>

#include "engine/CalcEngine.h"
#include "tests/worksheet/driver_test_support.h"
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::Marked;
using testing::MarkedBuffer;
using testing::ScriptedEvaluator;

enum Mode { kOption = 1, kShift = 2, kCtrl = 4, kCalcOff = 8 };  // kOption: EnterComputesResultLine

struct EnterCase {
    const char* before;
    int mode;
    const char* after;
    const char* evaluated;  // the line handed to the evaluator, "" for none
    int wrapWidth = 0;
};

// Also: each Enter that edits is one undo step (giving back the caret too after a calculation),
// one that only moves the caret leaves nothing to undo, and no group or suspended redraw is
// left behind.
void Check(std::initializer_list<EnterCase> cases) {
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.before << " mode " << c.mode << " wrap " << c.wrapWidth);
        MemoryTextBuffer buffer = MarkedBuffer(c.before, c.wrapWidth);
        const std::u16string original = buffer.Text();
        ScriptedEvaluator evaluator(testing::CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.SetEnterComputesResultLine(c.mode & kOption);
        driver.SetCalcOn(!(c.mode & kCalcOff));
        driver.PressEnter(c.mode & kShift, c.mode & kCtrl);
        EXPECT_EQ(Marked(buffer), c.after);
        EXPECT_EQ(evaluator.seen, *c.evaluated ? std::vector<std::string>{c.evaluated}
                                               : std::vector<std::string>{});
        EXPECT_FALSE(buffer.UndoGroupOpen() || buffer.RedrawSuspended() ||
                     buffer.SelectionHidden());
        const bool edited = buffer.Text() != original;
        ASSERT_EQ(buffer.UndoSteps(), edited ? 1u : 0u);
        if (!edited) continue;
        ASSERT_TRUE(buffer.Undo());
        EXPECT_EQ(buffer.Text(), original);
        if (*c.evaluated) {
            EXPECT_EQ(Marked(buffer), c.before);
        }
        ASSERT_TRUE(buffer.Redo());
        EXPECT_EQ(Marked(buffer), c.after);
    }
}

TEST(Enter, WritesOrReplacesTheResultLine) {
    Check({
        {"1+2|", 0, "1+2\n>3\n|", "1+2"},  // last line: result and an empty line
        {"1|+2\nx=5", 0, "1+2\n>3\n|x=5", "1+2"},
        {"1+2|\n>5\nx=5", 0, "1+2\n>3\n|x=5", "1+2"},
        {"1+2|\n>5", 0, "1+2\n>3\n|", "1+2"},
        {"1+2|\n>>note\nx=5", kOption, "1+2\n>3\n|x=5", "1+2"},
        {"1+2|\n >5", kShift, "1+2\n>3\n| >5", "1+2"},  // not a result line
        {"1+2|\nx=5\n>5", 0, "1+2\n>3\n|x=5\n>5", "1+2"},
        {">1\n1+2|\n", 0, ">1\n1+2\n>3\n|", "1+2"},
        {"a=2 // note|", 0, "a=2 // note\n>2\n|", "a=2"},
        {"\t 1+2 \u3000|", 0, "\t 1+2 \u3000\n>3\n|", "1+2"},
    });
}

// Blank and comment lines are passed over; Ctrl+Enter and Enter with calculation off split
// the line.
TEST(Enter, OtherLinesAreNotCalculated) {
    Check({
        {"  // no|te\nx=5", 0, "  // note\n|x=5", ""},
        {"// no|te", 0, "// note\n|", ""},
        {"1+2\n  |", 0, "1+2\n  \n|", ""},
        {" \t|\n1+2", 0, " \t\n|1+2", ""},
        {"|", 0, "\n|", ""},
        {"x\n1+|2\n>5", kCtrl, "x\n1+\n|2\n>5", ""},
        {"x\n1+|2\n>5", kCalcOff, "x\n1+\n|2\n>5", ""},
    });
}

// On a result line insert mode copies the content after one '>'; otherwise the content is
// calculated. Shift swaps the two, the option swaps them back.
TEST(Enter, OnResultLinesCopiesOrCalculates) {
    Check({
        {">|3\nx=5", 0, ">3\n3|\nx=5", ""},
        {">3|\n>7", 0, ">3\n3|\n>7", ""},  // pushed down, not replaced
        {">>3|", 0, ">>3\n>3|\n", ""},
        {"> 3 // c|\nx", 0, "> 3 // c\n 3|\nx", ""},
        {">3|\n>9", kShift, ">3\n>3\n|", "3"},
        {" >> 3|\nx=5", kShift, " >> 3\n>3\n|x=5", "3"},
        {">3|\n>9\nx", kOption, ">3\n>3\n|x", "3"},
        {">3|", kOption | kShift, ">3\n3|\n", ""},
        {">  |\nx", kShift, ">  \n|x", ""},
    });
}

// A failing line still gets its result line; the caret goes to the failing character.
TEST(Enter, FailurePutsCaretOnTheError) {
    Check({
        {"1/0|\nx=5", 0, "1/|0\n>Error : Division by zero\nx=5", "1/0"},
        {"1/0|\n>3\nx", 0, "1/|0\n>Error : Division by zero\nx", "1/0"},
        {"x=1\n  1/0|", 0, "x=1\n  1/|0\n>Error : Division by zero\n", "1/0"},
        {" >1/0|", kShift, " >1/|0\n>Error : Division by zero\n", "1/0"},
        {"y|\nx", 0, "|y\n>Error : unscripted\nx", "y"},
    });
}

// With a wrap width of 4 the paragraph "1234567+1" spans three visual lines.
TEST(Enter, WrappedParagraphIsOneLine) {
    Check({
        {"x=1\n12|34567+1\nx=5", 0, "x=1\n1234567+1\n>1234568\n|x=5", "1234567+1", 4},
        {"1234567+1|\n>123456789\nx", 0, "1234567+1\n>1234568\n|x", "1234567+1", 4},
        {"1234|567+1", 0, "1234567+1\n>1234568\n|", "1234567+1", 4},
        {"x\n1234567/0|\nx", 0, "x\n1234567/|0\n>Error : Division by zero\nx", "1234567/0", 4},
        {">1234567|\nx", 0, ">1234567\n1234567|\nx", "", 4},
    });
}

// The flags the view reads to colour the change, and the notification that follows each
// successful calculation once its undo group is closed.
TEST(Enter, ColoringFlagsAndNotification) {
    const struct {
        const char* before;
        int mode;
        bool resultInserted;
        int colorLine, notifications, wrapWidth;
    } cases[] = {
        {"x\n1+2|", 0, true, 2, 1, 0},          {"1+2|\nx=5\ny", 0, true, 1, 1, 0},
        {"1/0|\nx", 0, true, 1, 0, 0},          {"x\n>3|", 0, true, 2, 0, 0},
        {"//c|\nx", 0, false, 1, 0, 0},         {"x\n|\ny", 0, false, -1, 0, 0},
        {"x\n1+|2\n>5", kCtrl, false, 1, 0, 0}, {"x\n12|34567+1", 0, true, 4, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        MemoryTextBuffer buffer = MarkedBuffer(c.before, c.wrapWidth);
        ScriptedEvaluator evaluator(testing::CommonScript());
        WorksheetDriver driver(buffer, evaluator);
        driver.SetCalcOn(!(c.mode & kCalcOff));
        int notifications = 0;
        driver.SetCalculatedHandler([&] {
            EXPECT_FALSE(buffer.UndoGroupOpen() || driver.EditGroupOpen());
            ++notifications;
        });
        driver.PressEnter(false, c.mode & kCtrl);
        EXPECT_EQ(driver.ResultInserted(), c.resultInserted);
        EXPECT_EQ(driver.ColorLine(), c.colorLine);
        EXPECT_EQ(notifications, c.notifications);
    }
}

// InsertAtCaret replaces the selection as one undo step; a replace-all keeps one group open
// across many edits and closes it itself.
TEST(EditGroup, InsertAtCaretAndReplacing) {
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
    EXPECT_EQ(Marked(buffer), "|a+b");
    EXPECT_EQ(buffer.GetSelection().end, 2);

    driver.BeginEditGroup();
    driver.SetReplacing(true);
    driver.InsertAtCaret(u"a");
    driver.DispatchInEditGroup([&] { buffer.ReplaceSelection(u"b"); });
    driver.EndEditGroup();
    EXPECT_TRUE(driver.EditGroupOpen() && buffer.RedrawSuspended() && buffer.SelectionHidden());
    driver.SetReplacing(false);
    driver.EndEditGroup();
    EXPECT_FALSE(driver.EditGroupOpen() || buffer.RedrawSuspended() || buffer.SelectionHidden());
    EXPECT_EQ(buffer.UndoSteps(), 1u);
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), u"a+b");
}

// The real engine's messages and error positions, full-width text.
TEST(DriverWithEngine, ResultLinesAndErrorCarets) {
    const std::pair<const char*, const char*> cases[] = {
        {"a = b = 2*3 // both|\n>1\nz", "a = b = 2*3 // both\n>6\n|z"},
        {"\uff41\uff1d\uff11|", "\uff41\uff1d\uff11\n>1\n|"},
        {"a+b = 1|", "a|+b = 1\n>Error : Illegal Variable Name Charactor\n"},
        {"x\n\u3000 f(x) = 1|\ny",
         "x\n\u3000 f(x|) = 1\n>Error : Illegal Variable Name Charactor\ny"},
        {">12.5|", ">12.5\n>12.5\n|"},  // with Shift
    };
    for (const auto& [before, after] : cases) {
        MemoryTextBuffer buffer = MarkedBuffer(before);
        CalcEngine engine;
        CalcEngineEvaluator evaluator(engine);
        WorksheetDriver driver(buffer, evaluator);
        driver.PressEnter(before[0] == '>', false);
        EXPECT_EQ(Marked(buffer), after);
    }
}

}  // namespace
}  // namespace numora
