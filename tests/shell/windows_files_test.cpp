// What only Windows does with the window's files: a temporary file that a killed save leaves
// behind (Windows cannot write a file without a name) and a file another program holds open
// without sharing.
#include <QtGlobal>
#ifdef Q_OS_WIN

#include <windows.h>

#include <QDir>
#include <QProcess>
#include <cstdio>
#include <string>

#include "base/FileIO.h"
#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

const char* const kVictimFolder = "NUMORA_SAVE_VICTIM_FOLDER";

QStringList Temporaries(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".numora-*.tmp")}, QDir::Files | QDir::Hidden);
}

// The save that the test kills: run in a process of its own (this program, filtered to this
// test), it writes Untitled.txt in the folder it is given and stops for good in the middle,
// its temporary file half written and open.
TEST(WindowsSaveVictim, WritesUntilKilled) {
    if (!qEnvironmentVariableIsSet(kVictimFolder)) GTEST_SKIP() << "run by KilledSaves";
    const std::filesystem::path folder = qEnvironmentVariable(kVictimFolder).toStdWString();
    SetWriteFaultHook(
        [](WriteStep step, int index) {
            if (step == WriteStep::Write && index == 1) {
                std::fputs("HOLDING\n", stdout);
                std::fflush(stdout);
                ::Sleep(INFINITE);
            }
            return 0;
        },
        8);
    WriteFileAtomically(folder / L"Untitled.txt", std::string(100, 'x'));
}

class WindowsFilesTest : public MainFrameTest {
protected:
    // Starts a victim over the settings folder and waits until it holds its temporary.
    void StartVictim(QProcess& victim) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kVictimFolder), QDir::toNativeSeparators(Folder()));
        victim.setProcessEnvironment(environment);
        victim.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=WindowsSaveVictim.*")});
        ASSERT_TRUE(victim.waitForStarted(60000));
        for (int wait = 0; wait < 600 && !victim.readAllStandardOutput().contains("HOLDING"); ++wait) {
            victim.waitForReadyRead(100);
        }
        ASSERT_EQ(Temporaries(Folder()).size(), 1) << Temporaries(Folder()).join(' ').toStdString();
    }
};

TEST_F(WindowsFilesTest, KilledSavesLeaveTemporariesThatTheNextStartOrSaveRemoves) {
    WriteFile("Untitled.txt", "1\r\n>1\r\n");
    QProcess victim;
    StartVictim(victim);

    // A copy starting while another is in the middle of its save leaves that save alone.
    Start();
    EXPECT_EQ(Temporaries(Folder()).size(), 1);
    ASSERT_TRUE(Close());

    // Killed mid-way: the old file is whole, the temporary left; the next start removes it.
    victim.kill();
    victim.waitForFinished(60000);
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("1\r\n>1\r\n"));
    ASSERT_EQ(Temporaries(Folder()).size(), 1);
    Start();
    EXPECT_TRUE(Temporaries(Folder()).isEmpty());
    EXPECT_EQ(View().Text(), "1\n>1\n");

    // The next save into a folder removes what a killed save left there.
    QProcess second;
    StartVictim(second);
    second.kill();
    second.waitForFinished(60000);
    TypeLine("2");
    prompter_.files = {FilePath("b.txt")};
    frame_->Action(CommandId::FileSaveAs)->trigger();
    EXPECT_EQ(ReadFile("b.txt"), QByteArray("1\r\n>1\r\n2\r\n>2\r\n"));
    EXPECT_TRUE(Temporaries(Folder()).isEmpty());
}

// A file another program holds open without sharing is reported as a failed save; the file and
// the typed text both stay.
TEST_F(WindowsFilesTest, AFileHeldOpenByAnotherProgramIsAFailedSave) {
    WriteFile("a.txt", "1\r\n>1\r\n");
    Start();
    prompter_.files = {FilePath("a.txt")};
    frame_->Action(CommandId::FileOpen)->trigger();
    TypeLine("2");

    const std::wstring path = QDir::toNativeSeparators(FilePath("a.txt")).toStdWString();
    const HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    prompter_.messages.clear();
    frame_->Action(CommandId::FileSave)->trigger();
    ::CloseHandle(held);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages.back().text, QStringLiteral("ファイルの書き込みに失敗しました。"));
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n>1\r\n"));
    EXPECT_EQ(frame_->windowTitle(), "Numora - [ a.txt ] *");
    EXPECT_TRUE(Temporaries(Folder()).isEmpty());

    frame_->Action(CommandId::FileSave)->trigger();
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1\r\n>1\r\n2\r\n>2\r\n"));
}

}  // namespace
}  // namespace numora::test

#endif
