#include <gtest/gtest.h>

#include <string>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

class EvaluatorTest : public EngineTest {};

TEST_F(EvaluatorTest, PrecedenceAndAssociativity) {
    const ValueCase cases[] = {
        {"1+2*3", "7"},
        {"(1+2)*3", "9"},
        {"2*3^2", "18"},
        {"2^3^2", "64"},
        {"10-4-3", "3"},
        {"12/4/3", "1"},
        {"2--2", "4"},
        {"2+-2", "0"},
        {"-(1+2)", "-3"},
        {"-(-2)", "2"},
        {"2*-(3)", "-6"},
        {"+5", "5"},
        {"7%3", "1"},
        {"-7%3", "-1"},
        {"7%-3", "1"},
        {"7.5%2", "1.5"},
        {"2*7%4", "2"},
        {"1+7%4*2", "7"},
        {"3 \u00D7 4 \u00F7 2", "6"},
        {"   7   ", "7"},
        {"\t1\u3000+\u30002 ", "3"},
        {"2^-1", "0.5"},
        {"((((1))))", "1"},
        {"(1+(2*(3+(4))))", "15"},
        {"2^(1+1)^2", "16"},
        {"1-2+3", "2"},
        {"8/2*4", "16"},
        {"0-0", "0"},
        {"-0", "0"},
        {"-(0)*5", "0"},
        {"0x10+0b11", "19"},
        {"1e3*2", "2000"},
    };
    for (const ValueCase& c : cases) EXPECT_EQ(Text(c.Line), c.Expected) << c.Line;
}

TEST_F(EvaluatorTest, LeadingMinusAgainstPowerFollowsTheOption) {
    struct Case {
        const char* Line;
        const char* PowerBinds;  // -a^b = -(a^b), the default
        const char* BaseBinds;   // -a^b = (-a)^b
    } cases[] = {
        {"-2^2", "-4", "4"},        {"2*-3^2", "-18", "18"},
        {"-2^-2", "-0.25", "0.25"}, {"2^-1", "0.5", "0.5"},
        {"-2^3", "-8", "-8"},       {"1-2^2", "-3", "-3"},
        {"-(2)^2", "-4", "4"},      {"--2", nullptr, nullptr},
        {"-2^2^3", "-64", "64"},    {"2^-2^2", "0.0625", "0.0625"},
    };
    for (const Case& c : cases) {
        UnaryMinusBindsBase() = false;
        const Outcome power = Run(c.Line);
        UnaryMinusBindsBase() = true;
        const Outcome base = Run(c.Line);
        if (c.PowerBinds == nullptr) {
            EXPECT_NE(power.Status, 0) << c.Line;
            EXPECT_NE(base.Status, 0) << c.Line;
            continue;
        }
        EXPECT_EQ(power.Text, c.PowerBinds) << c.Line;
        EXPECT_EQ(base.Text, c.BaseBinds) << c.Line;
    }
}

TEST_F(EvaluatorTest, NonFiniteResultsAreValuesNotErrors) {
    const ValueCase cases[] = {
        {"1e999999999", "inf"},      {"-1e999999999", "-inf"},         {"1e999999999*0", "nan"},
        {"-(1e999999999*0)", "nan"}, {"1e60000000*1e60000000", "inf"}, {"(-8)^0.5", "nan"},
        {"1/1e999999999", "0"},
    };
    for (const ValueCase& c : cases) {
        const Outcome out = Run(c.Line);
        EXPECT_EQ(out.Status, 0) << c.Line;
        EXPECT_EQ(out.Text, c.Expected) << c.Line;
    }
}

TEST_F(EvaluatorTest, ErrorsCarryMessageStatusAndPosition) {
    const ErrorCase cases[] = {
        {"1/0", -2, "Error : Division by zero", 3},
        {"0/0", -2, "Error : Division by zero", 3},
        {"5%0", -2, "Error : Division by zero", 3},
        {"1/(2-2) + 1", -2, "Error : Division by zero", 8},
        {"1\u00F70  ", -2, "Error : Division by zero", 5},
        {"(2", -3, "Error : No Parenthesis", 2},
        {"((1+2)*3", -3, "Error : No Parenthesis", 8},
        {"1+", -3, "Error : Illegal Expression", 2},
        {"", -3, "Error : Illegal Expression", 0},
        {"   ", -3, "Error : Illegal Expression", 3},
        {"-", -3, "Error : Illegal Expression", 1},
        {"*2", -3, "Error : Invalid Constant (No Operand)", 0},
        {"2**3", -3, "Error : Invalid Constant (No Operand)", 2},
        {"2^^3", -3, "Error : Invalid Constant (No Operand)", 2},
        {"--2", -3, "Error : Invalid Constant (No Constant)", 1},
        {"-*2", -3, "Error : Invalid Constant (No Constant)", 1},
        {"2*+ -3", -3, "Error : Invalid Constant (No Constant)", 4},
        {"1.2.3", -3, "Error : Invalid Value 1.2. (Multiple '.')", 4},
        {"0xg", -3, "Error : Invalid Value (No Hexadecimal Value)", 2},
        {"1+1e", -3, "Error : Invalid Value 1e (No Exponent Part Value)", 4},
        {"()", -1, "Error : No Value in parentheses", 1},
        {"2*()", -1, "Error : No Value in parentheses", 3},
        {"(2*)", -1, "Error : No Value in parentheses", 3},
        {"(-)", -1, "Error : No Value in parentheses", 2},
        {"( )", -1, "Error : No Value in parentheses", 2},
        {")", -3, "Error : Invalid Parenthesis", 0},
        {"2)", -3, "Error : Invalid Parenthesis", 1},
        {"(1))", -3, "Error : Invalid Parenthesis", 3},
        {"2 3", -3, "Error : Illegal Character", 2},
        {"0b102", -3, "Error : Illegal Character", 4},
        {"1_000", -3, "Error : Illegal Character", 1},
        {"1.5x", -3, "Error : Illegal Character", 3},
        {"(1)2", -3, "Error : Illegal Character", 3},
        {"x", -1, "Error : \"x\" is Not Variable", 0},
        {"1 + Foo Bar * 2", -1, "Error : \"Foo Bar\" is Not Variable", 4},
        {"1+;", -1, "Error : \";\" is Not Variable", 2},
    };
    for (const ErrorCase& c : cases) {
        const Outcome out = Run(c.Line);
        EXPECT_EQ(out.Status, c.Status) << c.Line;
        EXPECT_EQ(out.Text, c.Message) << c.Line;
        EXPECT_EQ(out.Position, c.Position) << c.Line;
    }
}

TEST_F(EvaluatorTest, FailureKeepsPreviousResultAndLastAnswer) {
    ASSERT_EQ(Run("6*7").Status, 0);
    EXPECT_NE(Run("1/0").Status, 0);
    EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), "42");
    EXPECT_EQ(engine.GetResult(), 42);
    EXPECT_EQ(Text("@"), "42");
    EXPECT_EQ(Text("@+1"), "43");
    EXPECT_EQ(Text("@"), "43");
}

TEST_F(EvaluatorTest, SuccessLeavesPositionAtEndOfLine) {
    const Outcome out = Run("  1 + 2  ");
    EXPECT_EQ(out.Status, 0);
    EXPECT_EQ(out.Position, 9);
}

}  // namespace
}  // namespace numora::test
