#pragma once
// Drives the real main window offscreen with a settings folder of its own, across as many
// window lifetimes as a test needs.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "engine/UserFunctions.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/RecentDocumentsMenu.h"
#include "shell/ShellTexts.h"
#include "shell/StatusBarPanes.h"
#include "tests/cli/calc_run.h"
#include "tests/support/qt_app_support.h"
#include "tests/support/scripted_prompter.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/WorksheetEditor.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace numora::test {

// f0 .. f40, where f40 calls f39 twice, which calls f38 twice, ...: 2^40 calls, a line that
// only ends when it is stopped.
inline void AddEndlessFunctions(UserFunctionCatalogue& functions) {
    functions.Append({u"f0", {u"x"}, u"x+1", u""});
    for (int i = 1; i <= 40; ++i) {
        const std::u16string inner = u"f" + QString::number(i - 1).toStdU16String() + u"(x)";
        functions.Append(
            {u"f" + QString::number(i).toStdU16String(), {u"x"}, inner + u"+" + inner, u""});
    }
}

// Each text of the status bar's default pane is shown whole, clear of the result pane, also
// with the counts of a worksheet longer than the pane keeps room for.
inline void ExpectStatusTextsFit(CMainFrame& frame) {
    StatusBarPanes& panes = frame.Panes();
    const QString shown[] = {texts::kCalculating(), texts::kRecalculating().arg(9472).arg(100000),
                             texts::kRecalculating().arg(999999).arg(999999),
                             texts::kRecalculating().arg(12345678).arg(12345678)};
    for (const QString& text : shown) {
        if (text == texts::kCalculating()) {
            panes.ShowBusy(true);
        } else {
            panes.ShowProgress(text);
        }
        // The pane's layout asks the bar's, which asks the window's: one round each.
        for (int round = 0; round < 3; ++round) QApplication::processEvents();
        const QLabel& pane = panes.DefaultPane();
        EXPECT_EQ(pane.text(), text);
        EXPECT_GE(pane.width(), pane.sizeHint().width()) << text.toStdString();
        EXPECT_LT(pane.geometry().right(), panes.ResultPane().geometry().left())
            << text.toStdString();
        panes.ShowProgress({});
        panes.ShowBusy(false);
    }
}

// No text of the status bar sets the window's width (a window started at a saved 600 pixels,
// narrower than the first start's 640): a binary result, a long worksheet's progress and a long
// message leave it as it is and as narrow as it may be made, the panes side by side.
inline void ExpectStatusTextsKeepTheWidth(CMainFrame& frame) {
    StatusBarPanes& panes = frame.Panes();
    ASSERT_EQ(frame.width(), 600);
    panes.SetFormat(2);
    panes.ShowProgress(texts::kRecalculating().arg(12345678).arg(12345678));
    for (int round = 0; round < 3; ++round) QApplication::processEvents();
    EXPECT_EQ(frame.width(), 600);
    EXPECT_LE(frame.minimumSizeHint().width(), 600);
    EXPECT_LE(panes.DefaultPane().geometry().right(), panes.ResultPane().geometry().left());
    EXPECT_LE(panes.ResultPane().geometry().right(), panes.CalcPane().geometry().left());
    panes.ShowNotice(texts::kResultsStopped() + texts::kResultsStopped());
    for (int round = 0; round < 3; ++round) QApplication::processEvents();
    EXPECT_EQ(frame.width(), 600);
    EXPECT_LE(frame.minimumSizeHint().width(), 600);
    panes.ShowProgress({});
    panes.SetFormat(0);
}

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() {
        App();
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        // The toolkit's own settings (the file dialog's) too, never the developer's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_.path());
#ifdef Q_OS_WIN
        // Windows: the settings folder comes from APPDATA, and the recent list from the
        // registry, in a key of this test's own (tests run side by side).
        qputenv("APPDATA", home_.path().toUtf8());
        RecentDocumentsMenu::SetRegistryKey(kTestKeys + u'\\' + RegistryName());
#endif
    }
    ~MainFrameTest() override {
        if (frame_) frame_->close();
#ifdef Q_OS_WIN
        frame_.reset();
        QSettings(kTestKeys, QSettings::NativeFormat).remove(RegistryName());
#endif
    }

    // A new window lifetime over the same settings folder.
    CMainFrame& Start() {
        frame_.reset();
        settings_ = std::make_unique<Settings>();
        frame_ = std::make_unique<CMainFrame>(*settings_);
        frame_->show();
        QApplication::setActiveWindow(frame_.get());  // keys reach the window's shortcuts
        frame_->View().setFocus();
        return *frame_;
    }
    // Closes as the user does; false when the window stayed open.
    bool Close() {
        const bool closed = frame_->close();
        if (closed) frame_.reset();
        return closed;
    }

    QString Folder() const { return home_.path() + QStringLiteral("/Numora"); }
    QString FilePath(const QString& name) const { return Folder() + u'/' + name; }
    // Where the window keeps its recent list: the registry on Windows, RecentDocuments.ini
    // in the settings folder elsewhere.
    std::unique_ptr<QSettings> RecentStore() const {
#ifdef Q_OS_WIN
        return std::make_unique<QSettings>(kTestKeys + u'\\' + RegistryName(),
                                           QSettings::NativeFormat);
#else
        return std::make_unique<QSettings>(FilePath("RecentDocuments.ini"), QSettings::IniFormat);
#endif
    }
    QByteArray ReadFile(const QString& name) const {
        QFile file(FilePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QString& name, const QByteArray& bytes) const {
        std::filesystem::create_directories(Folder().toStdString());
        QFile file(FilePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    WorksheetEditor& View() { return frame_->View(); }
    // Types a line at the end of the worksheet and presses Enter.
    void TypeLine(const QString& text) {
        QTest::keyClick(&View(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(&View(), text);
        QTest::keyClick(&View(), Qt::Key_Return);
    }
    QString ResultPane() { return frame_->Panes().ResultPane().text(); }
    // Recalculate All on `sheet` in the window gives `recalculated`, as numora-calc with the
    // window's settings folder does.
    void ExpectRecalculateAllAsNumoraCalc(const std::u16string& sheet,
                                          const std::u16string& recalculated) {
        WriteFile("sheet.txt", QString::fromStdU16String(sheet).toUtf8());
        View().LoadText(QString::fromStdU16String(sheet));
        QTest::keyClick(&View(), Qt::Key_R, Qt::ControlModifier);
        const testing::CalcRun calc = testing::Calc(
            {"--settings-dir", Folder().toStdString(), FilePath("sheet.txt").toStdString()});
        EXPECT_EQ(View().Text().toStdString(), calc.out);
        EXPECT_EQ(View().Text(), QString::fromStdU16String(recalculated));
    }
    // Types any text as keys, those an input method commits (kana, kanji) included.
    void Type(const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(&View(), c.toLatin1());
                continue;
            }
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(&View(), &key);
            }
        }
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&View(), key, modifiers);
    }

#ifdef Q_OS_WIN
    static inline const QString kTestKeys =
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvanta\\NumoraTests");
    // The temporary folder's own name is unique among the tests running at once.
    QString RegistryName() const { return QFileInfo(home_.path()).fileName(); }
#endif

    QTemporaryDir home_;
    ScriptedPrompter prompter_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace numora::test
