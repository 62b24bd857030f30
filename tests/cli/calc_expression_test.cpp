#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Result {
    int ExitCode = -1;
    std::string Output;  // stdout, then stderr
};

std::string Quote(const std::string& arg) {
    std::string out = "'";
    for (char c : arg) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

Result RunCalc(const std::vector<std::string>& args, bool withStderr = false) {
    std::string command = Quote(NUMORA_CALC_PATH);
    for (const auto& a : args) command += " " + Quote(a);
    command += withStderr ? " 2>&1" : " 2>/dev/null";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.Output.append(buffer, n);
    const int status = pclose(pipe);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(CalcExpressionTest, EachExpressionPrintsItsResultLine) {
    Result r = RunCalc({"-e", "a = b = 2*3", "-e", "A*b", "-e", "@+1", "-e", "1/3"});
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Output, "6\n36\n37\n0.33333333333333333333333333333333\n");
    r = RunCalc({"-e", "1/0", "-e", "2+2", "-e", "x"});
    EXPECT_EQ(r.ExitCode, 1);  // any failed line
    EXPECT_EQ(r.Output, "Error : Division by zero\n4\nError : \"x\" is Not Variable\n");
}

TEST(CalcExpressionTest, OptionsApplyToEveryExpression) {
    struct Case {
        std::vector<std::string> Args;
        std::string Output;
    } cases[] = {
        {{"--digits", "1", "-e", "15", "-e", "0.5"}, "2e+01\n0.5\n"},
        {{"--digits=5", "-e", "pi"}, "3.1416\n"},
        {{"--digits", "0", "-e", "2^100"}, "1267650600228229401496703205376\n"},
        {{"-e", "-2^2"}, "-4\n"},
        {{"--unary-minus-binds-base", "-e", "-2^2"}, "4\n"},
    };
    for (const auto& c : cases) {
        const Result r = RunCalc(c.Args);
        EXPECT_EQ(r.ExitCode, 0);
        EXPECT_EQ(r.Output, c.Output);
    }
}

TEST(CalcExpressionTest, Utf8InAndOut) {
    const Result r =
        RunCalc({"-e", "\xE5\xA4\x89\xE6\x95\xB0 = \xEF\xBC\x93", "-e", "\xE6\x9C\xAA"});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_EQ(r.Output, "3\nError : \"\xE6\x9C\xAA\" is Not Variable\n");
}

TEST(CalcExpressionTest, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"--digits", "256", "-e", "1"}, {"--digits", "x", "-e", "1"}, {"--digits"},     {"-e"},
        {"--bogus", "-e", "1"},         {"-e", "1", "sheet.txt"},     {"-e", "1+\xFF"},
    };
    for (const auto& args : cases) {
        const Result quiet = RunCalc(args);
        EXPECT_EQ(quiet.ExitCode, 2) << args[0];
        EXPECT_TRUE(quiet.Output.empty()) << args[0];
        EXPECT_NE(RunCalc(args, true).Output.find("numora-calc: "), std::string::npos);
    }
}

}  // namespace
