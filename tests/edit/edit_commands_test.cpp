// Clipboard, undo and context-menu commands on the worksheet, driven by keys.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "shell/CommandTable.h"
#include "shell/edit/EditCommands.h"
#include "tests/view/view_support.h"

namespace numora::test {
namespace {

class EditCommandsTest : public ViewTest {
protected:
    // The window's action for `id`, with the keys it has there.
    QAction* Action(CommandId id) {
        auto* action = new QAction(&view);
        action->setShortcuts(FindCommand(id)->keys);
        return action;
    }
    EditCommands commands{view,
                          sheet,
                          {Action(CommandId::EditCut), Action(CommandId::EditCopy),
                           Action(CommandId::EditPaste), Action(CommandId::EditSelectAll),
                           Action(CommandId::EditUndo), Action(CommandId::EditRedo)}};
};

TEST_F(EditCommandsTest, LineWiseClipboardKeysAndOneUndoEach) {
    const QString sheet = "a=1\nb=2\nc=3\nd=4";
    const struct {
        int anchor, caret;
        const char* clipboardBefore;
        QKeyCombination key;
        const char* text;
        const char* clipboard;
        int caretAfter;
    } rows[] = {
        {9, 9, "", Qt::CTRL | Qt::Key_C, "a=1\nb=2\nc=3\nd=4", "c=3\n", 9},
        {9, 9, "", Qt::CTRL | Qt::Key_Insert, "a=1\nb=2\nc=3\nd=4", "c=3\n", 9},
        {13, 13, "", Qt::CTRL | Qt::Key_C, "a=1\nb=2\nc=3\nd=4", "d=4", 13},
        {8, 10, "", Qt::CTRL | Qt::Key_C, "a=1\nb=2\nc=3\nd=4", "c=", 10},
        {8, 9, "", Qt::SHIFT | Qt::Key_Delete, "a=1\nb=2\nd=4", "c=3\n", 8},
        {8, 10, "", Qt::CTRL | Qt::Key_X, "a=1\nb=2\n3\nd=4", "c=", 8},
        {5, 5, "x=9", Qt::SHIFT | Qt::Key_Insert, "a=1\nx=9\nb=2\nc=3\nd=4", "x=9", 8},
        {5, 5, "p\r\nq\n", Qt::SHIFT | Qt::Key_Insert, "a=1\np\nq\nb=2\nc=3\nd=4", nullptr, 8},
        {5, 5, "p\r\nq", Qt::CTRL | Qt::Key_V, "a=1\nbp\nq=2\nc=3\nd=4", nullptr, 8},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        view.LoadText(sheet);
        view.SetSelection(row.anchor, row.caret);
        QGuiApplication::clipboard()->setText(row.clipboardBefore);
        QTest::keyClick(&view, row.key.key(), row.key.keyboardModifiers());
        EXPECT_EQ(view.Text(), row.text);
        if (row.clipboard) {
            EXPECT_EQ(QGuiApplication::clipboard()->text(), row.clipboard);
        }
        EXPECT_EQ(Caret(), row.caretAfter);
        if (view.Text() != sheet) {
            Press(Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(view.Text(), sheet) << "one undo takes the edit back";
            Press(Qt::Key_Y, Qt::ControlModifier);
            EXPECT_EQ(view.Text(), row.text);
        }
    }
}

TEST_F(EditCommandsTest, PasteTakesPlainTextOnlyAndColoursItsLines) {
    view.LoadText(">3\n");
    view.SetSelection(3, 3);
    auto* data = new QMimeData;
    data->setHtml("<b style=\"color:#ff00ff\">x=1 // one</b>");
    data->setText("x=1 // one\n>5");
    QGuiApplication::clipboard()->setMimeData(data);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(view.Text(), ">3\nx=1 // one\n>5");
    EXPECT_EQ(Colors().toStdString(), "DR\nDDDDCCCCCC\nDR");
    EXPECT_FALSE(
        view.document()->findBlockByNumber(1).begin().fragment().charFormat().fontWeight() >
        QFont::Normal);
}

TEST_F(EditCommandsTest, EveryUndoAndRedoKeyTakesOneStepWithItsColouring) {
    Type(">5 //<Home><Del><A-BS>");  // Alt+Backspace undoes as well
    EXPECT_EQ(Text(), ">5 //");
    EXPECT_EQ(Colors().toStdString(), "DRRCC");
    Type("<Undo>");
    EXPECT_EQ(Text(), ">5 /");
    EXPECT_EQ(Colors().toStdString(), "DRRR");
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), ">5 //");
    Type("<Redo>");
    EXPECT_EQ(Text(), "5 //");
    EXPECT_EQ(Colors().toStdString(), "DDCC");
}

TEST_F(EditCommandsTest, ContextMenuItemsFollowTheRules) {
    view.LoadText("a=1");
    QGuiApplication::clipboard()->setText("x");
    std::unique_ptr<QMenu> menu(commands.CreateContextMenu(&view));
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QString("-") : action->text()) +
                     (action->isEnabled() ? "" : "(off)");
    }
    EXPECT_EQ(items.join(' '),
              "元に戻す(&U)(off) やり直す(&Y)(off) - 切り取り(&T)(off) コピー(&C)(off) "
              "貼り付け(&P) すべて選択(&A)");
}

}  // namespace
}  // namespace numora::test
