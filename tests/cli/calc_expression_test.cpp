// numora-calc -e: one result line per expression.
#include "tests/cli/calc_run.h"

namespace numora {
namespace {

using testing::Args;

TEST(CalcExpression, OneResultLineEachAndOneForAnyFailure) {
    testing::ExpectRuns({
        {Args({"-e", "a = b = 2*3", "-e", "A*b", "-e", "@+1", "-e", "1/3"}), 0,
         "6\n36\n37\n0.33333333333333333333333333333333\n"},
        {Args({"-e", "1/0", "-e", "2+2", "-e", "x"}), 1,
         "Error : Division by zero\n4\nError : \"x\" is Not Variable\n"},
        {Args({"-e", "変数 = ３", "-e", "未"}), 1, "3\nError : \"未\" is Not Variable\n"},
        {Args({"--digits", "1", "-e", "15", "-e", "0.5"}), 0, "2e+01\n0.5\n"},
        {Args({"--digits=5", "-e", "pi"}), 0, "3.1416\n"},
        {Args({"--digits", "0", "-e", "2^100"}), 0, "1267650600228229401496703205376\n"},
        {Args({"-e", "-2^2"}), 0, "-4\n"},
        {Args({"--unary-minus-binds-base", "-e", "-2^2"}), 0, "4\n"},
    });
}

TEST(CalcExpression, UsageErrorsExitWithTwoAndSayWhy) {
    const std::vector<std::vector<std::string>> cases = {
        {"--digits", "256", "-e", "1"}, {"--digits", "x", "-e", "1"}, {"--digits"},     {"-e"},
        {"--bogus", "-e", "1"},         {"-e", "1", "sheet.txt"},     {"-e", "1+\xFF"},
    };
    for (const auto& args : cases) {
        testing::ExpectRuns({{Args(args), 2, ""}});
        EXPECT_NE(testing::Calc(Args(args), true).out.find("numora-calc: "), std::string::npos);
    }
    // Output that cannot be written is an error, not a success.
    EXPECT_EQ(testing::Calc(Args({"-e", "1"}) + "> /dev/full").exitCode, 2);
}

TEST(CalcExpression, Version) {
    testing::ExpectRuns({{"--version", 0, "numora-calc " NUMORA_VERSION "\n"}});
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
