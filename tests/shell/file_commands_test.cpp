// New, Open, Save, Save As, dropped files and the recent documents, driven through the window's
// actions with the prompter answering its questions and dialogs.
#include <QDir>
#include <QStandardPaths>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QMimeData>
#include <QScopeGuard>
#include <QSettings>
#include <QUndoStack>

#include "settings/Settings.h"
#include "shell/FileCommands.h"
#include "shell/RecentDocumentsMenu.h"
#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

// A recent entry as the list shows and keeps it: the name as the system writes it.
QString Entry(const QString& path) { return QDir::toNativeSeparators(path); }


class FileCommandsTest : public MainFrameTest {
protected:
    // A worksheet file in the data folder, with CR LF line ends.
    QString Document(const QString& name, const QByteArray& bytes) {
        WriteFile(name, bytes);
        return FilePath(name);
    }
    void Run(CommandId id) { frame_->Action(id)->trigger(); }
    QStringList RecentTexts() {
        QStringList texts;
        QMenu* file = frame_->menuBar()->actions().first()->menu();
        bool inList = false;
        for (QAction* action : file->actions()) {
            if (action == frame_->Action(CommandId::FileMruFirst)) inList = true;
            if (inList && action->isSeparator()) break;
            if (inList) texts << action->text();
        }
        return texts;
    }
    QString Title() { return frame_->windowTitle(); }
};

TEST_F(FileCommandsTest, DocumentChangesFollowTheStateTable) {
    // Before any data folder the dialogs start in the user's documents folder.
    const QByteArray home = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", home); });
    qputenv("HOME", home_.path().toUtf8());
    ASSERT_TRUE(QDir(home_.path()).mkpath("Documents"));
    CMainFrame& frame = Start();
    const QString a = Document("a.txt", "1+1\r\n>2\r\n");

    // Untitled, clean -> named, clean through Open; the data folder follows the dialog.
    prompter_.files = {a};
    Run(CommandId::FileOpen);
    EXPECT_EQ(View().Text(), QStringLiteral("1+1\n>2\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ]"));
    EXPECT_FALSE(View().document()->isUndoAvailable());
    EXPECT_EQ(QString::fromStdU16String(frame.AppSettings().DataPath), Folder());
    ASSERT_EQ(prompter_.fileRequests.size(), 1u);
    EXPECT_EQ(prompter_.fileRequests[0].filters,
              QStringList({"テキスト ファイル (*.txt)", "すべてのファイル (*.*)"}));
    EXPECT_EQ(prompter_.fileRequests[0].defaultSuffix, QStringLiteral("txt"));
#ifdef Q_OS_WIN
    // Windows names the folder itself (its Documents known folder), whatever HOME says.
    EXPECT_EQ(prompter_.fileRequests[0].folder,
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
#else
    EXPECT_EQ(prompter_.fileRequests[0].folder, home_.filePath("Documents"));
#endif

    // Named, modified -> Save -> named, clean; the undo history stays after a save.
    TypeLine(QStringLiteral("2*3"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ] *"));
    Run(CommandId::FileSave);
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1+1\r\n>2\r\n2*3\r\n>6\r\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ]"));
    EXPECT_TRUE(View().document()->isUndoAvailable());

    // Named, modified -> New asks with the name; No empties the worksheet.
    TypeLine(QStringLiteral("7"));
    prompter_.answers = {QMessageBox::No};
    Run(CommandId::FileNew);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].title, QStringLiteral("確認"));
    EXPECT_EQ(prompter_.messages[0].text,
              QStringLiteral("a.txtは変更されています。保存しますか？"));
    EXPECT_EQ(prompter_.messages[0].defaultButton, QMessageBox::No);
    EXPECT_EQ(View().Text(), QString());
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ Untitled ]"));
    EXPECT_EQ(ReadFile("a.txt"), QByteArray("1+1\r\n>2\r\n2*3\r\n>6\r\n"));

    // Save of the Untitled document is Save As: named, clean, in the recent list.
    TypeLine(QStringLiteral("5"));
    prompter_.files = {FilePath("b.txt")};
    Run(CommandId::FileSave);
    EXPECT_EQ(ReadFile("b.txt"), QByteArray("5\r\n>5\r\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ b.txt ]"));
    EXPECT_EQ(RecentTexts(), QStringList({"&1 " + Entry(FilePath("b.txt")), "&2 " + Entry(a)}));
    EXPECT_EQ(prompter_.fileRequests.back().folder, Folder());
}

TEST_F(FileCommandsTest, CancelledDialogsAndFailedSavesAbandonTheAction) {
    Start();
    const QString a = Document("a.txt", "old\r\n");
    prompter_.files = {a};
    Run(CommandId::FileOpen);
    TypeLine(QStringLiteral("1"));

    // No to the question, then a cancelled open dialog: nothing changes.
    prompter_.answers = {QMessageBox::No};
    prompter_.files = {QString()};
    Run(CommandId::FileOpen);
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ] *"));

    // A save that fails keeps the document modified and the pending New abandoned.
    std::filesystem::remove(a.toStdString());
    std::filesystem::create_directory(a.toStdString());
    // (Save? Yes. A folder now has its name: it cannot be replaced, so no question whether to
    // replace what changed, only the failure.)
    prompter_.answers = {QMessageBox::Yes};
    Run(CommandId::FileNew);
    ASSERT_EQ(prompter_.messages.size(), 3u);
    EXPECT_EQ(prompter_.messages[2].title, QStringLiteral("ファイル保存"));
    EXPECT_EQ(prompter_.messages[2].text, QStringLiteral("ファイルの書き込みに失敗しました。"));
    EXPECT_EQ(View().Text(), QStringLiteral("old\n1\n>1\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ] *"));

    // Cancel at the question keeps the window open.
    prompter_.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(Close());
    std::filesystem::remove_all(a.toStdString());
    prompter_.answers = {QMessageBox::No};
}

TEST_F(FileCommandsTest, LoadFailureLeavesTheDocumentAsItWas) {
    Start();
    TypeLine(QStringLiteral("1"));
    const QString bad = Document("bad.txt", "\xff\xfe");
    prompter_.answers = {QMessageBox::No};
    prompter_.files = {bad};
    frame_->AppSettings().Option = 0;  // ask before giving up the Untitled text
    Run(CommandId::FileOpen);
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[1].title, QStringLiteral("ファイル読み込み"));
    EXPECT_EQ(View().Text(), QStringLiteral("1\n>1\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ Untitled ] *"));
    EXPECT_EQ(RecentTexts(), QStringList({"(なし)"}));
    EXPECT_FALSE(frame_->Action(CommandId::FileMruFirst)->isEnabled());
    prompter_.answers = {QMessageBox::No};
}

TEST_F(FileCommandsTest, RecentListKeepsTheNewestAndSurvivesARestart) {
    Start();
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        paths << Document(QStringLiteral("f%1.txt").arg(i), QByteArray::number(i) + "\r\n");
        prompter_.files = {paths.back()};
        Run(CommandId::FileOpen);
    }
    const QStringList newestFive{"&1 " + Entry(paths[5]), "&2 " + Entry(paths[4]), "&3 " + Entry(paths[3]),
                                 "&4 " + Entry(paths[2]), "&5 " + Entry(paths[1])};
    EXPECT_EQ(RecentTexts(), newestFive);

    // Opening a listed file moves it to the top without a duplicate.
    prompter_.files = {paths[2]};
    Run(CommandId::FileOpen);
    EXPECT_EQ(RecentTexts().first(), "&1 " + Entry(paths[2]));
    EXPECT_EQ(RecentTexts().size(), 5);

    // A chosen entry whose file is gone is reported and removed; nothing else changes.
    std::filesystem::remove(paths[4].toStdString());
    TypeLine(QStringLiteral("9"));
    frame_->Recent().Choose(2);  // "&3 f5.txt"
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].title, QStringLiteral("ファイルオープン"));
    EXPECT_EQ(prompter_.messages[0].text, Entry(paths[4]) + QStringLiteral("が見つかりませんでした。"));
    EXPECT_EQ(RecentTexts().size(), 4);
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ f3.txt ] *"));

    // A recent entry that exists is opened after the question and moves to the top.
    prompter_.answers = {QMessageBox::No};
    frame_->Recent().Choose(3);  // "&4 f2.txt"
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ f2.txt ]"));
    const QStringList kept = RecentTexts();
    EXPECT_EQ(kept.first(), "&1 " + Entry(paths[1]));

    ASSERT_TRUE(Close());
    const auto store = RecentStore();
    EXPECT_EQ(store->value("Recent Document List/DocumentCount").toInt(), 5);
    EXPECT_EQ(store->value("Recent Document List/Document1").toString(), Entry(paths[1]));
    EXPECT_FALSE(store->contains("Recent Document List/Document5"));
    Start();
    EXPECT_EQ(RecentTexts(), kept);
}

TEST_F(FileCommandsTest, StoredCountIsClampedAndAnAmpersandShownAsItself) {
    {
        const auto store = RecentStore();
        store->setValue("Recent Document List/DocumentCount", 1);
        store->setValue("Recent Document List/Document1", "/x/R&D.txt");
        store->setValue("Recent Document List/Document2", "/x/b.txt");
        store->setValue("Recent Document List/Document3", "/x/c.txt");
    }
    Start();
    EXPECT_EQ(frame_->Recent().List().Maximum(), 2);
    EXPECT_EQ(RecentTexts(), QStringList({"&1 /x/R&&D.txt", "&2 /x/b.txt"}));
}

TEST_F(FileCommandsTest, DroppingFilesOpensTheFirstOnly) {
    CMainFrame& frame = Start();
    const QString a = Document("a.txt", "a\r\n");
    const QString b = Document("b.txt", "b\r\n");
    const QString c = Document("c.txt", "c\r\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl::fromLocalFile(c)});
    // Onto the worksheet, which would otherwise insert the names as text.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(View().viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(View().viewport(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(View().Text(), QStringLiteral("a\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ]"));
    EXPECT_EQ(RecentTexts(), QStringList({"&1 " + Entry(a)}));
    EXPECT_TRUE(frame.AppSettings().DataPath.empty());  // a drop leaves the data folder
}

TEST_F(FileCommandsTest, FileFromTheCommandLineOpensInsteadOfUntitled) {
    WriteFile("Untitled.txt", "u\r\n");
    const QString a = Document("a.txt", "a\r\n");
    CMainFrame& frame = Start();
    OpenStartupFile(frame, a);
    EXPECT_EQ(View().Text(), QStringLiteral("a\n"));
    EXPECT_EQ(Title(), QStringLiteral("Numora - [ a.txt ]"));
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadFile("Untitled.txt"), QByteArray("u\r\n"));

    // A file that cannot be loaded is reported with its name and the reason, at once (a named
    // pipe or a device is never waited on); the Untitled worksheet stays and takes typing.
    std::vector<std::pair<QString, QString>> failures = {
        {FilePath("missing.txt"), "missing.txt: ファイルが見つかりません"},
        {Folder(), "Numora: フォルダーです"},
    };
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(FilePath("fifo").toUtf8().constData(), 0644), 0);
    failures.push_back({FilePath("fifo"), "fifo: 名前付きパイプです"});
    failures.push_back({"/dev/zero", "zero: デバイスです"});
#endif
    Start();
    for (const auto& [path, detail] : failures) {
        prompter_.messages.clear();
        OpenStartupFile(*frame_, path);
        ASSERT_EQ(prompter_.messages.size(), 1u);
        EXPECT_EQ(prompter_.messages[0].title, QStringLiteral("ファイル読み込み"));
        EXPECT_EQ(prompter_.messages[0].text, "ファイルの読み込みに失敗しました。\n" + detail);
        EXPECT_EQ(View().Text(), QStringLiteral("u\n"));
        EXPECT_EQ(Title(), QStringLiteral("Numora - [ Untitled ]"));
    }
    // The same through the Open dialog.
    prompter_.messages.clear();
    prompter_.files = {FilePath("missing.txt")};
    Run(CommandId::FileOpen);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].text,
              QStringLiteral(
                  "ファイルの読み込みに失敗しました。\nmissing.txt: ファイルが見つかりません"));
    TypeLine(QStringLiteral("2*3"));
    EXPECT_EQ(View().Text(), QStringLiteral("u\n2*3\n>6\n"));
}

}  // namespace
}  // namespace numora::test
