// A person works on while a line calculates: keys and commands chosen meanwhile run afterwards
// in the order they came, and Exit cancels the line and closes.
#include <QTimer>
#include <functional>

#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

using TypingAheadTest = MainFrameTest;

TEST_F(TypingAheadTest, CommandsWaitTheirTurnAndExitCancelsThenCloses) {
    const std::function<void(CMainFrame&)> exits[] = {
        [](CMainFrame& frame) { frame.Action(CommandId::AppExit)->trigger(); },  // the menu
        [](CMainFrame& frame) { QTest::keyClick(&frame.View(), Qt::Key_Q, Qt::ControlModifier); },
    };
    for (const auto& exit : exits) {
        WriteFile("a.txt", "v=1\r\n");
        Start();
        AddEndlessFunctions(frame_->Functions());
        prompter_.files = {FilePath("a.txt")};
        frame_->Action(CommandId::FileOpen)->trigger();
        QObject::connect(
            &frame_->Waiting(), &CalculationWait::BusyChanged, frame_.get(), [&](bool on) {
                if (!on) return;
                QTest::keyClicks(&View(), "7");
                QTest::keyClick(&View(), Qt::Key_S, Qt::ControlModifier);  // a shortcut among keys
                QTest::keyClicks(&View(), "8");
                frame_->Action(CommandId::InsertPi)->trigger();  // as the menu or the toolbar does
                QTest::keyClicks(&View(), "9");
                exit(*frame_);
            });
        prompter_.messages.clear();
        prompter_.answers = {QMessageBox::No};  // the save question, after the 9
        TypeLine(QStringLiteral("v=f40(1)"));
        QCoreApplication::processEvents();

        // The keys went on the line after the result, as after a success.
        EXPECT_EQ(View().Text(),
                  QStringLiteral("v=1\nv=f40(1)\n>Error : Calculation Canceled\n78π9"));
        EXPECT_EQ(ReadFile("a.txt"),
                  QByteArray("v=1\r\nv=f40(1)\r\n>Error : Calculation Canceled\r\n7"));
        ASSERT_EQ(prompter_.messages.size(), 1u);
        EXPECT_EQ(prompter_.messages[0].text,
                  QStringLiteral("a.txtは変更されています。保存しますか？"));
        EXPECT_FALSE(frame_->isVisible());
    }
}

// Types `script`, in which <Enter> and <Esc> press those keys and <Click> clicks the top left
// of the text (its first character).
void TypeScript(QPlainTextEdit& view, const QString& script) {
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QStringView rest = QStringView(script).mid(i);
        if (rest.startsWith(u"<Enter>")) {
            QTest::keyClick(&view, Qt::Key_Return);
            i += 6;
        } else if (rest.startsWith(u"<Esc>")) {
            QTest::keyClick(&view, Qt::Key_Escape);
            i += 4;
        } else if (rest.startsWith(u"<Click>")) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(1, 1));
            i += 6;
        } else {
            QTest::keyClicks(&view, script.mid(i, 1));
        }
    }
}

TEST_F(TypingAheadTest, KeysTypedWhileALineRunsGoAfterItsResultLine) {
    const struct {
        bool autoRecalculate;
        const char* before;  // the caret at the end of its first line; f18 takes a while
        const char* meanwhile;
        const char* after;  // typed once the line has ended
        const char* text;
    } rows[] = {
        // Stopped, with lines typed ahead, Enter keys among them.
        {false, "v=f40(1)", "a=1<Enter>b=a+1<Enter>c<Esc>", "",
         "v=f40(1)\n>Error : Calculation Canceled\na=1\n>1\nb=a+1\n>2\nc"},
        // (An Enter below would calculate the stopped line again.)
        {true, "v=f40(1)", "abc<Esc>", "d", "v=f40(1)\n>Error : Calculation Canceled\nabcd"},
        // Failed on its own.
        {false, "f18(1)/0", "a=1<Enter>b=a+1<Enter>c", "",
         "f18(1)/0\n>Error : Division by zero\na=1\n>1\nb=a+1\n>2\nc"},
        {true, "f18(1)/0", "a=1<Enter>b=a+1<Enter>c", "",
         "f18(1)/0\n>Error : Division by zero\na=1\n>1\nb=a+1\n>2\nc"},
        // The old result line is replaced; the keys go on the line after it, as after a success.
        {false, "f18(1)/0\n>7\n2*3", "a=1+<Enter>", "",
         "f18(1)/0\n>Error : Division by zero\na=1+2*3\n>7\n"},
        // A quick line that fails, while the lines below are brought up to date.
        {true, "1+\nf18(1)\n>0", "2*", "", "1+\n>Error : Illegal Expression\n2*f18(1)\n>524288"},
        // A click places the caret where it is made.
        {false, "f18(1)/0", "<Click>c", "", "cf18(1)/0\n>Error : Division by zero\n"},
        // Nothing typed meanwhile: the caret is on the error.
        {false, "f18(1)/0", "", "c", "f18(1)/0c\n>Error : Division by zero\n"},
        {true, "f18(1)/0", "", "c", "f18(1)/0c\n>Error : Division by zero\n"},
        {false, "v=f40(1)", "<Esc>", "c", "v=cf40(1)\n>Error : Calculation Canceled\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.before << " " << row.meanwhile);
        WriteFile("Numora.ini", row.autoRecalculate ? "[Edit]\r\nAutoRecalculate=1\r\n" : "");
        Start();
        AddEndlessFunctions(frame_->Functions());
        View().LoadText(QString::fromUtf8(row.before));
        Key(Qt::Key_Home, Qt::ControlModifier);
        Key(Qt::Key_End);
        // The first time the window spins its event loop, which is while the line runs.
        bool typedMeanwhile = false;
        QTimer::singleShot(0, frame_.get(), [&] {
            typedMeanwhile = frame_->Waiting().Running();
            TypeScript(View(), QString::fromUtf8(row.meanwhile));
        });
        Key(Qt::Key_Return);
        QCoreApplication::processEvents();  // the keys kept are delivered
        EXPECT_TRUE(typedMeanwhile);
        TypeScript(View(), QString::fromUtf8(row.after));
        EXPECT_EQ(View().Text(), QString::fromUtf8(row.text));
    }
}

}  // namespace
}  // namespace numora::test
