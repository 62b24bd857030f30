// Quantities in a worksheet: Enter line by line (with and without automatic recalculation),
// Recalculate All and the live preview read every worksheet of the table alike, the variable
// list shows the units, and with units off a bracket is the error it always was.
#include "tests/support/unit_sheets.h"
#include "tests/worksheet/sheet_agreement.h"
#include "worksheet/VariableList.h"

namespace numora::test {
namespace {

constexpr EvalOptions kUnitsOn{.Units = true};

TEST(UnitSheets, EveryWorksheetReadsTheSameHoweverItIsCalculated) {
    for (const testing::UnitSheet& row : testing::UnitSheets()) {
        SCOPED_TRACE(row.name);
        ExpectEveryWayAlike(row.sheet, row.recalculated, kUnitsOn);
    }
}

TEST(UnitSheets, PreviewShowsWhatEnterWrites) {
    for (const testing::UnitSheet& row : testing::UnitSheets()) {
        SCOPED_TRACE(row.name);
        EXPECT_GT(ExpectPreviewShowsEnter(row.sheet, kUnitsOn), 1);
    }
}

TEST(UnitSheets, VariableListShowsQuantities) {
    const std::u16string sheet = u"d = 5[km]\nn = 2\nt = 20[°C]\nd = d -> [m]\n";
    VariableListModel list;
    RecalculatedUnder(sheet, kUnitsOn, &list);
    std::vector<std::u16string> texts;
    for (const VariableListEntry& e : list.Entries()) texts.push_back(e.text);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"d=5000 [m]", u"n=2", u"t=20 [°C]"}));

    // Line by line, and after a line is taken back under automatic recalculation.
    EnteredSheet s(u"d = 5[km]\nd = 2[mi]\n", kUnitsOn);
    s.sheet.SetAutoRecalculate(true);
    s.EnterOnEveryLine();
    VariableListModel followed;
    followed.Follow(s.sheet.Assigned(), s.sheet.AssignedFromTop(), s.sheet.Engine());
    ASSERT_EQ(followed.Count(), 1u);
    EXPECT_EQ(followed.Text(0), u"d=2 [mi]");
    VariableListModel refreshed;
    refreshed.Refresh(s.sheet.Engine());
    ASSERT_EQ(refreshed.Count(), 1u);
    EXPECT_EQ(refreshed.Text(0), u"d=2 [mi]");
}

TEST(UnitSheets, UnitsOffLeavesBracketsErrors) {
    EnteredSheet s(u"10[m]\n1[m] -> [cm]\n", {});
    s.EnterOnEveryLine();
    EXPECT_EQ(s.Text(),
              "10[m]\n>Error : Illegal Character\n1[m] -> [cm]\n>Error : Illegal Character\n");
}

}  // namespace
}  // namespace numora::test
