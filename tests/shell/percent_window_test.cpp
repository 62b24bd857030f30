// Percentages, tax and 万/億 in the window: the options reach the lines typed, the preview and
// the status bar; off, every line reads as it always did; completion offers the tax functions.
#include <QSignalSpy>

#include "shell/SettingsApply.h"
#include "shell/ShellHandlers.h"
#include "tests/shell/main_frame_support.h"
#include "tests/support/percent_sheets.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/TypingHelp.h"

namespace numora::test {
namespace {

class PercentWindowTest : public MainFrameTest {
protected:
    void Enter(const QString& text) {
        Key(Qt::Key_End, Qt::ControlModifier);
        Type(text);
        Key(Qt::Key_Return);
    }
    QStringList Offered() {
        QStringList rows;
        TypingHelp& help = frame_->Typing();
        if (!help.PopupShown()) return rows;
        for (const CompletionRow& row : help.Popup().Rows()) rows << row.signature;
        return rows;
    }
};

TEST_F(PercentWindowTest, EnterCalculatesWhileTheOptionIsOnAndAsAlwaysWhileOff) {
    const struct {
        const char* line;
        const char* on;
        const char* off;
    } rows[] = {
        {"1200 + 10%", ">1320", ">Error : Illegal Expression"},
        {"Tax(105*3)", ">31", ">Error : \"tax\" is Not Function"},
        {"消費税(1000; 8%)", ">80", ">Error : Illegal Expression"},
        {"消費税(1000)", ">100", ">Error : \"消費税\" is Not Function"},
        {"3万5千", ">35000", ">Error : Illegal Character"},
        {"7%3", ">1", ">1"},
    };
    for (const bool on : {true, false}) {
        CMainFrame& frame = Start();
        EXPECT_TRUE(settings_->Percent);  // on by default
        settings_->Percent = on;
        ApplyEditSettings(frame);
        QString expected;
        for (const auto& row : rows) {
            Enter(QString::fromUtf8(row.line));
            expected += QString::fromUtf8(row.line) + u'\n' +
                        QString::fromUtf8(on ? row.on : row.off) + u'\n';
        }
        EXPECT_EQ(View().Text(), expected) << (on ? "on" : "off");
    }
}

// Each worksheet of the table under its options: Recalculate All in the window, with the options
// as the options dialog leaves them, gives what numora-calc gives with them in the ini.
TEST_F(PercentWindowTest, RecalculateAllAndNumoraCalcAgreeOnEveryWorksheetOfTheTable) {
    CMainFrame& frame = Start();
    for (const testing::PercentSheet& row : testing::PercentSheets()) {
        SCOPED_TRACE(row.name);
        settings_->Percent = row.percent;
        settings_->TaxRate = row.taxRate;
        settings_->TaxRounding = row.taxRounding;
        settings_->MyriadGrouping = row.myriad;
        ASSERT_TRUE(settings_->Save());
        ApplyEditSettings(frame);
        ExpectRecalculateAllAsNumoraCalc(row.sheet, row.recalculated);
    }
}

// The rate and rounding of the options dialog are the defaults of a call; the grouping in 万
// and 億 shows in the result line and the preview while the status bar keeps the decimal.
TEST_F(PercentWindowTest, TaxSettingsAndMyriadGroupingReachTheLines) {
    CMainFrame& frame = Start();
    settings_->TaxRate = 8;
    settings_->TaxRounding = 0;
    settings_->MyriadGrouping = true;
    ApplyEditSettings(frame);
    Enter("Tax(1234)");
    Enter("123456789");
    EXPECT_EQ(ResultPane(), ">123456789");
    QSignalSpy finished(&frame.Previewer(), &LinePreviewer::Finished);
    Type("1.5億");
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_EQ(View().PreviewShown(), "1億5000万");
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), "Tax(1234)\n>99\n123456789\n>1億2345万6789\n1.5億\n>1億5000万\n");
}

TEST_F(PercentWindowTest, CompletionOffersTheTaxFunctionsWhileTheOptionIsOn) {
    CMainFrame& frame = Start();
    QTest::keyClicks(&View(), "TaxP");
    EXPECT_EQ(Offered().value(0).left(8), "TaxPlus(");
    Key(Qt::Key_Escape);
    Type(" + 消費");
    EXPECT_TRUE(Offered().value(0).startsWith(QStringLiteral("消費税("))) << Offered().join("; ").toStdString();
    Key(Qt::Key_Escape);
    Key(Qt::Key_Return);
    settings_->Percent = false;
    ApplyEditSettings(frame);
    QTest::keyClicks(&View(), "TaxP");
    EXPECT_TRUE(Offered().filter("TaxPlus").isEmpty()) << Offered().join("; ").toStdString();
}

}  // namespace
}  // namespace numora::test
