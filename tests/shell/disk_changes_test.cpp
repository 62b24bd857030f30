// A save never silently replaces what another program (or another copy of this one) wrote to
// the file since this window read or wrote it.
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

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

// No Untitled.txt at start, then the document moves to a file and back to Untitled: Untitled.txt
// was absent and still is, so New and close save it without a question.
TEST_F(DiskChangesTest, AnUntitledThatNeverExistedHasNotChanged) {
    enum class Away { SaveAs, Open, Drop };
    for (const Away away : {Away::SaveAs, Away::Open, Away::Drop}) {
        QDir(Folder()).removeRecursively();
        Start();
        TypeLine(QStringLiteral("4+4"));
        if (away == Away::SaveAs) {
            prompter_.files = {FilePath("sv.txt")};
            frame_->Action(CommandId::FileSaveAs)->trigger();
            EXPECT_EQ(ReadFile("sv.txt"), QByteArray("4+4\r\n>8\r\n"));
        } else {
            WriteFile("op.txt", "1\r\n");
            if (away == Away::Open) {
                prompter_.files = {FilePath("op.txt")};
                frame_->Action(CommandId::FileOpen)->trigger();
            } else {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(FilePath("op.txt"))});
                QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(View().viewport(), &enter);
                QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(View().viewport(), &drop);
                QApplication::processEvents();
            }
            EXPECT_EQ(View().Text(), QStringLiteral("1\n"));
        }
        frame_->Action(CommandId::FileNew)->trigger();
        TypeLine(QStringLiteral("5+5"));
        frame_->Action(CommandId::FileNew)->trigger();
        EXPECT_TRUE(prompter_.messages.empty()) << static_cast<int>(away);
        prompter_.messages.clear();
        EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("5+5\r\n>10\r\n"));
        TypeLine(QStringLiteral("6"));
        EXPECT_TRUE(Close());
        EXPECT_TRUE(prompter_.messages.empty());
        EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("6\r\n>6\r\n"));
    }
}

}  // namespace
}  // namespace numora::test
