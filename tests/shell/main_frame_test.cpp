// The main window as a user meets it: first start, menus, typing, status bar, View toggles.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QWindow>

#include "shell/Translations.h"
#include "tests/shell/main_frame_support.h"
#include "ui/Prompter.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"

namespace numora::test {
namespace {

QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QStringList ToolbarTexts(const QToolBar& bar) {
    QStringList texts;
    for (const QAction* action : bar.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    }
    return texts;
}

TEST_F(MainFrameTest, StatusTextsAreShownWhole) { ExpectStatusTextsFit(Start()); }

TEST_F(MainFrameTest, StatusTextsNeverWidenTheWindow) {
    WriteFile(QStringLiteral("Numora.ini"),
              "[General]\r\nLeft=10\r\nTop=10\r\nWidth=600\r\nHeight=400\r\n");
    ExpectStatusTextsKeepTheWidth(Start());
}

TEST_F(MainFrameTest, FirstStartShowsTheDefaultWindow) {
    CMainFrame& frame = Start();
    EXPECT_EQ(frame.size(), QSize(640, 480));
    EXPECT_EQ(frame.geometry().center(), frame.screen()->availableGeometry().center());
    EXPECT_EQ(frame.VariableList().width(), 150);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Numora - [ Untitled ]"));
    EXPECT_EQ(frame.Panes().DefaultPane().text(), QStringLiteral("レディ"));
    EXPECT_EQ(ResultPane(), QStringLiteral(">"));
    EXPECT_EQ(frame.Panes().CalcPane().text(), QStringLiteral("∑計算ON"));
    EXPECT_EQ(frame.Panes().ResultPane().width(), 250);
    EXPECT_EQ(frame.Panes().CalcPane().width(), 80);
    EXPECT_TRUE(std::filesystem::is_directory(Folder().toStdString()));

    const QList<QPair<QString, QStringList>> menus{
        {"ファイル(&F)",
         {"新規作成\tCtrl+N(&N)", "開く...\tCtrl+O(&O)", "上書き保存\tCtrl+S(&S)",
          "名前を付けて保存(&A)...", "-", "印刷...\tCtrl+P(&P)", "ページ設定(&U)", "-", "(なし)",
          "-", "終了(&X)"}},
        {"編集(&E)",
         {"元に戻す\tCtrl+Z(&U)", "やり直す\tCtrl+Y(&Y)", "-", "切り取り\tCtrl+X(&T)",
          "コピー\tCtrl+C(&C)", "結果をコピー\tCtrl+Shift+C(&E)", "貼り付け\tCtrl+V(&P)",
          "すべて選択\tCtrl+A(&A)", "すべて再計算(&R)\tCtrl+R", "-", "検索\tCtrl+F(&F)",
          "置換\tCtrl+H(&H)", "次を検索\tF3,Shift+F3(&N)"}},
        {"表示(&V)",
         {"ツール バー(&T)", "ステータス バー(&S)", "変数リスト(&L)", "-",
          "常に手前に表示(&V)\tPause", "右端で折り返す(&W)", "-", "ユーザ関数登録(&U)",
          "オプション設定(&O)"}},
        {"ヘルプ(&H)", {"ヘルプ", "バージョン情報(&A) Numora"}},
    };
    const QList<QAction*> bar = frame.menuBar()->actions();
    ASSERT_EQ(bar.size(), menus.size());
    for (qsizetype i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(bar[i]->text(), menus[i].first);
        EXPECT_EQ(MenuTexts(*bar[i]->menu()), menus[i].second) << menus[i].first.toStdString();
    }
    EXPECT_EQ(ToolbarTexts(frame.StandardToolbar()),
              QStringList({"新規ファイル", "開く", "保存", "-", "印刷", "-", "検索", "置換", "-",
                           "元に戻す", "やり直す", "切り取り", "コピー", "貼り付け", "-",
                           "オプション設定"}));
    EXPECT_EQ(ToolbarTexts(frame.InsertToolbar()),
              QStringList({"組み込み関数(F4)", "ユーザー関数(F5)", "括弧括り(F6)",
                           "コメント挿入(F7)", "π<pi>挿入(F8)", "exp[e:ネイピア数]挿入(F9)",
                           "root2<sqr2>挿入(F10)", "-", "すべて再計算"}));
    for (const QToolBar* toolbar : {&frame.StandardToolbar(), &frame.InsertToolbar()}) {
        for (const QAction* action : toolbar->actions()) {
            EXPECT_TRUE(action->isSeparator() || !action->icon().pixmap(16, 16).isNull());
        }
    }
    EXPECT_EQ(frame.Action(CommandId::EditCut)->shortcuts(),
              QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+X")),
                                   QKeySequence(QStringLiteral("Shift+Del"))}));
    EXPECT_EQ(frame.Action(CommandId::FileNew)->statusTip(),
              QStringLiteral("新規にファイルを作成"));
    for (CommandId id :
         {CommandId::ViewToolbar, CommandId::ViewStatusBar, CommandId::ViewVariableList}) {
        EXPECT_TRUE(frame.Action(id)->isChecked());
    }
}

TEST_F(MainFrameTest, EnterShowsTheResultInTheWorksheetStatusBarAndList) {
    CMainFrame& frame = Start();
    TypeLine(QStringLiteral("1+2*3"));
    EXPECT_EQ(View().Text(), QStringLiteral("1+2*3\n>7\n"));
    EXPECT_EQ(ResultPane(), QStringLiteral(">7"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Numora - [ Untitled ] *"));
    frame.SetDocumentPath(QStringLiteral("/tmp/a[*].txt"));
    EXPECT_EQ(frame.windowHandle()->title(), QStringLiteral("Numora - [ a[*].txt ] *"));
    TypeLine(QStringLiteral("a=2^10"));
    auto* list = frame.VariableList().List();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->Text(0), QStringLiteral("a=1024"));
    // The list's Enter puts the name at the worksheet's caret.
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(View().Text().endsWith(QStringLiteral(">1024\na")));
}

TEST_F(MainFrameTest, TypedLinesGiveTheSameWorksheetAsTheCommandLine) {
    Start();
    const QStringList lines{"x=3", "y = x^2 // square", "1/0", "sqrt(y)+@", "\"text\"", "q(1"};
    QString source;
    for (const QString& line : lines) {
        TypeLine(line);
        source += line + u'\n';
    }
    QProcess calc;
    calc.start(QStringLiteral(NUMORA_CALC_PATH), {QStringLiteral("--settings-dir"), Folder()});
    calc.write(source.toUtf8());
    calc.closeWriteChannel();
    ASSERT_TRUE(calc.waitForFinished(30000));
    EXPECT_EQ(View().Text(), QString::fromUtf8(calc.readAllStandardOutput()));
}

TEST_F(MainFrameTest, CalcPaneSwitchesCalculationOff) {
    CMainFrame& frame = Start();
    QTest::mouseClick(&frame.Panes().CalcPane(), Qt::LeftButton);
    EXPECT_EQ(frame.Panes().CalcPane().text(), QStringLiteral("⛝計算OFF"));
    TypeLine(QStringLiteral("1+1"));
    EXPECT_EQ(View().Text(), QStringLiteral("1+1\n"));
    QTest::mouseClick(&frame.Panes().CalcPane(), Qt::LeftButton);
    EXPECT_EQ(frame.Panes().CalcPane().text(), QStringLiteral("∑計算ON"));
    // A long line says so in the default pane until it ends.
    emit frame.Waiting().BusyChanged(true);
    EXPECT_TRUE(frame.Panes().DefaultPane().text().startsWith(QStringLiteral("計算中")));
    emit frame.Waiting().BusyChanged(false);
    EXPECT_EQ(frame.Panes().DefaultPane().text(), QStringLiteral("レディ"));
}

TEST_F(MainFrameTest, ResultPaneCyclesFormatsCopiesAndPastes) {
    CMainFrame& frame = Start();
    QLabel& pane = frame.Panes().ResultPane();
    QTest::mouseClick(&pane, Qt::LeftButton);  // no result yet: the clipboard stays
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::mouseClick(&pane, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));

    TypeLine(QStringLiteral("255"));
    const QList<QPair<QString, QString>> formats{
        {">0000 0000 0000 00FF ", "0xFF"},
        {">0000 0000 0000 0000 0000 0000 1111 1111 ", "0b11111111"},
        {">255", "255"},
    };
    for (const auto& [shown, copied] : formats) {
        QTest::mouseClick(&pane, Qt::RightButton);
        EXPECT_EQ(pane.text(), shown);
        QApplication::sendPostedEvents();
        EXPECT_GE(pane.contentsRect().width(), pane.fontMetrics().horizontalAdvance(shown));
        // The default pane gives way, the window keeps its width.
        EXPECT_LT(frame.Panes().DefaultPane().geometry().right(), pane.geometry().left());
        EXPECT_EQ(frame.width(), 640);
        QTest::mouseClick(&pane, Qt::LeftButton);
        EXPECT_EQ(QApplication::clipboard()->text(), copied);
    }
    QTest::mouseDClick(&pane, Qt::LeftButton);
    EXPECT_EQ(View().Text(), QStringLiteral("255\n>255\n255"));
}

TEST_F(MainFrameTest, ViewTogglesHideAndShowTheirParts) {
    CMainFrame& frame = Start();
    // F2 goes to the list and back.
    QTest::keyClick(&View(), Qt::Key_F2);
    EXPECT_TRUE(frame.VariableList().List()->hasFocus());
    QTest::keyClick(frame.VariableList().List(), Qt::Key_F2);
    EXPECT_TRUE(View().hasFocus());

    frame.Action(CommandId::ViewToolbar)->trigger();
    EXPECT_FALSE(frame.StandardToolbar().isVisible());
    EXPECT_FALSE(frame.InsertToolbar().isVisible());
    EXPECT_TRUE(frame.menuBar()->isVisible());
    frame.Action(CommandId::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame.statusBar()->isVisible());
    frame.Action(CommandId::ViewVariableList)->trigger();
    EXPECT_FALSE(frame.VariableList().isVisible());
    frame.Action(CommandId::ViewWordWrap)->trigger();
    EXPECT_EQ(View().lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTest::keyClick(&View(), Qt::Key_Pause);
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (CommandId id :
         {CommandId::ViewToolbar, CommandId::ViewStatusBar, CommandId::ViewVariableList}) {
        EXPECT_FALSE(frame.Action(id)->isChecked());
        frame.Action(id)->trigger();
        EXPECT_TRUE(frame.Action(id)->isChecked());
    }
    EXPECT_TRUE(frame.StandardToolbar().isVisible() && frame.VariableList().isVisible());
    EXPECT_EQ(frame.VariableList().width(), 150);
}

TEST_F(MainFrameTest, AboutBoxShowsNameAndVersion) {
    CMainFrame& frame = Start();
    frame.Action(CommandId::AppAbout)->trigger();
    auto* about = frame.findChild<QDialog*>(QStringLiteral("CAboutDlg"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Numora"));
    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.join(u'|').contains(QStringLiteral("Numora v" NUMORA_VERSION)));
    about->accept();
}

TEST(Startup, QtsOwnTextsAreJapanese) {
    ASSERT_TRUE(InstallTranslators(App(), kLanguageJapanese));
    QMessageBox box(QMessageBox::Question, "確認", "?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "はい(&Y)");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "いいえ(&N)");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "キャンセル");
    QFontDialog fonts;
    OfferNoFontEffects(fonts);
    EXPECT_NE(fonts.windowTitle(), "Select Font");
    for (const QCheckBox* effect : fonts.findChildren<QCheckBox*>()) {
        EXPECT_FALSE(effect->isVisibleTo(&fonts)) << effect->text().toStdString();
    }
}

// A desktop switched to a dark palette recolours the open worksheet; back to light, the
// stored colours return.
TEST_F(MainFrameTest, ADarkPaletteRecoloursTheWorksheetAtOnce) {
    CMainFrame& frame = Start();
    TypeLine("1+1");
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(View().LineColor(ColorKind::Result), QColor(0x6E, 0xB4, 0xFF));
    EXPECT_EQ(View().LineColor(ColorKind::Default), QColor(0xE6, 0xE6, 0xE6));
    EXPECT_EQ(frame.Panes().CalcPane().palette().color(QPalette::WindowText),
              QColor(0x6E, 0xB4, 0xFF));
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    EXPECT_EQ(View().LineColor(ColorKind::Result), QColor(0, 0, 255));
}

TEST(Startup, VersionAndHelpNeedNoDisplay) {
    const struct {
        QString option;
        QString output;
    } rows[] = {{"--version", "Numora " NUMORA_VERSION "\n"}, {"--help", "FILE"}};
    for (const auto& row : rows) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(NUMORA_PROGRAM_PATH), {row.option});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << row.option.toStdString();
        EXPECT_EQ(program.exitCode(), 0) << row.option.toStdString();
        EXPECT_TRUE(QString::fromUtf8(program.readAllStandardOutput()).contains(row.output))
            << row.option.toStdString();
    }
}

}  // namespace
}  // namespace numora::test
