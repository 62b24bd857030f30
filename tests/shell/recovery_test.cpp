// The recovery copy of unsaved work: offered back after the program ended without its close,
// gone after a normal close, and never taken from a copy of the program that is still running.
#include <QDir>

#include "shell/RecoveryKeeper.h"
#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

class RecoveryTest : public MainFrameTest {
protected:
    QStringList Copies() const {
        return QDir(Folder()).entryList({QStringLiteral("Recovery-*.txt")}, QDir::Files);
    }
};

TEST_F(RecoveryTest, WorkLeftByAnAbnormalEndIsOfferedBack) {
    Start();
    TypeLine(QStringLiteral("a=6*7"));
    frame_->Recovery().WriteNow();
    EXPECT_EQ(Copies().size(), 1);
    frame_.reset();  // no close: as after a crash or a power cut

    prompter_.answers = {QMessageBox::Yes};
    Start();
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].title, QStringLiteral("確認"));
    EXPECT_TRUE(
        prompter_.messages[0].text.contains(QStringLiteral("Untitled の保存されていない内容")));
    EXPECT_EQ(View().Text(), QStringLiteral("a=6*7\n>42\n"));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ Untitled ] *"));
    EXPECT_TRUE(Copies().isEmpty());

    // A normal close (here with the silent Untitled save) leaves nothing to recover.
    frame_->Recovery().WriteNow();
    EXPECT_EQ(Copies().size(), 1);
    ASSERT_TRUE(Close());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("a=6*7\r\n>42\r\n"));
}

TEST_F(RecoveryTest, NamedDocumentKeepsItsNameAndNoRemovesTheCopy) {
    WriteFile("a.txt", "1\r\n");
    Start();
    prompter_.files = {FilePath("a.txt")};
    frame_->Action(CommandId::FileOpen)->trigger();
    TypeLine(QStringLiteral("2"));
    frame_->Recovery().WriteNow();

    // A second window of a running program does not take the first one's work.
    Settings otherSettings;
    CMainFrame other(otherSettings);
    EXPECT_TRUE(prompter_.messages.empty());

    frame_.reset();
    prompter_.answers = {QMessageBox::Yes};
    Start();
    EXPECT_EQ(View().Text(), QStringLiteral("1\n2\n>2\n"));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ a.txt ] *"));
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n"));

    frame_->Recovery().WriteNow();
    frame_.reset();
    prompter_.answers = {QMessageBox::No};
    Start();
    EXPECT_EQ(prompter_.messages.size(), 2u);
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ Untitled ]"));
}

}  // namespace
}  // namespace numora::test
