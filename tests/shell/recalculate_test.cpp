// すべて再計算 in the window: numora-calc's text for the same worksheet, as one undo step, and
// nothing changed when the user stops it.
#include <QStatusBar>
#include <QTextBlock>

#include "tests/cli/calc_run.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"

namespace numora::test {
namespace {

class RecalculateTest : public MainFrameTest {
protected:
    QStringList Variables() {
        QStringList entries;
        const VariableListBox& list = *frame_->VariableList().List();
        for (int row = 0; row < list.count(); ++row) entries << list.Text(row);
        return entries;
    }
};

TEST_F(RecalculateTest, AnEditedSavedWorksheetBecomesWhatNumoraCalcMakesOfIt) {
    WriteFile("sheet.txt",
              "rate = 5\r\n>5\r\nprice = 1200\r\n>1200\r\n// note\r\n\r\nprice * rate / 100\r\n"
              ">60\r\n1/0\r\nprice + @\r\n>0\r\nunknown + 1\r\nlast = rate * 2\r\n");
    CMainFrame& frame = Start();
    prompter_.files = {FilePath("sheet.txt")};
    frame.Action(CommandId::FileOpen)->trigger();
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(&View(), "8");
    Key(Qt::Key_S, Qt::ControlModifier);
    for (int i = 0; i < 6; ++i) Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    const QString edited = View().Text();
    const int caretLine = View().textCursor().blockNumber();
    const int caretColumn = View().textCursor().positionInBlock();

    Key(Qt::Key_R, Qt::ControlModifier);
    const testing::CalcRun calc = testing::Calc(
        {"--settings-dir", Folder().toStdString(), FilePath("sheet.txt").toStdString()});
    EXPECT_EQ(calc.exitCode, 1);  // two lines fail
    EXPECT_EQ(View().Text().toStdString(), calc.out);
    EXPECT_EQ(View().textCursor().blockNumber(), caretLine);
    EXPECT_EQ(View().textCursor().positionInBlock(), caretColumn);
    // The window's variables are those after the last line, rebuilt from nothing.
    EXPECT_EQ(Variables(), QStringList({"last=16", "price=1200", "rate=8"}));
    EXPECT_EQ(ResultPane(), QStringLiteral(">16"));
    EXPECT_TRUE(frame.Modified());

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Text(), edited);
}

// With the option, an opened worksheet has its variables at once; the text as it was in the
// file is one Ctrl+Z away.
TEST_F(RecalculateTest, OpeningRecalculatesWhenTheOptionIsSet) {
    WriteFile("sheet.txt", "m = 1\r\n>1\r\nm + 1\r\n>Error : \"m\" is Not Variable\r\n");
    CMainFrame& frame = Start();
    settings_->Option |= OptionBits::RecalculateOnOpen;
    prompter_.files = {FilePath("sheet.txt")};
    frame.Action(CommandId::FileOpen)->trigger();
    EXPECT_EQ(View().Text(), QStringLiteral("m = 1\n>1\nm + 1\n>2\n"));
    EXPECT_EQ(Variables(), QStringList({"m=1"}));

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Text(), QStringLiteral("m = 1\n>1\nm + 1\n>Error : \"m\" is Not Variable\n"));
    EXPECT_FALSE(View().document()->isUndoAvailable());
}

// A recalculation that changes no text leaves the document as it was: opened, it asks nothing at
// close; one that changes a result marks it modified.
TEST_F(RecalculateTest, ARecalculationThatChangesNothingLeavesTheDocumentUnmodified) {
    struct Case {
        const char* name;
        QByteArray file;
        bool changes;
    };
    const Case cases[] = {
        {"up to date", "m = 1\r\n>1\r\nm + 1\r\n>2\r\n", false},
        {"up to date, no last line break", "m = 1\r\n>1\r\nm + 1\r\n>2", false},
        {"comments and blank lines", "// prices\r\n\r\na = 2 // two\r\n>2\r\n\r\n", false},
        {"a stale result", "m = 1\r\n>1\r\nm + 1\r\n>3\r\n", true},
        {"a missing result", "m = 1\r\n>1\r\nm + 1\r\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile("sheet.txt", c.file);
        CMainFrame& frame = Start();
        settings_->Option |= OptionBits::RecalculateOnOpen;
        prompter_.files = {FilePath("sheet.txt")};
        frame.Action(CommandId::FileOpen)->trigger();
        EXPECT_EQ(frame.Modified(), c.changes);
        EXPECT_EQ(frame.windowTitle().endsWith(u'*'), c.changes)
            << frame.windowTitle().toStdString();
        if (c.changes) continue;
        // Ctrl+R on it again, and after a save, the same.
        Key(Qt::Key_R, Qt::ControlModifier);
        EXPECT_FALSE(frame.Modified());
        const std::size_t asked = prompter_.messages.size();
        EXPECT_TRUE(Close());
        EXPECT_EQ(prompter_.messages.size(), asked);
    }
}

TEST_F(RecalculateTest, EscStopsALongRecalculationAndKeepsTheLinesDone) {
    CMainFrame& frame = Start();
    // A line that would run for days sits half way down 100,000 lines.
    AddEndlessFunctions(frame.Functions());
    TypeLine(QStringLiteral("n = 7"));
    QString text = View().Text();
    for (int i = 0; i < 50'000; ++i) text += QStringLiteral("n = n + 1\n");
    text += QStringLiteral("f40(1)\n");
    for (int i = 0; i < 49'997; ++i) text += QStringLiteral("n * 2\n");
    View().LoadText(text);
    const QString before = View().Text();

    QString shown;
    QObject::connect(&frame.Waiting(), &CalculationWait::BusyChanged, &frame, [&](bool busy) {
        if (!busy) return;
        // The lines are counted before the first progress report, which takes a moment.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return frame.Panes().DefaultPane().text().startsWith(u"再計算中"); }, 5000));
        shown = frame.Panes().DefaultPane().text();
        // The results above the endless line go in while it runs.
        EXPECT_TRUE(QTest::qWaitFor([&] { return View().Text() != before; }, 30000));
        Key(Qt::Key_Escape);
    });
    Key(Qt::Key_R, Qt::ControlModifier);

    EXPECT_TRUE(shown.startsWith(QStringLiteral("再計算中... "))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("行 (Esc で中止)"))) << shown.toStdString();
    // Esc may come before the worker has reached the endless line (a slow build): the lines above
    // the caret are done, the caret's line and those below are as they were.
    const QTextCursor caret = View().textCursor();
    EXPECT_EQ(caret.positionInBlock(), 0);
    EXPECT_GT(caret.blockNumber(), 2);
    const QString rest = View().Text().mid(caret.block().position());
    EXPECT_TRUE(before.endsWith(rest));
    EXPECT_FALSE(caret.block().next().text().startsWith(u'>'));
    const QString last = caret.block().previous().text();
    ASSERT_TRUE(last.startsWith(u'>'));
    EXPECT_EQ(Variables(), QStringList({"n=" + last.mid(1)}));
    EXPECT_EQ(caret.block().text(), last == QStringLiteral(">50007") ? QStringLiteral("f40(1)")
                                                                     : QStringLiteral("n = n + 1"));
    EXPECT_EQ(frame.statusBar()->currentMessage(),
              QStringLiteral("再計算を中止しました。ここから下の結果は更新されていません。"));
    // Read whole: nothing covers the message's end.
    const int messageEnd =
        frame.statusBar()->fontMetrics().horizontalAdvance(frame.statusBar()->currentMessage());
    EXPECT_TRUE(!frame.Panes().ResultPane().isVisible() ||
                frame.Panes().ResultPane().x() > messageEnd);
    EXPECT_FALSE(View().document()->isRedoAvailable());

    // One undo takes the whole recalculation back, once the keys held meanwhile are through.
    QCoreApplication::processEvents();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Text(), before);
    EXPECT_FALSE(View().document()->isUndoAvailable());
}

// Esc at the first line: nothing was recalculated, so every line keeps its variables, as its text.
TEST_F(RecalculateTest, EscKeepsTheVariablesOfTheLinesNotReached) {
    CMainFrame& frame = Start();
    AddEndlessFunctions(frame.Functions());
    View().LoadText(QStringLiteral("f40(1)\n"));
    TypeLine(QStringLiteral("k=7"));
    ASSERT_EQ(View().Text(), QStringLiteral("f40(1)\nk=7\n>7\n"));
    const auto stop =
        QObject::connect(&frame.Waiting(), &CalculationWait::BusyChanged, &frame, [&](bool busy) {
            if (busy) Key(Qt::Key_Escape);
        });
    Key(Qt::Key_R, Qt::ControlModifier);
    QObject::disconnect(stop);
    QCoreApplication::processEvents();  // the keys held meanwhile
    EXPECT_EQ(View().textCursor().blockNumber(), 0);
    EXPECT_EQ(View().Text(), QStringLiteral("f40(1)\nk=7\n>7\n"));
    EXPECT_EQ(Variables(), QStringList({"k=7"}));
    EXPECT_EQ(ResultPane(), QStringLiteral(">7"));

    TypeLine(QStringLiteral("k*2"));
    EXPECT_EQ(View().Text(), QStringLiteral("f40(1)\nk=7\n>7\nk*2\n>14\n"));
}

}  // namespace
}  // namespace numora::test
