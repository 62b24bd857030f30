// The insert keys, the user function and options dialogs and the help window, driven through
// the real main window.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

#include "settings/dialogs/CConfigBasic.h"
#include "settings/dialogs/CConfigDlg.h"
#include "settings/dialogs/CConfigFontColor.h"
#include "shell/ShellHandlers.h"
#include "shell/help/HelpWindow.h"
#include "tests/shell/main_frame_support.h"
#include "userfunc/dialogs/CFunctionDlg.h"

namespace numora::test {
namespace {

TEST_F(MainFrameTest, InsertKeysEditTheSelectionAsOneUndoStep) {
    const struct {
        int start, end;
        Qt::Key key;
        QString after;
        int selStart, selEnd;
    } cases[] = {
        {2, 5, Qt::Key_F6, "2*(a+b)", 3, 6},  {2, 2, Qt::Key_F6, "2*()a+b", 3, 3},
        {2, 5, Qt::Key_F7, "2*//a+b", 4, 7},  {2, 3, Qt::Key_F8, "2*πa+b", 3, 4},
        {2, 2, Qt::Key_F9, "2*expa+b", 5, 5}, {0, 1, Qt::Key_F10, "root22*a+b", 5, 6},
    };
    Start();
    for (const auto& c : cases) {
        View().LoadText("2*a+b");
        View().SetSelection(c.start, c.end);
        QTest::keyClick(&View(), c.key);
        EXPECT_EQ(View().Text(), c.after);
        EXPECT_EQ(View().GetSelection().start, c.selStart) << c.after.toStdString();
        EXPECT_EQ(View().GetSelection().end, c.selEnd) << c.after.toStdString();
        View().undo();
        EXPECT_EQ(View().Text(), "2*a+b");
    }
}

TEST_F(MainFrameTest, StatusBarShowsTheHighlightedFunctionsHelpWhileTheMenuIsOpen) {
    CMainFrame& frame = Start();
    EXPECT_EQ(frame.findChild<QMenu*>("BuiltinFunctionMenu"), nullptr);  // made when first needed
    QMenu* builtin = &BuiltinFunctionMenu(frame);
    EXPECT_EQ(&BuiltinFunctionMenu(frame), builtin);
    QAction* trigonometric = builtin->actions().value(0);
    ASSERT_NE(trigonometric->menu(), nullptr);
    StatusBarPanes& panes = frame.Panes();
    const auto panesShown = [&] {
        return panes.DefaultPane().isVisible() && panes.ResultPane().isVisible() &&
               panes.CalcPane().isVisible();
    };
    ASSERT_TRUE(panesShown());
    // While the menu is open the help text has the whole bar to itself.
    emit builtin->aboutToShow();
    EXPECT_TRUE(panes.SimpleMode());
    EXPECT_FALSE(panes.DefaultPane().isVisible() || panes.ResultPane().isVisible() ||
                 panes.CalcPane().isVisible());
    emit trigonometric->menu()->hovered(trigonometric->menu()->actions().value(0));
    EXPECT_EQ(frame.statusBar()->currentMessage(), "正弦 : Sin(Radian)");
    emit builtin->hovered(trigonometric);  // a submenu title has no help
    EXPECT_EQ(frame.statusBar()->currentMessage(), "");
    emit trigonometric->menu()->hovered(trigonometric->menu()->actions().value(0));
    emit builtin->aboutToHide();
    emit trigonometric->menu()->aboutToHide();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "");
    EXPECT_FALSE(panes.SimpleMode());
    EXPECT_TRUE(panesShown());
    EXPECT_EQ(panes.DefaultPane().text(), "レディ");
}

TEST_F(MainFrameTest, UserFunctionDialogOkRebuildsTheMenuAndWritesTheFile) {
    CMainFrame& frame = Start();
    const auto userMenu = [&] { return frame.findChild<QMenu*>("UserFunctionMenu"); };
    ASSERT_NE(userMenu(), nullptr);
    ASSERT_EQ(userMenu()->actions().size(), 10);  // the defaults
    EXPECT_EQ(userMenu()->actions()[0]->text(), "LogN\t(&0)");
    EXPECT_EQ(userMenu()->actions()[0]->statusTip(), "baseを底とする x の対数 : LogN(base; x)");

    frame.Action(CommandId::UserFunctionDialog)->trigger();
    auto* dialog = frame.findChild<CFunctionDlg*>();
    ASSERT_NE(dialog, nullptr);
    dialog->SetEditor([](CFunctionEditDlg& editor) {
        editor.NameEdit()->setText("Area");
        editor.ParameterEdit()->setText("w;h");
        editor.ExpressionEdit()->setText("w*h");
        editor.accept();
        return editor.result() == QDialog::Accepted;
    });
    dialog->Add();
    dialog->accept();
    ASSERT_EQ(userMenu()->actions().size(), 11);
    EXPECT_EQ(userMenu()->actions()[10]->text(), "Area\t(&A)");
    EXPECT_TRUE(ReadFile("UserFunction.dat").endsWith("Area\tw;h\tw*h\t\r\n"));
    TypeLine("Area(3;4)");
    EXPECT_EQ(View().Text(), "Area(3;4)\n>12\n");
}

// The colour the worksheet shows at `position` of paragraph `line`.
QColor ShownColor(WorksheetEditor& view, int line, int position) {
    view.viewport()->repaint();
    for (const auto& range : view.document()->findBlockByNumber(line).layout()->formats()) {
        if (range.start <= position && position < range.start + range.length) {
            return range.format.foreground().color();
        }
    }
    return {};
}

TEST_F(MainFrameTest, OptionsApplyAtOnceAndKeepTheTextItsUndoStepsAndTheModifiedFlag) {
    CMainFrame& frame = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    View().LoadText("1/3\n>0.3333333333\n");
    frame.Action(CommandId::OptionsDialog)->trigger();
    auto* dialog = frame.findChild<CConfigDlg*>();
    ASSERT_NE(dialog, nullptr);
    dialog->Basic()->digits->setValue(5);
    dialog->Basic()->unaryBase->setChecked(true);
    dialog->Pages()->setCurrentIndex(1);
    prompter_.colors = {QColor(0, 128, 128)};
    dialog->FontColor()->ChooseColor(CConfigFontColor::kResult);
    dialog->accept();

    // The old result's value takes the new colour, which is no edit: Ctrl+Z has nothing to
    // take back and the document stays unmodified.
    EXPECT_EQ(ShownColor(View(), 1, 5), QColor(0, 128, 128));
    QTest::keyClick(&View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Text(), "1/3\n>0.3333333333\n");
    EXPECT_EQ(ShownColor(View(), 1, 5), QColor(0, 128, 128));
    EXPECT_FALSE(View().document()->isModified());
    EXPECT_EQ(frame.windowTitle(), "Numora - [ Untitled ]");
    TypeLine("-2^2+1/3");
    EXPECT_TRUE(View().Text().endsWith("-2^2+1/3\n>4.3333\n"));
}

TEST_F(MainFrameTest, HelpOpensAtTheFirstPage) {
    CMainFrame& frame = Start();
    frame.Action(CommandId::Help)->trigger();
    auto* help = frame.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Page()->source().path(), "/help/index.html");
    EXPECT_LE((help->geometry().center() - frame.geometry().center()).manhattanLength(), 2);
    QTest::keyClick(help->Page(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

}  // namespace
}  // namespace numora::test
