// numora-calc and the totals names: worksheet mode and -i read each worksheet of the table as
// the worksheet tests and the window do; -e lines are a worksheet of their own.
#include <filesystem>
#include <fstream>
#include <random>

#include "base/Text.h"
#include "tests/cli/calc_run.h"
#include "tests/support/totals_sheets.h"

namespace numora {
namespace {

namespace fs = std::filesystem;
using testing::Calc;

class CalcTotals : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_ / "settings"); }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        const std::u8string utf8 = (dir_ / name).u8string();
        return std::string(utf8.begin(), utf8.end());
    }
    std::string Read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Settings() const {
        const std::u8string utf8 = (dir_ / "settings").u8string();
        return std::string(utf8.begin(), utf8.end());
    }

    const fs::path dir_ =
        fs::temp_directory_path() / ("numora_totals_" + std::to_string(std::random_device{}()));
};

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

TEST_F(CalcTotals, WorksheetModeAndInPlaceReadEveryWorksheetOfTheTable) {
    for (const testing::TotalsSheet& row : testing::TotalsSheets()) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"--settings-dir", Settings(), "--digits",
                                         std::to_string(row.digits)};
        if (row.grouped) args.push_back("--group-digits");
        const std::string path = Write("sheet.txt", Utf16ToUtf8(row.sheet));
        const std::string expected = Utf16ToUtf8(row.recalculated);
        const bool fails = expected.find(">Error") != std::string::npos;
        args.push_back(path);
        const testing::CalcRun run = Calc(args);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.exitCode, fails ? 1 : 0);
        args.insert(args.end() - 1, "-i");
        EXPECT_EQ(Calc(args).exitCode, fails ? 1 : 0);
        EXPECT_EQ(Read("sheet.txt"), WithCrLf(expected));
    }
}

TEST_F(CalcTotals, ExpressionsAreTheLinesOfOneWorksheet) {
    Write("settings/Numora.ini", "");
    const std::string on = Settings();
    testing::ExpectRuns({
        {{"--settings-dir", on, "-e", "100", "-e", "200", "-e", "subtotal", "-e",
          "tax = subtotal*0.08", "-e", "total", "-e", "average"},
         0,
         "100\n200\n300\n24\n324\n24\n"},
        {{"--settings-dir", on, "-e", "average"}, 1, "Error : Division by zero\n"},
    });
    Write("settings/Numora.ini", "[Edit]\r\nTotals=0\r\n");
    testing::ExpectRuns({
        {{"--settings-dir", Settings(), "-e", "1", "-e", "total"},
         1,
         "1\nError : \"total\" is Not Variable\n"},
        {{"--settings-dir", Settings(), Write("off.txt", "1\nsubtotal\n")},
         1,
         "1\n>1\nsubtotal\n>Error : \"subtotal\" is Not Variable\n"},
    });
}

}  // namespace
}  // namespace numora
