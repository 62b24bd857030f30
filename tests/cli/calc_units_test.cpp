// numora-calc and units: the worksheets of the table read as the worksheet tests read them, and
// [Edit] Units in Numora.ini switches brackets on and off as it does for the window.
#include <filesystem>
#include <fstream>
#include <random>

#include "base/Text.h"
#include "tests/cli/calc_run.h"
#include "tests/support/unit_sheets.h"

namespace numora {
namespace {

namespace fs = std::filesystem;
using testing::Calc;

using CalcUnits = testing::CalcFolder;

TEST_F(CalcUnits, WorksheetModeReadsEveryWorksheetOfTheTable) {
    for (const testing::UnitSheet& row : testing::UnitSheets()) {
        SCOPED_TRACE(row.name);
        const std::string expected = Utf16ToUtf8(row.recalculated);
        const std::string sheet = Write(dir_ / "sheet.txt", Utf16ToUtf8(row.sheet));
        const testing::CalcRun run = Calc({"--settings-dir", Settings(), sheet});
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.exitCode, expected.find(">Error") != std::string::npos ? 1 : 0);
    }
}

TEST_F(CalcUnits, TheIniKeySwitchesUnits) {
    struct Case {
        const char* ini;  // Numora.ini's text; nullptr for no file
        const char* out;
        int exitCode;
    };
    const Case cases[] = {
        {nullptr, "10 [m]\n500 [cm]\n", 0},
        {"[Edit]\r\nUnits=1\r\n", "10 [m]\n500 [cm]\n", 0},
        {"[edit]\r\nunits=0\r\n", "Error : Illegal Character\nError : Illegal Character\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini ? c.ini : "no ini");
        fs::remove(dir_ / "settings" / "Numora.ini");
        if (c.ini != nullptr) Write(dir_ / "settings" / "Numora.ini", c.ini);
        const testing::CalcRun run =
            Calc({"--settings-dir", Settings(), "-e", "10[m]", "-e", "5[m] -> [cm]"});
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(CalcUnitsManual, SaysWhereTheOptionLives) {
    std::ifstream in(NUMORA_CALC_MANPAGE, std::ios::binary);
    const std::string page(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(page.find(".B Units=0"), std::string::npos);
}

}  // namespace
}  // namespace numora
