// Undo of typing in the window: characters typed one after another on a line are taken back
// together, unless [Edit] UndoTypedRuns is off.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <map>

#include "settings/dialogs/CConfigBasic.h"
#include "settings/dialogs/CConfigDlg.h"
#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

class TypedUndoTest : public MainFrameTest {
protected:
    // Types `script`, in which <Enter>, <Left>, <Right>, <Home>, <End>, <BS>, <F9> (insert exp),
    // <Paste>, <Undo> and <Redo> press keys.
    void Keys(const QString& script) {
        using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
        static const std::map<QString, Key> keys = {{"Enter", {Qt::Key_Return, {}}},
                                                    {"Left", {Qt::Key_Left, {}}},
                                                    {"Right", {Qt::Key_Right, {}}},
                                                    {"Home", {Qt::Key_Home, {}}},
                                                    {"End", {Qt::Key_End, {}}},
                                                    {"BS", {Qt::Key_Backspace, {}}},
                                                    {"F9", {Qt::Key_F9, {}}},
                                                    {"Paste", {Qt::Key_V, Qt::ControlModifier}},
                                                    {"Undo", {Qt::Key_Z, Qt::ControlModifier}},
                                                    {"Redo", {Qt::Key_Y, Qt::ControlModifier}}};
        for (qsizetype i = 0; i < script.size(); ++i) {
            if (script[i] != u'<') {
                QTest::keyClicks(&View(), script.mid(i, 1));
                continue;
            }
            const qsizetype close = script.indexOf(u'>', i);
            const Key key = keys.at(script.mid(i + 1, close - i - 1));
            QTest::keyClick(&View(), key.first, key.second);
            i = close;
        }
    }
    // The texts after each Ctrl+Z, as long as there is something to take back, "|" between.
    QString UndoAll() {
        QStringList texts;
        while (View().document()->isUndoAvailable() && texts.size() < 20) {
            Keys("<Undo>");
            texts << View().Text();
        }
        return texts.join(u'|');
    }
};

TEST_F(TypedUndoTest, EachCtrlZTakesBackOneRunOfTyping) {
    const struct {
        const char* before;  // loaded, the caret at the start of its last line
        const char* script;
        const char* undone;  // the text after each Ctrl+Z
    } rows[] = {
        {"", "12345", ""},
        {"a = 1234567", "<End>+1000", "a = 1234567"},
        {"", "12<Left><Right>34", "12|"},  // a caret move, even back to where it was
        {"x", "<End>1<Home>2", "x1|x"},
        {"", "1+2<Enter>4", "1+2\n>3\n|1+2|"},
        {"", "123<BS>45", "12|123|"},  // the deletion, and the typing after it
        {"", "2*<F9>3", "2*exp|2*|"},  // an insertion of the program's
        {"", "1<Paste>2", "17|1|"},
        {"", "12<Undo>34", ""},  // typing after an undo does not join what was undone
        {"", "1\t2", ""},
    };
    Start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        View().LoadText(QString::fromUtf8(row.before));
        Keys(QString::fromUtf8(row.script));
        const QString typed = View().Text();
        const QString undone = UndoAll();
        EXPECT_EQ(undone, QString::fromUtf8(row.undone));
        // Redo brings each run back whole.
        for (qsizetype steps = undone.count(u'|') + 1; steps > 0; --steps) Keys("<Redo>");
        EXPECT_EQ(View().Text(), typed);
    }
}

TEST_F(TypedUndoTest, InputMethodCommitsAreTypingToo) {
    Start();
    QTest::keyClicks(&View(), QStringLiteral("x="));
    for (const char* commit : {"１２", "３"}) {
        QInputMethodEvent compose(QStringLiteral("ｋ"), {});
        QApplication::sendEvent(&View(), &compose);
        QInputMethodEvent committed;
        committed.setCommitString(QString::fromUtf8(commit));
        QApplication::sendEvent(&View(), &committed);
    }
    QTest::keyClicks(&View(), QStringLiteral("+4"));
    EXPECT_EQ(View().Text(), QStringLiteral("x=１２３+4"));
    EXPECT_EQ(UndoAll(), QString());
}

// Off, each character is a step of its own, as it is again at the next start; the key is in
// the settings file either way.
TEST_F(TypedUndoTest, OffEveryCharacterIsAStepOfItsOwn) {
    CMainFrame& frame = Start();
    frame.Action(CommandId::OptionsDialog)->trigger();
    auto* dialog = frame.findChild<CConfigDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Basic()->undoTypedRuns->isChecked());
    dialog->Basic()->undoTypedRuns->setChecked(false);
    dialog->accept();
    Keys("a+10");
    EXPECT_EQ(UndoAll(), QStringLiteral("a+1|a+|a|"));
    View().document()->setModified(false);
    ASSERT_TRUE(Close());
    EXPECT_TRUE(ReadFile(QStringLiteral("Numora.ini")).contains("\r\nUndoTypedRuns=0\r\n"));

    Start();
    Keys("12");
    EXPECT_EQ(UndoAll(), QStringLiteral("1|"));
    View().document()->setModified(false);
    ASSERT_TRUE(Close());
    WriteFile(QStringLiteral("Numora.ini"), "[Edit]\r\nUndoTypedRuns=1\r\n");
    Start();
    Keys("12");
    EXPECT_EQ(UndoAll(), QString());
}

}  // namespace
}  // namespace numora::test
