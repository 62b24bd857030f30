// 結果をコピー: the value of a result as a line reads it back, from the key, the Edit menu and the
// worksheet's context menu.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTextBlock>

#include "shell/SettingsApply.h"
#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

class CopyResultTest : public MainFrameTest {
protected:
    void PutCaret(int paragraph, int column) {
        QTextCursor caret(View().document()->findBlockByNumber(paragraph));
        caret.setPosition(caret.position() + column);
        View().setTextCursor(caret);
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(CopyResultTest, CopiesTheValueOfTheResultTheCaretsLineStandsFor) {
    CMainFrame& frame = Start();
    settings_->GroupDigits = true;
    ApplyEditSettings(frame);
    for (const char* line : {"price = 137000", "-3/2", "// note", "1/0", "hex(255)"}) {
        TypeLine(QString::fromUtf8(line));
    }
    ASSERT_EQ(View().Text(), QStringLiteral("price = 137000\n>137,000\n-3/2\n>-1.5\n// note\n1/0\n"
                                            ">Error : Division by zero\nhex(255)\n>0xFF (@255)\n"));
    struct Case {
        int paragraph, column;
        const char* copied;  // nullptr: nothing
    };
    const Case cases[] = {
        {1, 4, "137000"},  // on a result line
        {0, 0, "137000"},  // on the line that wrote it
        {3, 0, "-1.5"},    // a minus sign is the value's
        {4, 3, "-1.5"},    // a comment: the nearest result above
        {7, 2, "255"},     // a text a function wrote is no part of the value
        {9, 0, "255"},     // the empty last line
        {6, 0, nullptr},   // an error is no value
        {5, 0, nullptr},
    };
    for (const bool byKey : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.paragraph << (byKey ? " key" : " menu"));
            QGuiApplication::clipboard()->setText(QStringLiteral("before"));
            frame.statusBar()->clearMessage();
            PutCaret(c.paragraph, c.column);
            if (byKey) {
                Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            } else {
                frame.Action(CommandId::EditCopyResult)->trigger();
            }
            if (c.copied) {
                EXPECT_EQ(Clipboard(), QString::fromUtf8(c.copied));
                EXPECT_EQ(frame.statusBar()->currentMessage(), QString());
            } else {
                EXPECT_EQ(Clipboard(), QStringLiteral("before"));
                EXPECT_EQ(frame.statusBar()->currentMessage(), texts::kNoResultToCopy());
            }
            EXPECT_EQ(View().textCursor().blockNumber(), c.paragraph);
        }
    }

    // No result line above the caret: the last result calculated.
    TypeLine(QStringLiteral("6*7"));
    View().LoadText(QStringLiteral("// notes\n"));
    PutCaret(0, 0);
    Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), QStringLiteral("42"));
}

TEST_F(CopyResultTest, IsInTheEditMenuAndTheContextMenu) {
    CMainFrame& frame = Start();
    QAction* action = frame.Action(CommandId::EditCopyResult);
    EXPECT_EQ(action->shortcuts(),
              QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Shift+C"))}));
    QStringList edit;
    for (const QAction* item : frame.menuBar()->actions().at(1)->menu()->actions())
        edit << item->text();
    EXPECT_TRUE(edit.contains(action->text())) << edit.join(u'|').toStdString();

    TypeLine(QStringLiteral("2^10"));
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0),
                              View().viewport()->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(View().viewport(), &request);
    QMenu* menu = nullptr;
    for (QMenu* shown : frame.findChildren<QMenu*>()) {
        if (shown->isVisible()) menu = shown;
    }
    ASSERT_NE(menu, nullptr);
    QAction* item = nullptr;
    for (QAction* candidate : menu->actions()) {
        if (candidate->text() == QStringLiteral("結果をコピー(&E)")) item = candidate;
    }
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    item->trigger();
    menu->close();
    EXPECT_EQ(Clipboard(), QStringLiteral("1024"));
}

}  // namespace
}  // namespace numora::test
