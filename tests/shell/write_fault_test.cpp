// Every file the window writes, with each step of the atomic writer failing in turn: the old
// file stays, the user is told, and nothing typed is lost.
#include <QDir>
#include <QLineEdit>
#include <thread>

#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "tests/base/file_test_support.h"
#include "tests/shell/main_frame_support.h"
#include "userfunc/dialogs/CFunctionDlg.h"

namespace numora::test {
namespace {

const QString kWriteFailed = QStringLiteral("ファイルの書き込みに失敗しました。");

// Fails only the writes of the interface thread: the recovery copy is written on a worker and
// must not take the fault meant for the file under test.
class FaultOnThisThread {
public:
    explicit FaultOnThisThread(const WriteFault& fault) {
        SetWriteFaultHook(
            [fault, owner = std::this_thread::get_id()](WriteStep step, int index) {
                if (std::this_thread::get_id() != owner) return 0;
                return step == fault.step && index == fault.index ? fault.code : 0;
            },
            4);
    }
    ~FaultOnThisThread() { SetWriteFaultHook({}); }
};

class WriteFaultTest : public MainFrameTest {
protected:
    void Run(CommandId id) { frame_->Action(id)->trigger(); }
    // The message the last failure showed.
    QString LastMessage() const {
        return prompter_.messages.empty() ? QString() : prompter_.messages.back().text;
    }
};

TEST_F(WriteFaultTest, DocumentSavesKeepTheOldFileAndTheModifiedText) {
    WriteFile("Untitled.txt", "1\r\n>1\r\n");
    WriteFile("a.txt", "old a\r\n");
    WriteFile("b.txt", "old b\r\n");
    Start();
    TypeLine("2");

    for (const WriteFault& fault : EveryWriteFault()) {
        SCOPED_TRACE(fault.name);
        FaultOnThisThread inject(fault);

        // The silent autosave at close.
        prompter_.messages.clear();
        EXPECT_FALSE(Close());
        EXPECT_EQ(LastMessage(), kWriteFailed);
        EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("1\r\n>1\r\n"));
        EXPECT_EQ(frame_->windowTitle(), "Numora - [ Untitled ] *");

        // Save As over an existing file.
        prompter_.messages.clear();
        prompter_.files = {FilePath("b.txt")};
        Run(CommandId::FileSaveAs);
        EXPECT_EQ(LastMessage(), kWriteFailed);
        EXPECT_EQ(ReadFile("b.txt"), QByteArray("old b\r\n"));
        EXPECT_EQ(frame_->windowTitle(), "Numora - [ Untitled ] *");
        EXPECT_EQ(View().Text(), "1\n>1\n2\n>2\n");
    }

    // A named document saved with Ctrl+S.
    prompter_.answers = {QMessageBox::Yes};
    prompter_.files = {FilePath("a.txt")};
    Run(CommandId::FileOpen);  // saves Untitled first, as the question was answered Yes
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("1\r\n>1\r\n2\r\n>2\r\n"));
    TypeLine("3");
    for (const WriteFault& fault : EveryWriteFault()) {
        SCOPED_TRACE(fault.name);
        FaultOnThisThread inject(fault);
        prompter_.messages.clear();
        Run(CommandId::FileSave);
        EXPECT_EQ(LastMessage(), kWriteFailed);
        EXPECT_EQ(ReadFile("a.txt"), QByteArray("old a\r\n"));
        EXPECT_EQ(frame_->windowTitle(), "Numora - [ a.txt ] *");
    }
    Run(CommandId::FileSave);
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("old a\r\n3\r\n>3\r\n"));
}

TEST_F(WriteFaultTest, UserFunctionsStayInUseWhenTheirFileCannotBeWritten) {
    CMainFrame& frame = Start();
    // Adds a function through the dialog and its OK.
    const auto add = [&](const QString& name) {
        frame.Action(CommandId::UserFunctionDialog)->trigger();
        std::unique_ptr<CFunctionDlg> dialog(frame.findChild<CFunctionDlg*>());
        ASSERT_NE(dialog, nullptr);
        dialog->SetEditor([&](CFunctionEditDlg& editor) {
            editor.NameEdit()->setText(name);
            editor.ParameterEdit()->setText("x");
            editor.ExpressionEdit()->setText("2*x");
            editor.accept();
            return true;
        });
        dialog->Add();
        dialog->accept();
    };
    add("Once");
    const QByteArray stored = ReadFile("UserFunction.dat");
    ASSERT_TRUE(stored.contains("Once"));

    int added = 0;
    for (const WriteFault& fault : EveryWriteFault()) {
        SCOPED_TRACE(fault.name);
        FaultOnThisThread inject(fault);
        prompter_.messages.clear();
        const QString name = QStringLiteral("Twice%1").arg(added++);
        add(name);
        EXPECT_TRUE(LastMessage().startsWith("ユーザ関数ファイルの書き込みに失敗しました。"));
        EXPECT_EQ(ReadFile("UserFunction.dat"), stored);
        TypeLine(name + "(4)");
        EXPECT_TRUE(View().Text().endsWith(">8\n"));
    }
}

TEST_F(WriteFaultTest, SettingsThatCannotBeWrittenAtExitAreReported) {
    Start();
    ASSERT_TRUE(Close());  // the first run writes the ini
    const QByteArray firstIni = ReadFile("Numora.ini");
    ASSERT_FALSE(firstIni.isEmpty());

    for (const WriteFault& fault : EveryWriteFault()) {
        SCOPED_TRACE(fault.name);
        Start();
        Run(CommandId::ViewToolbar);  // a setting to lose
        prompter_.messages.clear();
        FaultOnThisThread inject(fault);
        EXPECT_TRUE(Close());  // the text is saved by now; the window may go
        EXPECT_EQ(LastMessage(), texts::kSettingsSaveFailed());
        EXPECT_EQ(ReadFile("Numora.ini"), firstIni);
    }

#ifndef Q_OS_WIN  // there the list is in the registry
    // The recent documents list, kept beside the ini file.
    const QString store = FilePath("RecentDocuments.ini");
    QFile::remove(store);
    ASSERT_TRUE(QDir().mkpath(store));
    Start();
    prompter_.messages.clear();
    EXPECT_TRUE(Close());
    EXPECT_EQ(LastMessage(), texts::kSettingsSaveFailed());
#endif
}

}  // namespace
}  // namespace numora::test
