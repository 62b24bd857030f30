// The Edit and print commands as the main window routes them.
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>

#include "shell/find/FindDialog.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/view/VariableListPane.h"

namespace numora::test {
namespace {

TEST_F(MainFrameTest, EditCommandsActOnTheWorksheetOnlyWhileItHasTheFocus) {
    CMainFrame& frame = Start();
    View().LoadText("a=1\nb=2");
    View().SetSelection(5, 5);
    QTest::keyClick(&View(), Qt::Key_C, Qt::ControlModifier);  // the view's key, not the menu's
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "b=2");
    EXPECT_FALSE(frame.Action(CommandId::EditCopy)->isEnabled()) << "nothing selected";

    QGuiApplication::clipboard()->setText("x");
    frame.VariableList().setFocus();
    frame.Action(CommandId::EditPaste)->trigger();
    frame.Action(CommandId::EditFind)->trigger();
    EXPECT_EQ(View().Text(), "a=1\nb=2");
    EXPECT_EQ(frame.findChild<FindDialog*>(), nullptr);

    View().setFocus();
    frame.Action(CommandId::EditPaste)->trigger();
    EXPECT_EQ(View().Text(), "a=1\nbx=2");
    EXPECT_TRUE(frame.Action(CommandId::EditUndo)->isEnabled());
    frame.Action(CommandId::EditUndo)->trigger();
    EXPECT_EQ(View().Text(), "a=1\nb=2");

    frame.Action(CommandId::EditRepeat)->trigger();  // no search text yet: the find dialog
    EXPECT_NE(frame.findChild<FindDialog*>(), nullptr);
}

TEST_F(MainFrameTest, PasteAsksTheClipboardOnceTheWorksheetHasBeenPainted) {
    QGuiApplication::clipboard()->setText("x");
    CMainFrame& frame = Start();
    QAction* paste = frame.Action(CommandId::EditPaste);
    EXPECT_FALSE(paste->isEnabled()) << "not asked before the first paint";
    EXPECT_TRUE(QTest::qWaitFor([paste] { return paste->isEnabled(); }));

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(paste->isEnabled());
    QGuiApplication::clipboard()->setText("y");
    EXPECT_TRUE(paste->isEnabled());
}

TEST_F(MainFrameTest, PageSetupMarginsAreKeptAndPrintWritesThePdf) {
    CMainFrame& frame = Start();
    prompter_.pageSetupMargins = QMarginsF(15, 16, 17, 18.004);
    prompter_.printAnswers = {false, true};
    frame.Action(CommandId::FilePageSetup)->trigger();  // cancelled
    EXPECT_EQ(settings_->PrintMargins, (IntRect{1000, 1000, 1000, 1000}));
    frame.Action(CommandId::FilePageSetup)->trigger();
    EXPECT_EQ(settings_->PrintMargins, (IntRect{1500, 1600, 1700, 1800}));
    ASSERT_TRUE(Close());

    Start();
    EXPECT_EQ(settings_->PrintMargins, (IntRect{1500, 1600, 1700, 1800}));
    View().LoadText("1+2\n>3");
    const QString pdf = home_.filePath("sheet.pdf");
    prompter_.printToFile = pdf;
    prompter_.printAnswers = {true};
    frame_->Action(CommandId::FilePrint)->trigger();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(prompter_.messages.empty());
}

}  // namespace
}  // namespace numora::test
