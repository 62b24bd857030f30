// Settings through a real ini file, and the Untitled worksheet kept across window lifetimes.
#include <QDir>
#include <QSplitter>

#include "shell/SettingsApply.h"
#include "tests/shell/main_frame_support.h"
#include "worksheet/view/VariableListPane.h"

namespace numora::test {
namespace {

constexpr int32_t kNotSet = Settings::kNotSet;

TEST(PlaceWindowRect, KeepsTheWindowOnTheWorkArea) {
    const QRect work(0, 0, 1000, 800);
    const QSize current(300, 200);
    const struct {
        IntRect saved;
        QRect expected;
    } cases[] = {
        {{100, 50, 740, 530}, {100, 50, 640, 480}},             // fits: unchanged
        {{-50, -30, 590, 450}, {0, 0, 640, 480}},               // off the top left: moved in
        {{900, 700, 1540, 1180}, {360, 320, 640, 480}},         // off the bottom right: moved in
        {{100, 100, 105, 110}, {100, 100, 20, 20}},             // tiny: 20 x 20
        {{-10, 0, 2990, 500}, {0, 0, 1000, 500}},               // wider than the work area
        {{100, 0, 100, 0}, {100, 0, 300, 200}},                 // no size: keeps the current one
        {{kNotSet, 10, 0, 0}, {0, 10, 300, 200}},               // unset left: kept size, moved in
        {{INT32_MAX - 5, 0, INT32_MAX, 10}, {980, 0, 20, 20}},  // no overflow at the edge
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceWindowRect(c.saved, current, {}, {work}), c.expected)
            << c.saved.left << "," << c.saved.top << "," << c.saved.right << "," << c.saved.bottom;
    }
}

// The saved position is the frame's; the window inside it keeps its saved size. Two screens side
// by side, the second one's panel at its top; frames 8 pixels wide with a 30-pixel title bar.
TEST(PlaceWindowRect, PutsTheTitleBarOnAScreenAndCascadesCopies) {
    const QList<QRect> screens{{0, 0, 1366, 728}, {1366, 40, 1920, 1040}};
    const QMargins frame(8, 30, 8, 8);
    const struct {
        IntRect saved;
        int copy;
        QRect expected;
    } cases[] = {
        {{100, 50, 740, 530}, 0, {100, 50, 656, 518}},       // fits: the frame around the window
        {{100, 0, 740, 480}, 0, {100, 0, 656, 518}},         // title bar at the top edge
        {{100, -30, 740, 450}, 0, {100, 0, 656, 518}},       // title bar above it: moved down
        {{100, 100, 740, 800}, 0, {100, 0, 656, 728}},       // as tall as the screen: frame fits
        {{1400, 10, 2040, 490}, 0, {1400, 40, 656, 518}},    // below the second screen's panel
        {{1300, 100, 1940, 580}, 0, {1366, 100, 656, 518}},  // title bar mostly on the second
        {{4000, 100, 4640, 580}, 0, {710, 100, 656, 518}},   // on no screen: onto the first
        {{100, 3000, 740, 3480}, 0, {100, 210, 656, 518}},   // below every screen
        {{100, 50, 740, 530}, 1, {124, 74, 656, 518}},       // a second copy: cascaded
        {{100, 50, 740, 530}, 2, {148, 98, 656, 518}},       // a third copy
        {{700, 200, 1340, 680}, 1, {0, 0, 656, 518}},        // would run off: the corner
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceWindowRect(c.saved, QSize(300, 200), frame, screens, c.copy), c.expected)
            << c.saved.left << "," << c.saved.top << " copy " << c.copy;
    }
}

// A copy started while another runs opens offset from it, and the next one further.
TEST_F(MainFrameTest, SecondCopyOpensOffsetFromTheFirst) {
    WriteFile(QStringLiteral("Numora.ini"),
              "[General]\r\nLeft=100\r\nTop=0\r\nWidth=600\r\nHeight=400\r\n");
    CMainFrame& first = Start();
    EXPECT_EQ(first.pos(), QPoint(100, 0));
    EXPECT_EQ(first.size(), QSize(600, 400));
    std::vector<std::unique_ptr<Settings>> settings;
    std::vector<std::unique_ptr<CMainFrame>> others;
    for (int copy = 1; copy <= 2; ++copy) {
        settings.push_back(std::make_unique<Settings>());
        others.push_back(std::make_unique<CMainFrame>(*settings.back()));
        others.back()->show();
        EXPECT_EQ(others.back()->pos(), QPoint(100, 0) + copy * QPoint(24, 24)) << copy;
        EXPECT_EQ(others.back()->size(), QSize(600, 400));
    }
    // The second place is free again once its copy has ended.
    others.front().reset();
    settings.push_back(std::make_unique<Settings>());
    CMainFrame again(*settings.back());
    EXPECT_EQ(again.pos(), QPoint(124, 24));
    others.clear();
}

TEST_F(MainFrameTest, SettingsRoundTripThroughTheIniFile) {
    WriteFile(QStringLiteral("Numora.ini"),
              "[General]\r\nLeft=-40\r\nTop=10\r\nWidth=700\r\nHeight=300\r\n"
              "[View]\r\nSplitterPos=50\r\nlist=0\r\nWordWrap=1\r\n"
              "[Edit]\r\nOption=7\r\nDigits=5\r\n");
    CMainFrame& frame = Start();
    EXPECT_EQ(QRect(frame.pos(), frame.size()), QRect(0, 10, 700, 300));
    EXPECT_FALSE(frame.VariableList().isVisible());
    EXPECT_FALSE(frame.Action(CommandId::ViewVariableList)->isChecked());
    EXPECT_TRUE(frame.Action(CommandId::ViewWordWrap)->isChecked());
    TypeLine(QStringLiteral("1/3"));
    EXPECT_EQ(View().Text(), QStringLiteral("1/3\n>0.33333\n"));
    // The kept status format (Option bits 2-3) comes back as binary after the restart.
    QTest::mouseClick(&frame.Panes().ResultPane(), Qt::RightButton);
    QTest::mouseClick(&frame.Panes().ResultPane(), Qt::RightButton);
    frame.resize(700, 400);
    frame.Action(CommandId::ViewVariableList)->trigger();
    EXPECT_EQ(frame.VariableList().width(), 150);  // a position of 50 gives the default
    frame.Splitter().setSizes({400, 296});
    const int splitterPos = frame.SplitterPos();
    ASSERT_TRUE(Close());

    const QByteArray ini = ReadFile(QStringLiteral("Numora.ini"));
    for (const char* line : {"Left=0\r\n", "Top=10\r\n", "Width=700\r\n", "Height=400\r\n",
                             "List=1\r\n", "WordWrap=1\r\n", "Option=15\r\n", "Digits=5\r\n"}) {
        EXPECT_TRUE(ini.contains(line)) << line << " in\n" << ini.toStdString();
    }
    EXPECT_TRUE(ini.contains("SplitterPos=" + QByteArray::number(splitterPos) + "\r\n"));
    CMainFrame& again = Start();
    EXPECT_EQ(again.Splitter().sizes().value(0), splitterPos);
    EXPECT_EQ(again.Panes().Format(), 2);
}

TEST_F(MainFrameTest, UntitledWorksheetIsKeptAcrossRuns) {
    Start();
    TypeLine(QStringLiteral("x=5"));
    QTest::keyClick(&View(), Qt::Key_Q, Qt::ControlModifier);  // 終了
    QTRY_VERIFY(!frame_->isVisible());
    EXPECT_EQ(ReadFile(QStringLiteral("Untitled.txt")), QByteArray("x=5\r\n>5\r\n"));
    frame_.reset();
    // Every file of the program is in its one folder.
    EXPECT_EQ(QDir(home_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("Numora")}));

    CMainFrame& frame = Start();
    EXPECT_EQ(View().Text(), QStringLiteral("x=5\n>5\n"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Numora - [ Untitled ]"));
    EXPECT_FALSE(View().document()->isUndoAvailable());
    // Unchanged: closing writes nothing.
    QFile::remove(FilePath(QStringLiteral("Untitled.txt")));
    ASSERT_TRUE(Close());
    EXPECT_FALSE(QFile::exists(FilePath(QStringLiteral("Untitled.txt"))));
}

TEST_F(MainFrameTest, FailedAutosaveKeepsTheWindowAndTheText) {
    Start();
    TypeLine(QStringLiteral("7"));
    std::filesystem::create_directories(
        (FilePath(QStringLiteral("Untitled.txt")) + "/x").toStdString());
    prompter_.answers = {QMessageBox::Yes};  // replace what appeared meanwhile: it cannot be
    EXPECT_FALSE(Close());
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[1].text, QStringLiteral("ファイルの書き込みに失敗しました。"));
    EXPECT_EQ(View().Text(), QStringLiteral("7\n>7\n"));
    std::filesystem::remove_all(FilePath(QStringLiteral("Untitled.txt")).toStdString());
}

TEST_F(MainFrameTest, UnreadableUntitledIsNeverOverwrittenSilently) {
    WriteFile(QStringLiteral("Untitled.txt"), "kept \xff bytes");
    Start();
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(
        prompter_.messages[0].text,
        QStringLiteral(
            "ファイルの読み込みに失敗しました。\nUntitled.txt: UTF-8 のテキストではありません"));
    TypeLine(QStringLiteral("1"));
    prompter_.answers.push_back(QMessageBox::No);
    EXPECT_TRUE(Close());
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[1].text, QStringLiteral("Untitled を保存しますか？"));
    EXPECT_EQ(ReadFile(QStringLiteral("Untitled.txt")), QByteArray("kept \xff bytes"));
}

TEST_F(MainFrameTest, CloseQuestionFollowsTheOptions) {
    const struct {
        const char* option;
        QMessageBox::StandardButton answer;
        bool closes;
        size_t questions;
    } cases[] = {
        {"2", QMessageBox::NoButton, true, 0},  // no question, nothing saved
        {"1", QMessageBox::Cancel, false, 1},
        {"1", QMessageBox::No, true, 1},
        {"1", QMessageBox::Yes, false, 1},  // the save dialog is cancelled
    };
    for (const auto& c : cases) {
        WriteFile(QStringLiteral("Numora.ini"), QByteArray("[Edit]\r\nOption=") + c.option);
        prompter_.messages.clear();
        Start();
        TypeLine(QStringLiteral("1"));
        if (c.answer != QMessageBox::NoButton) prompter_.answers.push_back(c.answer);
        EXPECT_EQ(Close(), c.closes) << c.option << " " << c.answer;
        ASSERT_EQ(prompter_.messages.size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(prompter_.messages[0].text, QStringLiteral("Untitled を保存しますか？"));
        }
        EXPECT_FALSE(QFile::exists(FilePath(QStringLiteral("Untitled.txt"))));
        if (frame_) View().document()->setModified(false);
    }
}

}  // namespace
}  // namespace numora::test
