#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

class EvaluatorTest : public EngineTest {};

TEST_F(EvaluatorTest, PrecedenceAssociativityAndBlanks) {
    // clang-format off
    ExpectValues({
        {"1+2*3", "7"}, {"(1+2)*3", "9"}, {"2*3^2", "18"}, {"2^3^2", "64"}, {"10-4-3", "3"},
        {"12/4/3", "1"}, {"8/2*4", "16"}, {"2--2", "4"}, {"2+-2", "0"}, {"-(1+2)", "-3"},
        {"-(-2)", "2"}, {"2*-(3)", "-6"}, {"+5", "5"}, {"7%3", "1"}, {"-7%3", "-1"}, {"7%-3", "1"},
        {"7.5%2", "1.5"}, {"1+7%4*2", "7"}, {"3 \u00D7 4 \u00F7 2", "6"}, {"   7   ", "7"},
        {"\t1\u3000+\u30002 ", "3"}, {"2^(1+1)^2", "16"}, {"-0", "0"}, {"-(0)*5", "0"},
        {"0x10+0b11", "19"}, {"1e999999999", "inf"}, {"-1e999999999", "-inf"},
        {"1e999999999*0", "nan"}, {"-(1e999999999*0)", "nan"}, {"(-8)^0.5", "nan"},
        {"(-1)^1e20", "1"}, {"(-1)^-1e30", "1"}, {"(-1)^(2^64+1)", "-1"}, {"(-2)^(2^64+1)", "-inf"},
        {"(-2)^(2^64)", "inf"}, {"(-0.5)^(2^64+1)", "0"}, {"(-3)^3", "-27"}, {"1e120 % 7", "1"}, {"1e130 % 7", "nan"},
    });
    // clang-format on
}

TEST_F(EvaluatorTest, LeadingMinusAgainstPowerFollowsTheOption) {
    // line, -a^b = -(a^b) (default), -a^b = (-a)^b
    // clang-format off
    const char* cases[][3] = {
        {"-2^2", "-4", "4"},    {"2*-3^2", "-18", "18"}, {"-2^-2", "-0.25", "0.25"},
        {"2^-1", "0.5", "0.5"}, {"-2^3", "-8", "-8"},    {"1-2^2", "-3", "-3"},
        {"-(2)^2", "-4", "4"},  {"-2^2^3", "-64", "64"}, {"2^-2^2", "0.0625", "0.0625"},
    };
    // clang-format on
    for (const auto& c : cases) {
        UnaryMinusBindsBase() = false;
        EXPECT_EQ(Text(c[0]), c[1]) << c[0];
        UnaryMinusBindsBase() = true;
        EXPECT_EQ(Text(c[0]), c[2]) << c[0];
    }
}

TEST_F(EvaluatorTest, ErrorsCarryMessageStatusAndPosition) {
    // clang-format off
    ExpectErrors({
        {"5%0", -2, "Error : Division by zero", 3},
        {"1/(2-2) + 1", -2, "Error : Division by zero", 8},
        {"((1+2)*3", -3, "Error : No Parenthesis", 8}, {"1+", -3, "Error : Illegal Expression", 2},
        {"   ", -3, "Error : Illegal Expression", 3}, {"-", -3, "Error : Illegal Expression", 1},
        {"*2", -3, "Error : Invalid Constant (No Operand)", 0},
        {"2**3", -3, "Error : Invalid Constant (No Operand)", 2},
        {"--2", -3, "Error : Invalid Constant (No Constant)", 1},
        {"2*+ -3", -3, "Error : Invalid Constant (No Constant)", 4},
        {"1+1.2.3", -3, "Error : Invalid Value 1.2. (Multiple '.')", 6},
        {"()", -1, "Error : No Value in parentheses", 1},
        {"2*()", -1, "Error : No Value in parentheses", 3},
        {"(2*)", -1, "Error : No Value in parentheses", 3},
        {")", -3, "Error : Invalid Parenthesis", 0}, {"(1))", -3, "Error : Invalid Parenthesis", 3},
        {"2 3", -3, "Error : Illegal Character", 2}, {"0b102", -3, "Error : Illegal Character", 4},
        {"(1)2", -3, "Error : Illegal Character", 3},
        {"1 + Foo Bar * 2", -1, "Error : \"Foo Bar\" is Not Variable", 4},
    });
    // clang-format on
}

TEST_F(EvaluatorTest, FailureKeepsResultAndLastAnswer) {
    ASSERT_EQ(Run("6*7").Status, 0);
    EXPECT_EQ(Run("1/0").Status, -2);
    EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), "42");
    EXPECT_EQ(engine.GetResult(), 42);
    ExpectValues({{"@", "42"}, {"@+1", "43"}, {"@", "43"}});
    const Outcome out = Run("  1 + 2  ");
    EXPECT_EQ(out.Position, 9);  // success leaves the position at the end
}

}  // namespace
}  // namespace numora::test
