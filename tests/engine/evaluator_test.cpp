// Lines through the evaluator: operators, literals and error reports.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "EngineTestSupport.h"
#include "base/Text.h"
#include "engine/Format.h"
#include "engine/NumberLiteral.h"

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
        {"\t1\u3000+\u00A02\u2028", "3"}, {"2^(1+1)^2", "16"}, {"-0", "0"}, {"-(0)*5", "0"},
        {"0x10+0b11", "19"}, {"1e999999999", "inf"}, {"-1e999999999", "-inf"},
        {"1e999999999*0", "nan"}, {"-(1e999999999*0)", "nan"}, {"(-8)^0.5", "nan"},
        {"(-1)^1e20", "1"}, {"(-1)^-1e30", "1"}, {"(-1)^(2^64+1)", "-1"}, {"(-2)^(2^64+1)", "-inf"},
        {"(-2)^(2^64)", "inf"}, {"(-0.5)^(2^64+1)", "0"}, {"(-3)^3", "-27"}, {"1e120 % 7", "1"},
        {"1e130 % 7", "4"},
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
        engine.SetOptions({.UnaryMinusBindsBase = false});
        EXPECT_EQ(Text(c[0]), c[1]) << c[0];
        engine.SetOptions({.UnaryMinusBindsBase = true});
        EXPECT_EQ(Text(c[0]), c[2]) << c[0];
    }
}

TEST(TwoEngines, EvaluateAtTheSameTimeEachWithItsOwnOptionsAndFunctions) {
    // Line, then what each engine gives: the first with the default option and f(x) = x, the
    // second binding the minus to the base and f(x) = -x.
    const char16_t* lines[][3] = {{u"-2^2", u"-4", u"4"}, {u"f(@)", u"-4", u"-4"}};
    UserFunctionCatalogue functions[2];
    functions[0].Append({u"f", {u"x"}, u"x", u""});
    functions[1].Append({u"f", {u"x"}, u"-x", u""});
    // Both start together. Not std::latch: on MinGW its wait can miss the wake-up and hang.
    std::mutex gate;
    std::condition_variable opened;
    int arrived = 0;
    int mismatches[2] = {0, 0};
    const auto run = [&](int side) {
        CalcEngine engine(functions[side]);
        engine.SetOptions({.UnaryMinusBindsBase = side == 1});
        {
            std::unique_lock lock(gate);
            if (++arrived == 2) opened.notify_all();
            opened.wait(lock, [&] { return arrived == 2; });
        }
        for (int round = 0; round < 500; ++round) {
            for (const auto& line : lines) {
                std::u16string text = line[0];
                std::int32_t position = 0;
                engine.Evaluate(text, position);
                if (engine.GetMessageText() != line[1 + side]) ++mismatches[side];
            }
        }
    };
    std::thread other(run, 1);
    run(0);
    other.join();
    EXPECT_EQ(mismatches[0], 0);
    EXPECT_EQ(mismatches[1], 0);
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

// A line's tabs are blanks; a message quoting part of it shows them as such, and the line
// itself keeps them.
TEST_F(EvaluatorTest, QuotedPartsShowTabsAsBlanks) {
    const struct {
        std::u16string line;
        std::string message;
    } rows[] = {
        {u"1 + Foo\tBar * 2", "Error : \"Foo Bar\" is Not Variable"},
        {u"a = b\t\tc", "Error : \"b  c\" is Not Variable"},
        {u"3*no\tsuch(1)", "Error : \"no such\" is Not Function"},
        {u"\tk\t", "Error : \"k\" is Not Variable"},
    };
    for (const auto& row : rows) {
        std::u16string line = row.line;
        std::int32_t position = 0;
        EXPECT_NE(engine.Evaluate(line, position), 0) << Utf16ToUtf8(row.line);
        EXPECT_EQ(Utf16ToUtf8(engine.GetMessageText()), row.message) << Utf16ToUtf8(row.line);
        EXPECT_EQ(line, row.line);
    }
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

struct LiteralCase {
    std::string Text;
    bool Ok;
    std::string Expected;  // value at 40 digits, or the detail text
    std::size_t End;       // position after reading
};

TEST(LiteralTest, ReadsValueOrDetail) {
    // clang-format off
    const LiteralCase cases[] = {
        {".5", true, "0.5", 2}, {"5.", true, "5", 2}, {"1,000,000", true, "1000000", 9},
        {"1,2.5", true, "12.5", 5}, {"1E-3", true, "0.001", 4}, {"1e+2", true, "100", 4},
        {"0D7", true, "7", 3}, {"1.5x", true, "1.5", 3}, {"1_000", true, "1", 1},
        {"1e2-3", true, "100", 3}, {"123456789012345678901", true, "123456789012345678901", 21},
        {"1e-999999999", true, "0", 12}, {"10000e2147483647", true, "inf", 16},
        {"0.0001e-2147483648", true, "0", 18}, {"0x_ff_ff", true, "65535", 8},
        {"0x8000000000000000", true, "-9223372036854775808", 18},
        {"0x123456789abcdef01", true, "2541551405711093505", 19},  // low 64 bits
        {"0B1_1", true, "3", 5},
        {"1e2e3", false, "1e2e (Multiple 'e')", 4},
        {"1e2.5", false, "1e2. (Exponent Part is not Integer)", 4},
        {"1e", false, "1e (No Exponent Part Value)", 2},
        {"1e-x", false, "1e- (No Exponent Part Value)", 3},
        {"0x__", false, "(No Hexadecimal Value)", 4}, {"0b2", false, "(No Binary Value)", 2},
        {"0d+1", false, "(No Decimal Value)", 2},
        {"1e-2147483649", false, "1e-2147483649 (Exponent Part is out of Range)", 13},
    };
    // clang-format on
    for (const LiteralCase& c : cases) {
        const std::u16string text = Utf8ToUtf16(c.Text);
        std::size_t position = 0;
        Number value;
        std::u16string detail;
        const bool ok = ParseNumberLiteral(text, position, value, detail);
        ASSERT_EQ(ok, c.Ok) << c.Text;
        EXPECT_EQ(ok ? Utf16ToUtf8(FormatNumber(value, 40)) : Utf16ToUtf8(detail), c.Expected)
            << c.Text;
        EXPECT_EQ(position, c.End) << c.Text;
    }
}

}  // namespace
}  // namespace numora::test
