// Units in the window: the option reaches every way a line is calculated (Enter, the live
// preview, Recalculate All, automatic recalculation, new options), Recalculate All gives what
// numora-calc gives, off every line reads as it always did, and completion offers the units in
// square brackets.
#include <QSignalSpy>

#include "shell/SettingsApply.h"
#include "shell/ShellHandlers.h"
#include "tests/shell/main_frame_support.h"
#include "tests/support/unit_sheets.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/TypingHelp.h"

namespace numora::test {
namespace {

class UnitsWindowTest : public MainFrameTest {
protected:
    void TypeUnitLine(const QString& text) {
        Key(Qt::Key_End, Qt::ControlModifier);
        Type(text);
        Key(Qt::Key_Return);
    }
    CMainFrame& StartWithUnits(bool on) {
        CMainFrame& frame = Start();
        settings_->Units = on;
        ApplyEditSettings(frame);
        return frame;
    }
    QStringList Offered() {
        QStringList rows;
        TypingHelp& help = frame_->Typing();
        if (!help.PopupShown()) return rows;
        for (const CompletionRow& row : help.Popup().Rows())
            rows << row.signature + " | " + row.help;
        return rows;
    }
    QString Preview() {
        QSignalSpy finished(&frame_->Previewer(), &LinePreviewer::Finished);
        if (!finished.wait(2000)) return QStringLiteral("(no preview ran)");
        return View().PreviewShown();
    }
};

TEST_F(UnitsWindowTest, EnterCalculatesUnitsWhileTheOptionIsOnAndAsAlwaysWhileOff) {
    const struct {
        const char* line;
        const char* on;
        const char* off;
    } rows[] = {
        {"5[ft] + 2[in] -> [cm]", ">157.48 [cm]", ">Error : Illegal Character"},
        {"33[尺] -> [m]", ">10 [m]", ">Error : Illegal Character"},
        {"1[kg] -> [m]", ">Error : Cannot Convert [kg] to [m]", ">Error : Illegal Character"},
        {"2*3", ">6", ">6"},
    };
    for (const bool on : {true, false}) {
        StartWithUnits(on);
        QString expected;
        for (const auto& row : rows) {
            TypeUnitLine(QString::fromUtf8(row.line));
            expected += QString::fromUtf8(row.line) + u'\n' +
                        QString::fromUtf8(on ? row.on : row.off) + u'\n';
        }
        EXPECT_EQ(View().Text(), expected) << (on ? "on" : "off");
    }
}

TEST_F(UnitsWindowTest, RecalculateAllAndNumoraCalcAgreeOnEveryWorksheetOfTheTable) {
    Start();
    for (const testing::UnitSheet& row : testing::UnitSheets()) {
        SCOPED_TRACE(row.name);
        ExpectRecalculateAllAsNumoraCalc(row.sheet, row.recalculated);
    }
}

TEST_F(UnitsWindowTest, TheOptionIsOnByDefault) {
    Start();
    EXPECT_TRUE(settings_->Units);
    TypeLine("d = 5[km]");
    TypeLine("d -> [m]");
    EXPECT_EQ(View().Text(), "d = 5[km]\n>5 [km]\nd -> [m]\n>5000 [m]\n");
}

// On, the preview is what Enter writes; off, the line is an error, which is never previewed.
TEST_F(UnitsWindowTest, ThePreviewShowsWhatEnterWrites) {
    for (const bool on : {true, false}) {
        StartWithUnits(on);
        QTest::keyClicks(&View(), "1[ft] -> [in]");
        EXPECT_EQ(Preview(), on ? "12 [in]" : "");
        Key(Qt::Key_Return);
        EXPECT_EQ(View().Text(),
                  on ? "1[ft] -> [in]\n>12 [in]\n" : "1[ft] -> [in]\n>Error : Illegal Character\n");
    }
}

TEST_F(UnitsWindowTest, RecalculateAllCarriesQuantities) {
    for (const bool on : {true, false}) {
        StartWithUnits(on);
        View().LoadText("w = 3[m]\n>0\nw * 2[m]\n>0\n");
        Key(Qt::Key_R, Qt::ControlModifier);
        EXPECT_EQ(View().Text(), on ? "w = 3[m]\n>3 [m]\nw * 2[m]\n>6 [m²]\n"
                                    : "w = 3[m]\n>Error : Illegal Character\nw * 2[m]\n"
                                      ">Error : \"w\" is Not Variable\n");
    }
}

// Under automatic recalculation an edited quantity updates the lines below, and switching the
// option in the options dialog calculates them again at once.
TEST_F(UnitsWindowTest, AutomaticRecalculationAndNewOptionsCarryQuantities) {
    CMainFrame& frame = Start();
    settings_->AutoRecalculate = true;
    ApplyEditSettings(frame);
    TypeLine("d = 5[km]");
    TypeLine("d -> [m]");
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(&View(), "mi]");
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), "d = 5[mi]\n>5 [mi]\nd -> [m]\n>8046.72 [m]\n");

    settings_->Units = false;
    ApplyOptions(frame, false);
    EXPECT_EQ(View().Text(),
              "d = 5[mi]\n>Error : Illegal Character\nd -> [m]\n>Error : \"d\" is Not Variable\n");
    settings_->Units = true;
    ApplyOptions(frame, false);
    EXPECT_EQ(View().Text(), "d = 5[mi]\n>5 [mi]\nd -> [m]\n>8046.72 [m]\n");
}

TEST_F(UnitsWindowTest, CompletionOffersTheUnitsThatFitWhatIsTyped) {
    CMainFrame& frame = Start();
    QTest::keyClicks(&View(), "5[");
    ASSERT_FALSE(Offered().isEmpty());
    EXPECT_EQ(Offered().first(), "m | メートル");
    QTest::keyClicks(&View(), "k");
    EXPECT_EQ(Offered().mid(0, 2),
              (QStringList{"km | キロメートル = 1000 m", "kg | キログラム = 1000 g"}));
    Key(Qt::Key_Down);
    Key(Qt::Key_Tab);
    EXPECT_EQ(View().Text(), "5[kg");
    EXPECT_FALSE(frame.Typing().PopupShown());
    // A name typed in another case becomes the unit's own; Japan's units come by their readings.
    QTest::keyClicks(&View(), "] -> [LB");
    EXPECT_EQ(Offered(), QStringList{"lb | ポンド = 0.45359237 kg"});
    Key(Qt::Key_Tab);
    Type("] + 1[しゃ");
    EXPECT_EQ(Offered(), QStringList{"尺 | 尺 (しゃく) = 10/33 m"});
    Key(Qt::Key_Tab);
    EXPECT_EQ(View().Text(), "5[kg] -> [lb] + 1[尺");
    // After a join in the bracket too.
    QTest::keyClicks(&View(), "/");
    EXPECT_EQ(Offered().first(), "m | メートル");
    Key(Qt::Key_Escape);

    // Off, a bracket is only a bracket.
    settings_->Units = false;
    ApplyEditSettings(frame);
    Key(Qt::Key_Return);
    QTest::keyClicks(&View(), "5[km");
    EXPECT_TRUE(Offered().filter("キロメートル").isEmpty()) << Offered().join("; ").toStdString();
}

}  // namespace
}  // namespace numora::test
