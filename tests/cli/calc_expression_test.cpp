// numora-calc -e: one result line per expression.
#include <cstdlib>

#include "tests/cli/calc_run.h"

namespace numora {
namespace {

TEST(CalcExpression, OneResultLineEachAndOneForAnyFailure) {
    testing::ExpectRuns({
        {{"-e", "a = b = 2*3", "-e", "A*b", "-e", "@+1", "-e", "1/3"},
         0,
         "6\n36\n37\n0.33333333333333333333333333333333\n"},
        {{"-e", "1/0", "-e", "2+2", "-e", "x"},
         1,
         "Error : Division by zero\n4\nError : \"x\" is Not Variable\n"},
        {{"-e", "変数 = ３", "-e", "未"}, 1, "3\nError : \"未\" is Not Variable\n"},
        {{"--digits", "1", "-e", "15", "-e", "0.5"}, 0, "2e+01\n0.5\n"},
        {{"--digits=5", "-e", "pi"}, 0, "3.1416\n"},
        {{"--digits", "0", "-e", "2^100"}, 0, "1267650600228229401496703205376\n"},
        {{"-e", "-2^2"}, 0, "-4\n"},
        {{"--unary-minus-binds-base", "-e", "-2^2"}, 0, "4\n"},
        {{"--group-digits", "-e", "2^64", "-e", "@*1", "-e", "-1234.5", "-e", "hex(4096)"},
         0,
         "18,446,744,073,709,551,616\n18,446,744,073,709,551,616\n-1,234.5\n0x1000 (@4,096)\n"},
        {{"-e", "unixtime(1970;1;1;0;0;0)", "-e", "formattime(0)"},
         0,
         "-32400\n1970/01/01 09:00:00 (@0)\n"},
    });
}

TEST(CalcExpression, UsageErrorsExitWithTwoAndSayWhy) {
    const std::vector<std::vector<std::string>> cases = {
        {"--digits", "256", "-e", "1"},
        {"--digits", "x", "-e", "1"},
        {"--digits"},
        {"-e"},
        {"--bogus", "-e", "1"},
        {"-e", "1", "sheet.txt"},
#ifndef _WIN32  // a Windows command line is UTF-16: it cannot carry bytes that are not UTF-8
        {"-e", "1+\xFF"},
#endif
    };
    for (const auto& args : cases) {
        testing::ExpectRuns({{args, 2, ""}});
        EXPECT_NE(testing::Calc(args, {}, true).out.find("numora-calc: "), std::string::npos);
    }
#ifndef _WIN32
    // Output that cannot be written is an error, not a success.
    const std::string full = testing::Quote(NUMORA_CALC_PATH) + " -e 1 >/dev/full 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(full.c_str())), 2);
#endif
}

TEST(CalcExpression, Version) {
    testing::ExpectRuns({{{"--version"}, 0, "numora-calc " NUMORA_VERSION "\n"}});
}

#ifndef _WIN32
TEST(CalcExpression, ManualPageRendersWithoutWarnings) {
    const std::string man = "man --warnings -l " + testing::Quote(NUMORA_CALC_MANPAGE);
    FILE* pipe = popen((man + " 2>&1 >/dev/null").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string warnings;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) warnings += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(warnings, "");
}
#endif

}  // namespace
}  // namespace numora
