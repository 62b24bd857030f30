// numora-calc in worksheet mode: FILE, standard input, -i FILE and the settings folder.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/cli/calc_run.h"

namespace numora {
namespace {

namespace fs = std::filesystem;
using testing::Calc;
using testing::Quote;

class CalcWorksheet : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    // Writes the file and returns its quoted path.
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return Quote((dir_ / name).string());
    }
    std::string Read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const fs::path dir_ = fs::temp_directory_path() / ("numora_sheet_" + std::to_string(getpid()));
};

TEST_F(CalcWorksheet, PrintsTheRecalculatedSheetOrFailsWithTwo) {
    const std::string sheet = Write("sheet.txt", "a = 1.5\r\n>0\r\n// note\r\na * 4\r\n");
    const std::string failing = Write("failing.txt", "1/3\n1/0\n");
    const std::string bad = Write("bad.txt", "1+2\n\xff\xfe\n");
    const std::string done = "a = 1.5\n>1.5\n// note\na * 4\n>6\n";
    testing::ExpectRuns({
        {sheet, 0, done},
        {"- < " + sheet, 0, done},
        {"< " + sheet, 0, done},
        {"--digits 3 " + failing, 1, "1/3\n>0.333\n1/0\n>Error : Division by zero\n"},
        {bad, 2, ""},
        {"< " + bad, 2, ""},
        {"-i " + bad, 2, ""},
        {Quote((dir_ / "missing.txt").string()), 2, ""},
        {"-i " + Quote(dir_.string()), 2, ""},
    });
    EXPECT_EQ(Read("bad.txt"), "1+2\n\xff\xfe\n");
}

TEST_F(CalcWorksheet, InPlaceRewritesWithCrLf) {
    const testing::CalcRun run = Calc("-i " + Write("sheet.txt", "a = 1.5\r\n>0\na * 4"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Read("sheet.txt"), "a = 1.5\r\n>1.5\r\na * 4\r\n>6\r\n");
}

// -i rewrites what a save may rewrite (through a link, under a long name) and refuses the rest
// with the reason, before reading anything.
TEST_F(CalcWorksheet, InPlaceRefusesWhatASaveWouldNot) {
    Write("target.txt", "1+1");
    fs::create_symlink("target.txt", dir_ / "link.txt");
    const std::string longName(250, 'w');
    Write(longName, "2+2");
    Write("readonly.txt", "3+3");
    fs::permissions(dir_ / "readonly.txt", fs::perms::owner_read | fs::perms::group_read);
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
    const struct {
        std::string name;
        int exitCode;
        std::string reason;
    } cases[] = {
        {"link.txt", 0, ""},
        {longName, 0, ""},
        {"readonly.txt", 2, "cannot be written: the file is read-only"},
        {"fifo", 2, "cannot be written: not a regular file"},
        {"missing.txt", 2, "cannot be read: no such file or folder"},
    };
    for (const auto& c : cases) {
        const std::string path = (dir_ / c.name).string();
        const testing::CalcRun run = Calc("-i " + Quote(path), /*withStderr=*/true);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.out, c.reason.empty() ? "" : "numora-calc: " + path + ": " + c.reason + "\n");
    }
    EXPECT_EQ(Read("target.txt"), "1+1\r\n>2\r\n");
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
    EXPECT_EQ(Read(longName), "2+2\r\n>4\r\n");
    EXPECT_EQ(Read("readonly.txt"), "3+3");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 5);
}

// Digits and options from Numora.ini, functions from UserFunction.dat; command-line options
// win; an empty folder gives the defaults and is left empty; a missing one is an error.
TEST_F(CalcWorksheet, SettingsFolder) {
    Write("Numora.ini", "[Edit]\r\nDigits=5\r\nOption=48\r\n");
    Write("UserFunction.dat", "Twice\tx\tx*2\tdoubles\r\n");
    fs::create_directories(dir_ / "empty");
    const std::string dir = "--settings-dir " + Quote(dir_.string()) + " ";
    const std::string empty = "--settings-dir " + Quote((dir_ / "empty").string()) + " ";
    testing::ExpectRuns({
        {dir + "-e 1/3 -e -2^2 -e 'twice(4)' -e 'LogN(2;1024)'", 1,
         "0.33333\n4\n8\nError : \"logn\" is Not Function\n"},
        {dir + "--digits 2 -e 1/3", 0, "0.33\n"},
        // Option bit 4: Enter on a result line evaluates its content instead of copying it.
        {dir + Write("sheet.txt", ">1+1\n"), 0, ">1+1\n>2\n"},
        {empty + "-e 'LogN(2;1024)' -e 1/3", 0, "10\n0.33333333333333333333333333333333\n"},
        {"--settings-dir " + Quote((dir_ / "missing").string()) + " -e 1", 2, ""},
    });
    EXPECT_TRUE(fs::is_empty(dir_ / "empty"));
}

}  // namespace
}  // namespace numora
