// numora-calc in worksheet mode: FILE, standard input and -i FILE.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CalcRun {
    int exitCode = -1;
    std::string out;
};

// Runs numora-calc with `args` (already quoted where needed) and a shell redirection tail.
CalcRun Calc(const std::string& args) {
    const std::string command = std::string("'") + NUMORA_CALC_PATH + "' " + args + " 2>/dev/null";
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class CalcWorksheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("numora_sheet_" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return "'" + path.string() + "'";
    }
    std::string Read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

const char kSheet[] = "a = 1.5\r\n>0\r\n// note\r\na * 4\r\n";
const char kRecalculated[] = "a = 1.5\n>1.5\n// note\na * 4\n>6\n";

TEST_F(CalcWorksheetTest, FileOrStandardInputPrintsTheWorksheet) {
    const std::string file = Write("sheet.txt", kSheet);
    for (const std::string& args : {file, "- < " + file, "< " + file}) {
        SCOPED_TRACE(args);
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, kRecalculated);
    }
}

TEST_F(CalcWorksheetTest, FailingLineGivesOneAndIsStillWritten) {
    const CalcRun run = Calc("--digits 3 " + Write("sheet.txt", "1/3\n1/0\n"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "1/3\n>0.333\n1/0\n>Error : Division by zero\n");
}

TEST_F(CalcWorksheetTest, InPlaceRewritesWithCrLf) {
    const CalcRun run = Calc("-i " + Write("sheet.txt", kSheet));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Read("sheet.txt"), "a = 1.5\r\n>1.5\r\n// note\r\na * 4\r\n>6\r\n");
}

TEST_F(CalcWorksheetTest, UnreadableInputGivesTwoAndChangesNothing) {
    const std::string bad = "1+2\n\xff\xfe\n";
    const std::string file = Write("bad.txt", bad);
    for (const std::string& args :
         {file, "< " + file, "-i " + file, "'" + (dir_ / "missing.txt").string() + "'",
          "-i '" + dir_.string() + "'"}) {
        SCOPED_TRACE(args);
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Read("bad.txt"), bad);
}

}  // namespace

// The desktop program's settings folder: digits and options from Numora.ini, functions from
// UserFunction.dat; command-line options win.
TEST_F(CalcWorksheetTest, SettingsFolderSuppliesDigitsOptionsAndFunctions) {
    Write("Numora.ini", "[Edit]\r\nDigits=5\r\nOption=48\r\n");
    Write("UserFunction.dat", "Twice\tx\tx*2\tdoubles\r\n");
    const std::string dir = "--settings-dir '" + dir_.string() + "' ";

    CalcRun run = Calc(dir + "-e 1/3 -e -2^2 -e 'twice(4)' -e 'LogN(2;1024)'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "0.33333\n4\n8\nError : \"logn\" is Not Function\n");

    run = Calc(dir + "--digits 2 -e 1/3");
    EXPECT_EQ(run.out, "0.33\n");

    // Option bit 4: Enter on a result line evaluates its content instead of copying it.
    run = Calc(dir + Write("sheet.txt", ">1+1\n"));
    EXPECT_EQ(run.out, ">1+1\n>2\n");
}

TEST_F(CalcWorksheetTest, EmptySettingsFolderGivesDefaultsAndMissingOneIsAnError) {
    fs::create_directories(dir_ / "empty");
    CalcRun run = Calc("--settings-dir '" + (dir_ / "empty").string() + "' -e 'LogN(2;1024)' -e 1/3");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "10\n0.33333333333333333333333333333333\n");
    EXPECT_FALSE(fs::exists(dir_ / "empty" / "Numora.ini"));

    run = Calc("--settings-dir '" + (dir_ / "missing").string() + "' -e 1");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
}
