// numora-calc in worksheet mode: FILE, standard input, -i FILE and the settings folder.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "tests/cli/calc_run.h"

namespace numora {
namespace {

namespace fs = std::filesystem;
using testing::Calc;

class CalcWorksheet : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    // Writes the file and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Path(const std::string& name) const {
        const std::u8string utf8 = (dir_ / name).u8string();
        return std::string(utf8.begin(), utf8.end());
    }
    std::string Read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const fs::path dir_ =
        fs::temp_directory_path() / ("numora_sheet_" + std::to_string(std::random_device{}()));
};

TEST_F(CalcWorksheet, PrintsTheRecalculatedSheetOrFailsWithTwo) {
    const std::string sheet = Write("sheet.txt", "a = 1.5\r\n>0\r\n// note\r\na * 4\r\n");
    const std::string failing = Write("failing.txt", "1/3\n1/0\n");
    const std::string bad = Write("bad.txt", "1+2\n\xff\xfe\n");
    const std::string done = "a = 1.5\n>1.5\n// note\na * 4\n>6\n";
    testing::ExpectRuns({
        {{sheet}, 0, done},
        {{"-"}, 0, done, sheet},
        {{}, 0, done, sheet},
        {{"--digits", "3", failing}, 1, "1/3\n>0.333\n1/0\n>Error : Division by zero\n"},
        // "--" ends the options; what follows is the worksheet.
        {{"--digits", "1", "--", sheet}, 0, "a = 1.5\n>2\n// note\na * 4\n>6\n"},
        {{"--", "-"}, 0, done, sheet},
        {{"--", sheet, "-e"}, 2, ""},
        {{bad}, 2, ""},
        {{}, 2, "", bad},
        // Windows ends a text-mode stream at a Ctrl+Z byte; a worksheet is read to its end.
        {{}, 0, "// \x1A\n2+2\n>4\n", Write("ctrl-z.txt", "// \x1A\r\n2+2\r\n")},
        {{"-i", bad}, 2, ""},
        {{Path("missing.txt")}, 2, ""},
        {{"-i", Path("")}, 2, ""},
    });
    EXPECT_EQ(Read("bad.txt"), "1+2\n\xff\xfe\n");
}

TEST_F(CalcWorksheet, InPlaceRewritesWithCrLf) {
    const testing::CalcRun run = Calc({"-i", Write("sheet.txt", "a = 1.5\r\n>0\na * 4")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Read("sheet.txt"), "a = 1.5\r\n>1.5\r\na * 4\r\n>6\r\n");
}

// -i rewrites what a save may rewrite (through a link, under a long name) and refuses the rest
// with the reason, before reading anything.
TEST_F(CalcWorksheet, InPlaceRefusesWhatASaveWouldNot) {
    Write("target.txt", "1+1");
    const std::string longName(250, 'w');
    Write(longName, "2+2");
    Write("readonly.txt", "3+3");
    fs::permissions(dir_ / "readonly.txt", fs::perms::owner_read | fs::perms::group_read);
    struct Case {
        std::string name;
        int exitCode;
        std::string reason;
    };
    std::vector<Case> cases = {
        {longName, 0, ""},
        {"readonly.txt", 2, "cannot be written: the file is read-only"},
        {"missing.txt", 2, "cannot be read: no such file or folder"},
    };
#ifndef _WIN32
    fs::create_symlink("target.txt", dir_ / "link.txt");
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
    cases.push_back({"link.txt", 0, ""});
    cases.push_back({"fifo", 2, "cannot be written: is a named pipe"});
#endif
    for (const auto& c : cases) {
        const testing::CalcRun run = Calc({"-i", Path(c.name)}, {}, /*withStderr=*/true);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.out,
                  c.reason.empty() ? "" : "numora-calc: " + Path(c.name) + ": " + c.reason + "\n");
    }
    EXPECT_EQ(Read(longName), "2+2\r\n>4\r\n");
    EXPECT_EQ(Read("readonly.txt"), "3+3");
    fs::permissions(dir_ / "readonly.txt", fs::perms::owner_write, fs::perm_options::add);
#ifndef _WIN32
    EXPECT_EQ(Read("target.txt"), "1+1\r\n>2\r\n");
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 5);
#else
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 3);
#endif
}

// Only regular files are read, never waiting for a writer and never more than a worksheet can
// hold: each is refused at once with its reason.
TEST_F(CalcWorksheet, ReadsOnlyRegularFilesOfAWorksheetsSize) {
    fs::create_directories(dir_ / "folder");
    Write("sparse.txt", "");
    fs::resize_file(dir_ / "sparse.txt", 3'000'000'000);  // takes no room, and no time to refuse
    std::vector<std::pair<std::string, std::string>> cases = {
        {Path("folder"), "cannot be read: is a folder"},
        {Path("sparse.txt"), "too large: a worksheet file holds at most 2147483647 bytes"},
    };
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
    cases.push_back({Path("fifo"), "cannot be read: is a named pipe"});
    cases.push_back({"/dev/zero", "cannot be read: is a device"});
#endif
    for (const auto& [path, reason] : cases) {
        const testing::CalcRun run = Calc({path}, {}, /*withStderr=*/true);
        EXPECT_EQ(run.exitCode, 2) << path;
        EXPECT_EQ(run.out, "numora-calc: " + path + ": " + reason + "\n");
    }
}

// Digits and options from Numora.ini, functions from UserFunction.dat; command-line options
// win; an empty folder gives the defaults and is left empty; a missing one is an error.
TEST_F(CalcWorksheet, SettingsFolder) {
    Write("Numora.ini", "[Edit]\r\nDigits=5\r\nOption=48\r\n");
    Write("UserFunction.dat", "Twice\tx\tx*2\tdoubles\r\n");
    fs::create_directories(dir_ / "empty");
    const std::string dir = Path(""), empty = Path("empty");
    testing::ExpectRuns({
        {{"--settings-dir", dir, "-e", "1/3", "-e", "-2^2", "-e", "twice(4)", "-e", "LogN(2;1024)"},
         1,
         "0.33333\n4\n8\nError : \"logn\" is Not Function\n"},
        {{"--settings-dir", dir, "--digits", "2", "-e", "1/3"}, 0, "0.33\n"},
        // Option bit 4: Enter on a result line evaluates its content instead of copying it.
        {{"--settings-dir", dir, Write("sheet.txt", ">1+1\n")}, 0, ">1+1\n>2\n"},
        {{"--settings-dir", empty, "-e", "LogN(2;1024)", "-e", "1/3"},
         0,
         "10\n0.33333333333333333333333333333333\n"},
        {{"--settings-dir", Path("missing"), "-e", "1"}, 2, ""},
    });
    EXPECT_TRUE(fs::is_empty(dir_ / "empty"));
}

}  // namespace
}  // namespace numora
