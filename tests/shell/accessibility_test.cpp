// The window through the interface that screen readers read: names, where the accessibility
// focus goes, the completion list, the argument tip and the preview, and the focus after dialogs.
#include <QApplication>
#include <QSignalSpy>

#include "shell/find/FindDialog.h"
#include "tests/shell/accessibility_support.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/TypingHelp.h"

namespace numora::test {
namespace {

class AccessibilityTest : public MainFrameTest {
protected:
    // Where the keyboard goes: an open menu, or the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr) target = QApplication::focusWidget();
        QTest::keyClick(target, key, modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(&View(), text); }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    EventRecorder recorder_;
};

TEST_F(AccessibilityTest, EveryPartIsNamedAndNoItemSaysItsKeysInItsName) {
    ExpectNames(Start(), {"ワークシート", "変数リスト", "変数リストを閉じる", "標準ツール バー",
                          "挿入ツール バー", "新規作成", "新規作成", "Ctrl+N", "仮数部の桁数：",
                          "基本文字色を選択", "計算結果の色を選択", "エラーメッセージの色を選択",
                          "コメントの色を選択"});
}

// The list's hidden headers are read with its entries: the column is the list, each row its
// variable, never a number. The status bar keeps its own name whatever help it shows, the help as
// its description, and each pane its text.
TEST_F(AccessibilityTest, TheListsHeadersAndTheStatusBarAreNamed) {
    CMainFrame& frame = Start();
    TypeLine("a=1");
    TypeLine("bb=2");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(frame.VariableList().List());
    ASSERT_NE(list, nullptr);
    QStringList headers;
    QStringList cells;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* child = list->child(i);
        const QAccessible::Role role = child->role();
        if (role == QAccessible::ColumnHeader || role == QAccessible::RowHeader) {
            headers << child->text(QAccessible::Name);
        } else if (role == QAccessible::Cell) {
            cells << child->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(headers, QStringList({"変数リスト", "a", "bb"}));
    EXPECT_EQ(cells, QStringList({"a=1", "bb=2"}));

    QStatusBar* bar = frame.statusBar();
    EXPECT_EQ(NameOf(bar), "ステータス バー");
    frame.Action(CommandId::FileNew)->showStatusText(&frame);
    EXPECT_EQ(NameOf(bar), "ステータス バー");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Description),
              "新規にファイルを作成");
    EXPECT_EQ(NameOf(&frame.Panes().ResultPane()), ">2");
    EXPECT_EQ(NameOf(&frame.Panes().CalcPane()), "∑計算ON");
}

// Updating the list while the keys go to the worksheet never takes a screen reader there;
// Ctrl+Tab and Ctrl+Shift+Tab go there and back.
TEST_F(AccessibilityTest, TheListTakesTheAccessibilityFocusOnlyWithTheKeys) {
    CMainFrame& frame = Start();
    VariableListBox* list = frame.VariableList().List();
    TypeLine("a=1");
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Focus(), list);
    Key(Qt::Key_Down);
    Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Focus(), &View());
    EventRecorder::Events().clear();
    TypeLine("b=2");
    TypeLine("a=3");
    EXPECT_EQ(list->count(), 2);
    // Recalculated from the top, the list is made again.
    frame.Sheet().SetAutoRecalculate(true);
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    EXPECT_EQ(list->Text(0), "a=3");
    for (const SentEvent& event : recorder_.Of(QAccessible::Focus)) {
        EXPECT_EQ(event.object, &View()) << event.name.toStdString();
    }
    EXPECT_EQ(Focus(), &View());
    Key(Qt::Key_F2);
    EXPECT_EQ(Focus(), list);
    EXPECT_FALSE(recorder_.Of(QAccessible::Focus, list).empty());
}

TEST_F(AccessibilityTest, TheCompletionListIsAListWhoseChosenRowIsSelected) {
    CMainFrame& frame = Start();
    Type("sq");
    const CompletionPopup& popup = frame.Typing().Popup();
    ASSERT_TRUE(frame.Typing().PopupShown());
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(const_cast<CompletionPopup*>(&popup));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "名前の候補");
    ASSERT_EQ(list->childCount(), static_cast<int>(popup.Rows().size()));
    ASSERT_GE(list->childCount(), 2);
    const auto rowName = [&](int row) { return list->child(row)->text(QAccessible::Name); };
    const auto selected = [&](int row) { return list->child(row)->state().selected; };
    EXPECT_EQ(rowName(0), "Sqrt(x), 平方根");
    EXPECT_EQ(list->child(0)->role(), QAccessible::ListItem);
    EXPECT_TRUE(selected(0));
    EXPECT_FALSE(selected(1));

    EventRecorder::Events().clear();
    Key(Qt::Key_Down);
    EXPECT_TRUE(selected(1));
    EXPECT_FALSE(selected(0));
    auto chosen = recorder_.Of(QAccessible::Selection, &popup);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].child, 1);
    EXPECT_EQ(chosen[0].name, rowName(1));
    ASSERT_EQ(recorder_.Of(QAccessible::SelectionRemove, &popup).size(), 1u);
    EXPECT_EQ(recorder_.Of(QAccessible::SelectionRemove, &popup)[0].child, 0);
    Key(Qt::Key_Up);
    chosen = recorder_.Of(QAccessible::Selection, &popup);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[1].child, 0);
    // The keys never leave the worksheet.
    EXPECT_TRUE(recorder_.Of(QAccessible::Focus).empty());
}

TEST_F(AccessibilityTest, TheArgumentTipAndThePreviewAreTheWorksheetsDescription) {
    CMainFrame& frame = Start();
    frame.Previewer().SetEnabled(false);
    Type("LogN(2");
    const auto description = [&] { return View().accessibleDescription(); };
    EXPECT_EQ(description(), "LogN(base; x), 引数 1/2: base");
    EventRecorder::Events().clear();
    Type(";");
    EXPECT_EQ(description(), "LogN(base; x), 引数 2/2: x");
    auto told = recorder_.Of(QAccessible::DescriptionChanged, &View());
    ASSERT_EQ(told.size(), 1u);
    QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(&View());
    EXPECT_EQ(editor->text(QAccessible::Description), "LogN(base; x), 引数 2/2: x");
    Type("8)");
    EXPECT_EQ(description(), "");

    frame.Previewer().SetEnabled(true);
    EventRecorder::Events().clear();
    QSignalSpy finished(&frame.Previewer(), &LinePreviewer::Finished);
    frame.Previewer().StartNow();
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_EQ(View().PreviewShown(), "3");
    EXPECT_EQ(editor->text(QAccessible::Description), "= 3");
    EXPECT_EQ(recorder_.Of(QAccessible::DescriptionChanged, &View()).size(), 1u);
    Key(Qt::Key_Return);
    EXPECT_EQ(editor->text(QAccessible::Description), "");
}

// Menus and dialogs give the keys back where they were.
TEST_F(AccessibilityTest, TheFocusComesBackAfterEveryMenuAndDialog) {
    CMainFrame& frame = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    TypeLine("a=1");
    // As a window manager does: the dialog is the active window, then the main window again.
    const auto closeDialog = [&frame] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) dialog = frame.findChild<FindDialog*>();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        QApplication::setActiveWindow(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QApplication::processEvents();
        QApplication::setActiveWindow(&frame);
        QApplication::processEvents();
    };
    for (QWidget* start :
         {static_cast<QWidget*>(&View()), static_cast<QWidget*>(frame.VariableList().List())}) {
        start->setFocus();
        // A menu opened and closed, then the options through the menus.
        Key(Qt::Key_H, Qt::AltModifier);
        Key(Qt::Key_Escape);
        Key(Qt::Key_V, Qt::AltModifier);
        Key(Qt::Key_O);
        ASSERT_NE(frame.findChild<CConfigDlg*>(), nullptr);
        closeDialog();
        EXPECT_EQ(Focus(), start);
        // The user functions, the about box, and Find (of the worksheet), which stays open
        // beside the window.
        for (CommandId command :
             {CommandId::UserFunctionDialog, CommandId::AppAbout, CommandId::EditFind}) {
            if (command == CommandId::EditFind && start != &View()) continue;
            frame.Action(command)->trigger();
            closeDialog();
            EXPECT_EQ(Focus(), start) << static_cast<int>(command);
        }
    }
}

}  // namespace
}  // namespace numora::test
