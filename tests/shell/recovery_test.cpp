// The recovery copy of unsaved work: offered back after the program ended without its close,
// gone after a normal close, and never taken from a copy of the program that is still running.
#include <QDir>
#include <QFile>
#include <QLockFile>

#include "base/FileIO.h"
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

TEST_F(RecoveryTest, WorkLeftByAnAbnormalEndIsOfferedBackAlsoAfterASecondCrash) {
    Start();
    TypeLine(QStringLiteral("a=6*7"));
    frame_->Recovery().WriteNow();
    const QStringList first = Copies();
    EXPECT_EQ(first.size(), 1);
    frame_.reset();  // no close: as after a crash or a power cut

    // Taken back, the work is at once this run's own copy, before anything is typed: a second
    // crash right away loses nothing either.
    for (int crash = 1; crash <= 2; ++crash) {
        prompter_.messages.clear();
        prompter_.answers = {QMessageBox::Yes};
        Start();
        ASSERT_EQ(prompter_.messages.size(), 1u);
        EXPECT_EQ(prompter_.messages[0].title, QStringLiteral("確認"));
        EXPECT_TRUE(
            prompter_.messages[0].text.contains(QStringLiteral("Untitled の保存されていない内容")));
        EXPECT_EQ(View().Text(), QStringLiteral("a=6*7\n>42\n"));
        EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ Untitled ] *"));
        ASSERT_EQ(Copies().size(), 1);
        EXPECT_NE(Copies(), first);
        if (crash == 1) frame_.reset();
    }

    // A normal close (here with the silent Untitled save) leaves nothing to recover.
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
    // The copy knows what a.txt held when the work began: a change made meanwhile is asked
    // about before a save replaces it.
    WriteFile("a.txt", "1\r\noutside\r\n");
    prompter_.messages.clear();
    prompter_.answers = {QMessageBox::No};
    frame_->Action(CommandId::FileSave)->trigger();
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].text,
              QStringLiteral("a.txt は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\noutside\r\n"));

    frame_->Recovery().WriteNow();
    frame_.reset();
    prompter_.messages.clear();
    prompter_.answers = {QMessageBox::No};
    Start();
    EXPECT_EQ(prompter_.messages.size(), 1u);
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ Untitled ]"));
}

// A run that crashed left its lock behind, and this run has the same process id (as Wine hands
// out the same few ids at once): the lock is not taken for this run's own, the work is offered.
TEST_F(RecoveryTest, ALockLeftUnderThisProcessIdDoesNotHideTheWork) {
    Start();
    TypeLine(QStringLiteral("a=6*7"));
    frame_->Recovery().WriteNow();
    frame_.reset();
    ASSERT_EQ(Copies().size(), 1);
    QString lockPath = QDir(Folder()).filePath(Copies().first());
    lockPath.replace(QStringLiteral(".txt"), QStringLiteral(".lock"));
    QByteArray left;  // what a run of this process id writes in its lock
    {
        QLockFile lock(lockPath);
        ASSERT_TRUE(lock.tryLock(0));
        QFile file(lockPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        left = file.readAll();
    }
    QFile file(lockPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(left), left.size());
    file.close();

    prompter_.answers = {QMessageBox::Yes};
    Start();
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(View().Text(), QStringLiteral("a=6*7\n>42\n"));
    EXPECT_FALSE(QFile::exists(lockPath));
}

// Two copies of the program that both crashed: taking their work back one after the other, the
// second close asks before it replaces the Untitled.txt that the first one wrote.
TEST_F(RecoveryTest, TwoCopiesTakenBackOneAfterTheOtherKeepEachOthersUntitled) {
    Start();
    TypeLine(QStringLiteral("111"));
    frame_->Recovery().WriteNow();
    Settings otherSettings;
    auto other = std::make_unique<CMainFrame>(otherSettings);
    QTest::keyClicks(&other->View(), QStringLiteral("222"));
    other->Recovery().WriteNow();
    other.reset();
    frame_.reset();
    ASSERT_EQ(Copies().size(), 2);

    prompter_.answers = {QMessageBox::Yes};
    Start();
    const QString first = View().Text();
    ASSERT_TRUE(Close());  // nothing wrote Untitled.txt meanwhile: no question
    EXPECT_EQ(prompter_.messages.size(), 1u);
    const QByteArray written = ReadFile("Untitled.txt");

    prompter_.messages.clear();
    prompter_.answers = {QMessageBox::Yes, QMessageBox::No};
    Start();
    EXPECT_NE(View().Text(), first);
    EXPECT_FALSE(Close());
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(
        prompter_.messages[1].text,
        QStringLiteral("Untitled.txt は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(ReadFile("Untitled.txt"), written);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ Untitled ] *"));
    prompter_.answers = {QMessageBox::Yes};
    EXPECT_TRUE(Close());
    EXPECT_TRUE(Copies().isEmpty());
}

// A copy that cannot be written (a full or read-only settings folder) is said once, in the
// status bar, never in a box that would interrupt the typing.
TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsReportedOnceInTheStatusBar) {
    Start();
    TypeLine(QStringLiteral("1"));
    SetWriteFaultHook([](WriteStep step, int) { return step == WriteStep::Open ? ENOSPC : 0; });
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(frame_->Recovery().WriteNow(), FileError::DiskFull);
        QCoreApplication::processEvents();
        EXPECT_EQ(frame_->statusBar()->currentMessage(),
                  attempt == 0
                      ? QStringLiteral("復元用コピーを保存できません: ディスクに空きがありません")
                      : QString());
        frame_->statusBar()->clearMessage();
    }
    SetWriteFaultHook({});
    EXPECT_TRUE(prompter_.messages.empty());
    EXPECT_TRUE(Copies().isEmpty());
}

}  // namespace
}  // namespace numora::test
