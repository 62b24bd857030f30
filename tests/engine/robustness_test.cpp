#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

class RobustnessTest : public EngineTest {};

TEST_F(RobustnessTest, DeepParenthesesNeedNoRecursion) {
    const std::size_t depth = 10000;
    std::string line = std::string(depth, '(') + "1+2" + std::string(depth, ')');
    EXPECT_EQ(Text(line), "3");
    line = "-" + std::string(depth, '(') + "2" + std::string(depth, ')') + "^2";
    EXPECT_EQ(Text(line), "-4");
    line = std::string(depth, '(') + "1+" + line + std::string(depth, ')') + "*2";
    EXPECT_EQ(Text(line), "-6");
    const Outcome open = Run(std::string(depth, '(') + "1");
    EXPECT_EQ(open.Text, "Error : No Parenthesis");
    EXPECT_EQ(open.Position, static_cast<int>(depth) + 1);
    // Inside an argument list the parentheses are only counted.
    AddUserFunction("id", {"x"}, "x");
    EXPECT_EQ(Text("id(" + std::string(depth, '(') + "5" + std::string(depth, ')') + ")"), "5");
}

TEST_F(RobustnessTest, LongLinesEvaluate) {
    std::string sum = "0";
    for (int i = 0; i < 25000; ++i) sum += "+1.5";  // 100,001 characters
    EXPECT_EQ(Text(sum), "37500");
    EXPECT_EQ(Text(std::string(100000, '7')), "7.7777777777777777777777777777778e+99999");
    const std::string longName(100000, 'v');
    EXPECT_EQ(Text(longName + " = 4"), "4");
    EXPECT_EQ(Text(longName + "/2"), "2");
    const Outcome blanks = Run(std::string(100000, ' '));
    EXPECT_EQ(blanks.Text, "Error : Illegal Expression");
    EXPECT_EQ(blanks.Position, 100000);
}

TEST_F(RobustnessTest, DeepFunctionNestingFailsTheLine) {
    const int depth = 100000;
    std::string line;
    line.reserve(depth * 5);
    for (int i = 0; i < depth; ++i) line += "sin(";
    line += "1" + std::string(depth, ')');
    const Outcome out = Run(line);
    EXPECT_EQ(out.Status, -1);
    EXPECT_EQ(out.Text, "Error : Function Calls Nested Too Deeply");
    EXPECT_EQ(Text("1+1"), "2");
}

TEST_F(RobustnessTest, ExtremeLiteralsAreErrorsOrValues) {
    const std::string longHex = "0x" + std::string(1000, 'F');
    const ValueCaseList cases = {
        {"1e99999999999", "Error : Invalid Value 1e99999999999 (Exponent Part is out of Range)"},
        {"0d", "Error : Invalid Value (No Decimal Value)"},
        {"0d+1", "Error : Invalid Value (No Decimal Value)"},
        {"1e2147483647", "inf"},
        {"1e-2147483648", "0"},
        {longHex.c_str(), "-1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.Line), c.Expected) << c.Line;
}

// Random lines made of the characters that matter to the engine, plus arbitrary code units
// (lone surrogates, NUL, controls). Every line must end in success or an "Error : " message.
TEST_F(RobustnessTest, RandomLinesNeverEscape) {
    AddUserFunction("f", {"x"}, "x*2");
    AddUserFunction("g", {"a", "b"}, "f(a)-b");
    const std::u16string alphabet =
        u"0123456789.,eExXbBdD_+-*/%^()\u00D7\u00F7;= \t@abcfgpisnqrtxy\u3000\uFF11\uFF0B\uFF1D";
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> anyUnit(0, 0xFFFF);
    std::bernoulli_distribution raw(0.1);
    for (int n = 0; n < 4000; ++n) {
        std::u16string line;
        const int len = length(random);
        for (int i = 0; i < len; ++i) {
            line.push_back(raw(random) ? static_cast<char16_t>(anyUnit(random))
                                       : alphabet[pick(random)]);
        }
        const std::u16string original = line;
        std::int32_t position = 0;
        const int status = engine.Evaluate(line, position);
        const std::u16string& message = engine.GetMessageText();
        ASSERT_EQ(line.size(), original.size());
        if (status == 0) {
            ASSERT_EQ(position, static_cast<std::int32_t>(line.size()));
            ASSERT_FALSE(message.empty());
        } else {
            ASSERT_LT(status, 0);
            ASSERT_EQ(message.rfind(u"Error : ", 0), 0u) << Utf16ToUtf8(original);
            ASSERT_GE(position, 0);
            ASSERT_LE(position, static_cast<std::int32_t>(line.size()));
        }
    }
}

}  // namespace
}  // namespace numora::test
