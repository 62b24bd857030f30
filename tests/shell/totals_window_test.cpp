// Totals in the window: Recalculate All gives what numora-calc gives for every worksheet of the
// table, an edited item under automatic recalculation updates its totals in one undo step, and
// completion offers the names while the option is on.
#include "shell/SettingsApply.h"
#include "tests/cli/calc_run.h"
#include "tests/shell/main_frame_support.h"
#include "tests/support/totals_sheets.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/TypingHelp.h"

namespace numora::test {
namespace {

class TotalsWindowTest : public MainFrameTest {
protected:
    QStringList Offered() {
        QStringList rows;
        TypingHelp& help = frame_->Typing();
        if (!help.PopupShown()) return rows;
        for (const CompletionRow& row : help.Popup().Rows())
            rows << row.signature + " | " + row.help;
        return rows;
    }
};

TEST_F(TotalsWindowTest, RecalculateAllAndNumoraCalcAgreeOnEveryWorksheetOfTheTable) {
    CMainFrame& frame = Start();
    for (const testing::TotalsSheet& row : testing::TotalsSheets()) {
        SCOPED_TRACE(row.name);
        WriteFile("sheet.txt", QString::fromStdU16String(row.sheet).toUtf8());
        settings_->Digits = row.digits;
        settings_->GroupDigits = row.grouped;
        ApplyEditSettings(frame);
        View().LoadText(QString::fromStdU16String(row.sheet));
        Key(Qt::Key_R, Qt::ControlModifier);
        std::vector<std::string> args = {"--settings-dir", Folder().toStdString(), "--digits",
                                         std::to_string(row.digits)};
        if (row.grouped) args.push_back("--group-digits");
        args.push_back(FilePath("sheet.txt").toStdString());
        const testing::CalcRun calc = testing::Calc(args);
        EXPECT_EQ(View().Text().toStdString(), calc.out);
        EXPECT_EQ(View().Text(), QString::fromStdU16String(row.recalculated));
    }
}

// With the default options (no automatic recalculation) each Enter sums what is above.
TEST_F(TotalsWindowTest, EnterGivesTheTotalsOfTheLinesAbove) {
    Start();
    // Typed as a person types: each line's preview comes before its Enter.
    for (const char* line : {"100", "200", "subtotal", "tax = subtotal*0.08", "total"}) {
        QTest::keyClicks(&View(), line);
        QTest::qWait(400);
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(View().Text(),
              "100\n>100\n200\n>200\nsubtotal\n>300\ntax = subtotal*0.08\n>24\ntotal\n>324\n");
}

TEST_F(TotalsWindowTest, AnEditedItemUpdatesItsTotalsInOneUndoStep) {
    CMainFrame& frame = Start();
    settings_->AutoRecalculate = true;
    ApplyEditSettings(frame);
    for (const char* line : {"100", "200", "subtotal", "total"}) TypeLine(line);
    EXPECT_EQ(View().Text(), "100\n>100\n200\n>200\nsubtotal\n>300\ntotal\n>300\n");
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(&View(), "50");
    const QString edited = View().Text();
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), "150\n>150\n200\n>200\nsubtotal\n>350\ntotal\n>350\n");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Text(), edited);
}

TEST_F(TotalsWindowTest, CompletionOffersTheNamesWhileTheOptionIsOn) {
    CMainFrame& frame = Start();
    QTest::keyClicks(&View(), "subt");
    EXPECT_TRUE(Offered().contains("Subtotal | 上の項目の和 (空行か小計の行まで)"))
        << Offered().join("; ").toStdString();
    Key(Qt::Key_Escape);
    Key(Qt::Key_Backspace);
    settings_->Totals = false;
    ApplyEditSettings(frame);
    QTest::keyClicks(&View(), "t");
    EXPECT_TRUE(Offered().filter("Subtotal").isEmpty()) << Offered().join("; ").toStdString();
    Key(Qt::Key_Escape);
    QTest::keyClicks(&View(), "otal");
    Key(Qt::Key_Return);
    EXPECT_EQ(View().Text(), "subtotal\n>Error : \"subtotal\" is Not Variable\n");
}

}  // namespace
}  // namespace numora::test
