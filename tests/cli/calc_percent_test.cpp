// numora-calc and percentages: the worksheets of the table read as the worksheet tests read
// them, with the options from Numora.ini, and the ini keys switch them as they do for the window.
#include <filesystem>
#include <fstream>
#include <random>

#include "base/Text.h"
#include "tests/cli/calc_run.h"
#include "tests/support/percent_sheets.h"

namespace numora {
namespace {

namespace fs = std::filesystem;
using testing::Calc;

using CalcPercent = testing::CalcFolder;

TEST_F(CalcPercent, WorksheetModeReadsEveryWorksheetOfTheTable) {
    for (const testing::PercentSheet& row : testing::PercentSheets()) {
        SCOPED_TRACE(row.name);
        Write(dir_ / "settings" / "Numora.ini", row.IniText());
        const std::string expected = Utf16ToUtf8(row.recalculated);
        const std::string sheet = Write(dir_ / "sheet.txt", Utf16ToUtf8(row.sheet));
        const testing::CalcRun run = Calc({"--settings-dir", Settings(), sheet});
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.exitCode, expected.find(">Error") != std::string::npos ? 1 : 0);
    }
}

TEST_F(CalcPercent, TheIniKeysSwitchTheOptions) {
    struct Case {
        const char* ini;  // Numora.ini's text; nullptr for no file
        const char* out;
        int exitCode;
    };
    const Case cases[] = {
        {nullptr, "1320\n98\n123456789\n", 0},
        {"[Edit]\r\nPercent=1\r\nTaxRate=8\r\nTaxRounding=1\r\n", "1320\n79\n123456789\n", 0},
        {"[view]\r\nmyriadgrouping=1\r\n", "1320\n98\n1億2345万6789\n", 0},
        {"[edit]\r\npercent=0\r\n",
         "Error : Illegal Expression\nError : \"tax\" is Not Function\nError : Illegal Character\n",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini ? c.ini : "no ini");
        fs::remove(dir_ / "settings" / "Numora.ini");
        if (c.ini != nullptr) Write(dir_ / "settings" / "Numora.ini", c.ini);
        const testing::CalcRun run = Calc({"--settings-dir", Settings(), "-e", "1200 + 10%", "-e",
                                           "Tax(985)", "-e", "1億2345万6789"});
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(CalcPercentManual, SaysWhereTheOptionsLive) {
    std::ifstream in(NUMORA_CALC_MANPAGE, std::ios::binary);
    const std::string page(std::istreambuf_iterator<char>(in), {});
    for (const char* key : {".B Percent=0", ".B TaxRate", ".B TaxRounding", ".B MyriadGrouping=1"}) {
        EXPECT_NE(page.find(key), std::string::npos) << key;
    }
}

}  // namespace
}  // namespace numora
