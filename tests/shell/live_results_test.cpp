// Results without Ctrl+R in the window: the value of the line being typed shown after it, and
// with automatic recalculation every result below an Enter brought up to date.
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextBlock>

#include "engine/CalcEngine.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetHighlighter.h"

namespace numora::test {
namespace {

class LiveResultsTest : public MainFrameTest {
protected:
    QStringList Variables(CMainFrame& frame) {
        QStringList entries;
        const VariableListBox& list = *frame.VariableList().List();
        for (int row = 0; row < list.count(); ++row) entries << list.Text(row);
        return entries;
    }
    // Waits for the preview that the pause after typing starts.
    QString Preview(CMainFrame& frame) {
        QSignalSpy finished(&frame.Previewer(), &LinePreviewer::Finished);
        if (!finished.wait(2000)) return QStringLiteral("(no preview ran)");
        return View().PreviewShown();
    }
};

TEST_F(LiveResultsTest, ThePreviewIsWhatEnterWritesAndTouchesNothing) {
    CMainFrame& frame = Start();
    TypeLine("a = 6");
    QTest::keyClicks(&View(), "q = a * 7");
    QTextDocument& document = *View().document();
    const QString text = View().Text();
    const int undoSteps = document.availableUndoSteps();
    const bool modified = document.isModified();
    EXPECT_EQ(Preview(frame), QStringLiteral("42"));
    EXPECT_EQ(View().Text(), text);
    EXPECT_EQ(document.availableUndoSteps(), undoSteps);
    EXPECT_EQ(document.isModified(), modified);
    EXPECT_EQ(frame.Sheet().Engine().GetVariables().Find(u"q"), nullptr);
    EXPECT_EQ(ResultPane(), QStringLiteral(">6"));

    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), QStringLiteral("a = 6\n>6\nq = a * 7\n>42\n"));
    // Back on the line: its result line already says it.
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_End);
    QTest::keyClicks(&View(), " ");
    EXPECT_EQ(Preview(frame), QString());
}

// A line using the totals names previews what Enter writes; a line whose result line below holds
// the same value in another grouping shows nothing new.
TEST_F(LiveResultsTest, TotalsLinesPreviewAndAnotherGroupingIsNoNews) {
    CMainFrame& frame = Start();
    const QString items = QStringLiteral("100\n>100\n250\n>250\n");
    const std::pair<const char*, const char*> lines[] = {
        {"subtotal", "350"}, {"小計 * 2", "700"}, {"average", "175"}, {"合計", "350"}};
    for (const auto& [line, value] : lines) {
        SCOPED_TRACE(line);
        View().LoadText(items);
        Key(Qt::Key_End, Qt::ControlModifier);
        // The names in kanji come from an input method.
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(line));
        QApplication::sendEvent(&View(), &commit);
        EXPECT_EQ(Preview(frame), QString::fromUtf8(value));
        Key(Qt::Key_Return);
        EXPECT_EQ(View().Text(), items + QString::fromUtf8(line) + "\n>" + value + "\n");
    }

    View().LoadText(QStringLiteral("a = 80000\n>80,000\nb = 80000\n>8,000\n"));
    for (const int line : {0, 2}) {
        QTextCursor caret(View().document()->findBlockByNumber(line));
        caret.movePosition(QTextCursor::EndOfBlock);
        View().setTextCursor(caret);
        QTest::keyClicks(&View(), " ");
        EXPECT_EQ(Preview(frame), line == 0 ? QString() : QStringLiteral("80000"));
    }
}

// While an input method composes after text already on the line, no value is shown beside the
// composition: it would be the value of the line without it.
TEST_F(LiveResultsTest, NoPreviewBesideAComposition) {
    CMainFrame& frame = Start();
    QTest::keyClicks(&View(), "2+3");
    EXPECT_EQ(Preview(frame), QStringLiteral("5"));
    const auto compose = [&](const QString& preedit, const QString& commit) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QApplication::sendEvent(&View(), &event);
    };
    compose(QStringLiteral("4"), {});
    EXPECT_EQ(View().PreviewShown(), QString());
    frame.Previewer().StartNow();  // the pause after the composition's change ends meanwhile
    EXPECT_FALSE(frame.Previewer().Pending());
    EXPECT_EQ(View().PreviewShown(), QString());
    compose({}, {});  // given up: the line is as it was
    EXPECT_EQ(Preview(frame), QStringLiteral("5"));
    compose(QStringLiteral("4"), {});
    EXPECT_EQ(View().PreviewShown(), QString());
    compose({}, QStringLiteral("4"));
    EXPECT_EQ(Preview(frame), QStringLiteral("36"));
}

TEST_F(LiveResultsTest, PreviewsDrawNoRandomNumbersFromTheWorksheet) {
    // The worksheet's random(5) sequence as a new engine of its own draws it.
    CalcEngine reference;
    QString expected[2];
    for (QString& text : expected) {
        std::u16string line = u"random(5)";
        std::int32_t position = 0;
        ASSERT_EQ(reference.Evaluate(line, position), 0);
        text = QString::fromStdU16String(reference.GetMessageText());
    }
    CMainFrame& frame = Start();
    TypeLine("random(5)");
    QTest::keyClicks(&View(), "random(5)");
    EXPECT_EQ(Preview(frame), QString());  // its value changes from call to call
    QTest::keyClicks(&View(), "+0");
    EXPECT_EQ(Preview(frame), QString());
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), QStringLiteral("random(5)\n>") + expected[0] +
                                 QStringLiteral("\nrandom(5)+0\n>") + expected[1] + u'\n');
}

TEST_F(LiveResultsTest, ALineThatNeverEndsShowsNothingAndTypingGoesOn) {
    CMainFrame& frame = Start();
    AddEndlessFunctions(frame.Functions());
    QTest::keyClicks(&View(), "f40(1)");
    EXPECT_EQ(Preview(frame), QString());
    QTest::keyClicks(&View(), "+2");
    EXPECT_EQ(View().Text(), QStringLiteral("f40(1)+2"));
    EXPECT_FALSE(frame.Sheet().Calculating());
    Key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&View(), "1+2");
    EXPECT_EQ(Preview(frame), QStringLiteral("3"));  // the next preview still runs
}

TEST_F(LiveResultsTest, AutomaticRecalculationUpdatesTheResultsBelowAnEnter) {
    WriteFile("sheet.txt", "a=1\r\n>1\r\nb=a*10\r\n>5\r\nc=b+a\r\n");
    WriteFile("Numora.ini", "[Edit]\r\nAutoRecalculate=1\r\nLivePreview=0\r\n");
    CMainFrame& frame = Start();
    prompter_.files = {FilePath("sheet.txt")};
    frame.Action(CommandId::FileOpen)->trigger();
    // Opened, the result lines are brought up to date once; c has none and gets none.
    EXPECT_EQ(View().Text(), QStringLiteral("a=1\n>1\nb=a*10\n>10\nc=b+a\n"));
    EXPECT_TRUE(frame.Modified());

    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(&View(), "2");
    const QString edited = View().Text();
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), QStringLiteral("a=2\n>2\nb=a*10\n>20\nc=b+a\n"));
    EXPECT_EQ(View().textCursor().blockNumber(), 2);
    EXPECT_EQ(ResultPane(), QStringLiteral(">2"));
    EXPECT_EQ(Variables(frame), QStringList({"a=2", "b=20"}));
    // Colouring lines is no edit: the next Enter has nothing above it to calculate again.
    View().RecolorAll();
    View().Highlighter().ColorEveryLine();
    EXPECT_EQ(frame.Sheet().Journal().Dirty(), kNoParagraph);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Text(), edited);

    // Esc stops a long update: the Enter's own result stays and the status bar says so.
    AddEndlessFunctions(frame.Functions());
    Key(Qt::Key_End, Qt::ControlModifier);
    View().InsertAtCaret(QStringLiteral("f40(b)\n>0"));
    Key(Qt::Key_Home, Qt::ControlModifier);
    QObject::connect(&frame.Waiting(), &CalculationWait::BusyChanged, &View(), [this](bool busy) {
        if (busy) Key(Qt::Key_Escape);
    });
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), QStringLiteral("a=2\n>2\nb=a*10\n>20\nc=b+a\nf40(b)\n>0"));
    EXPECT_FALSE(frame.statusBar()->currentMessage().isEmpty());
}

TEST_F(LiveResultsTest, TurningItOnRecalculatesOnceAndOffLeavesTheSheetAlone) {
    CMainFrame& frame = Start();
    TypeLine("x=3");
    TypeLine("y=x*2");
    TypeLine("x=10");  // y's result reads 6 while x is now 10 below it
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(&View(), "4");
    const QString typed = View().Text();
    frame.AppSettings().AutoRecalculate = true;
    ApplyOptions(frame, false);
    EXPECT_EQ(View().Text(), QStringLiteral("x=4\n>4\ny=x*2\n>8\nx=10\n>10\n"));
    frame.AppSettings().AutoRecalculate = false;
    Key(Qt::Key_Z, Qt::ControlModifier);
    ApplyOptions(frame, false);
    EXPECT_EQ(View().Text(), typed);
}

}  // namespace
}  // namespace numora::test
