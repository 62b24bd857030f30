// Percentages, tax and 万 in a worksheet: Enter line by line (with and without automatic
// recalculation), Recalculate All and the live preview read every worksheet of the table alike,
// under the options of its row.
#include "tests/support/percent_sheets.h"
#include "tests/worksheet/sheet_agreement.h"

namespace numora::test {
namespace {

EvalOptions OptionsOf(const testing::PercentSheet& row) {
    return {.Percent = row.percent,
            .TaxRate = row.taxRate,
            .TaxRounding = row.taxRounding,
            .MyriadGrouping = row.myriad};
}

TEST(PercentSheets, EveryWorksheetReadsTheSameHoweverItIsCalculated) {
    for (const testing::PercentSheet& row : testing::PercentSheets()) {
        SCOPED_TRACE(row.name);
        ExpectEveryWayAlike(row.sheet, row.recalculated, OptionsOf(row));
    }
}

TEST(PercentSheets, PreviewShowsWhatEnterWrites) {
    for (const testing::PercentSheet& row : testing::PercentSheets()) {
        SCOPED_TRACE(row.name);
        EXPECT_GT(ExpectPreviewShowsEnter(row.sheet, OptionsOf(row)), 0);
    }
}

}  // namespace
}  // namespace numora::test
