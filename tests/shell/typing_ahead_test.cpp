// A person works on while a line calculates: keys and commands chosen meanwhile run afterwards
// in the order they came, and Exit cancels the line and closes.
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

        // The caret was at the error's place when the keys arrived.
        EXPECT_EQ(View().Text(),
                  QStringLiteral("v=1\nv=78π9f40(1)\n>Error : Calculation Canceled\n"));
        EXPECT_EQ(ReadFile("a.txt"),
                  QByteArray("v=1\r\nv=7f40(1)\r\n>Error : Calculation Canceled\r\n"));
        ASSERT_EQ(prompter_.messages.size(), 1u);
        EXPECT_EQ(prompter_.messages[0].text,
                  QStringLiteral("a.txtは変更されています。保存しますか？"));
        EXPECT_FALSE(frame_->isVisible());
    }
}

}  // namespace
}  // namespace numora::test
