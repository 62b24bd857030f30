// A save never silently replaces what another program (or another copy of this one) wrote to
// the file since this window read or wrote it.
#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

const QString kChangedA =
    QStringLiteral("a.txt は他のプログラムによって変更されています。上書きしますか？");

class DiskChangesTest : public MainFrameTest {
protected:
    void AppendOutside(const QString& name, const QByteArray& bytes) {
        QFile file(FilePath(name));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(bytes);
    }
    void ExpectAsked(const QString& text) {
        ASSERT_EQ(prompter_.messages.size(), 1u);
        const AskedMessage& asked = prompter_.messages[0];
        EXPECT_EQ(asked.title, QStringLiteral("確認"));
        EXPECT_EQ(asked.text, text);
        EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(asked.defaultButton, QMessageBox::No);
        prompter_.messages.clear();
    }
};

TEST_F(DiskChangesTest, SaveAsksBeforeReplacingAFileChangedOutside) {
    WriteFile("a.txt", "1\r\n");
    Start();
    prompter_.files = {FilePath("a.txt")};
    frame_->Action(CommandId::FileOpen)->trigger();
    TypeLine(QStringLiteral("2"));
    frame_->Action(CommandId::FileSave)->trigger();  // nothing changed outside: no question
    EXPECT_TRUE(prompter_.messages.empty());
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n2\r\n>2\r\n"));

    // Save, then Save As over the same file: No keeps the outside line and the document
    // modified; Yes replaces it.
    TypeLine(QStringLiteral("3"));
    AppendOutside("a.txt", "outside\r\n");
    for (const CommandId save : {CommandId::FileSave, CommandId::FileSaveAs}) {
        prompter_.files = {FilePath("a.txt")};
        prompter_.answers = {QMessageBox::No};
        frame_->Action(save)->trigger();
        ExpectAsked(kChangedA);
        EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n2\r\n>2\r\noutside\r\n"));
        EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ a.txt ] *"));
    }
    prompter_.answers = {QMessageBox::Yes};
    frame_->Action(CommandId::FileSave)->trigger();
    ExpectAsked(kChangedA);
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n2\r\n>2\r\n3\r\n>3\r\n"));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ a.txt ]"));

    // The save question's Yes leads to the same question; No abandons New too.
    TypeLine(QStringLiteral("4"));
    AppendOutside("a.txt", "again\r\n");
    prompter_.answers = {QMessageBox::Yes, QMessageBox::No};
    frame_->Action(CommandId::FileNew)->trigger();
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[1].text, kChangedA);
    EXPECT_EQ(View().Text(), QStringLiteral("1\n2\n>2\n3\n>3\n4\n>4\n"));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Numora - [ a.txt ] *"));
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n2\r\n>2\r\n3\r\n>3\r\nagain\r\n"));
    prompter_.messages.clear();
    prompter_.answers = {QMessageBox::No};  // close without saving
}

// Two running copies on one settings folder: the second to close asks instead of replacing
// the first one's Untitled.txt.
TEST_F(DiskChangesTest, TwoWindowsKeepEachOthersUntitled) {
    Start();
    Settings otherSettings;
    auto other = std::make_unique<CMainFrame>(otherSettings);
    TypeLine(QStringLiteral("111"));
    QTest::keyClicks(&other->View(), QStringLiteral("222"));
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("111\r\n>111\r\n"));

    prompter_.answers = {QMessageBox::No};
    EXPECT_FALSE(other->close());
    ExpectAsked(
        QStringLiteral("Untitled.txt は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("111\r\n>111\r\n"));
    EXPECT_EQ(other->windowTitle(), QStringLiteral("Numora - [ Untitled ] *"));

    prompter_.answers = {QMessageBox::Yes};
    EXPECT_TRUE(other->close());
    ExpectAsked(
        QStringLiteral("Untitled.txt は他のプログラムによって変更されています。上書きしますか？"));
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("222"));
}

}  // namespace
}  // namespace numora::test
