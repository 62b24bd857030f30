// Exact answers where the answer is exact: quotients, remainders, NaN through every operator,
// logarithms and roots of exact powers.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/BuiltinImpls.h"
#include "engine/ExactArith.h"

namespace numora::test {
namespace {

class ExactTest : public EngineTest {};

TEST_F(ExactTest, LinesThatDependOnAnExactQuotientOrRoot) {
    AddUserFunction("LogN", {"base", "x"}, "log(x)/log(base)");
    // clang-format off
    ExpectValues({
        {"floor(6/3)", "2"}, {"trunc(99/11)", "9"}, {"frac(21/7)", "0"}, {"not(6/3)", "-3"},
        {"(6/3)-2", "0"}, {"6%3", "0"}, {"21%7", "0"}, {"0.9%0.3", "0"}, {"360%7.2", "0"},
        {"1e126%7", "1"}, {"1e67108864%7", "4"}, {"-1e67108864%7", "-4"}, {"1e20%0.7", "0.6"},
        {"0.5%1e-100", "0"}, {"1%0.0003", "0.0001"}, {"-7.5%-2", "-1.5"}, {"5%1e100", "5"},
        {"exp(1e20)+sqrt(-1)", "nan"}, {"floor(log2(8))", "3"}, {"floor(LogN(2;8))", "3"},
        {"floor(cbrt(8))", "2"}, {"cbrt(-27000)", "-30"}, {"floor(hypot(8;15))", "17"},
        {"(-0.1)^-67108865", "-inf"}, {"(-0.1)^-67108866", "inf"}, {"floor(16^0.25)", "2"},
        {"floor(2.25^1.5)", "3"}, {"floor(1024^0.1)", "2"}, {"0.2^-3", "125"},
        {"floor(log10(1e-7))", "-7"}, {"floor(log2(0.125))", "-3"}, {"floor(sqrt(2.25)*2)", "3"},
        {"hypot(3e67108863;4e67108863)", "5e+67108863"}, {"rad(0;30)*720/pi", "2"},
    });
    // clang-format on
    const Outcome out = Run("1/((6/3)-2)");
    EXPECT_EQ(out.Text, "Error : Division by zero");
    EXPECT_EQ(Text("hex(99/11)"), "0x9 (@9)");
    // The quotient of two rounded logarithms rounds back to the exact exponent.
    for (int base = 2; base * base <= 1000; ++base) {
        int k = 1;
        for (int x = base; x <= 1000; x *= base, ++k) {
            const std::string line = "LogN(" + std::to_string(base) + ";" + std::to_string(x) + ")";
            ASSERT_EQ(Run(line).Status, 0);
            EXPECT_EQ(engine.GetResult(), k) << line;
        }
    }
}

TEST_F(ExactTest, NanThroughEveryOperatorInEitherOrder) {
    for (const char* op : {"+", "-", "*", "/", "%", "^"}) {
        for (const char* other : {"2", "0.5", "-3", "inf", "-inf", "1"}) {
            for (const bool nanFirst : {true, false}) {
                const std::string line =
                    nanFirst ? std::string("nan") + op + other : std::string(other) + op + "nan";
                EXPECT_EQ(Text(line), "nan") << line;
            }
        }
    }
    EXPECT_EQ(Text("nan/0"), "Error : Division by zero");
}

// Every quotient (b k) / b and remainder for b, k in 1..1000, also through the integer parts.
// Rounding to decimal places, a value just below the place included ("0.7" to whole numbers).
TEST(ExactRounding, RoundDecimalsRoundsHalfAwayFromZeroAtEveryMagnitude) {
    const struct {
        const char* x;
        int places;
        const char* expected;
    } cases[] = {
        {"0.7", 0, "1"},      {"-0.7", 0, "-1"},  {"0.5", 0, "1"},       {"0.49", 0, "0"},
        {"0.05", 0, "0"},     {"2.5", 0, "3"},    {"-2.5", 0, "-3"},     {"0.06", 1, "0.1"},
        {"0.04", 1, "0"},     {"1234.5", 0, "1235"}, {"0.0051", 2, "0.01"}, {"0", 0, "0"},
        {"-0.004", 2, "0"},   {"12.34", 1, "12.3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundDecimals(Number(c.x), c.places).str(0, std::ios_base::fmtflags{}),
                  c.expected)
            << c.x << " to " << c.places;
    }
}

TEST(ExactQuotients, EveryProductDividesBackExactly) {
    int wrong = 0;
    for (int b = 1; b <= 1000; ++b) {
        const Number divisor(b);
        for (int k = 1; k <= 1000; ++k) {
            const Number product(b * k);
            const Number q = Divide(product, divisor);
            const ArgList arg{q};
            if (q != k || FnFloor(arg) != k || FnTrunc(arg) != k || FnFrac(arg) != 0 ||
                Remainder(product, divisor) != 0 || Remainder(product + 1, divisor) != 1 % b) {
                if (++wrong < 10) ADD_FAILURE() << b * k << " / " << b;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

// Each line: a, b, a / b rounded once to the nearest Number, a % b; computed with exact rational
// arithmetic by scripts/gen-division-reference.py.
TEST(ExactQuotients, RandomDecimalsAgreeWithExactRationalArithmetic) {
    std::ifstream file(std::string(NUMORA_TEST_DATA) + "/division_reference.tsv");
    int rows = 0, wrong = 0;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        ++rows;
        std::istringstream fields(line);
        std::string a, b, quotient, remainder;
        ASSERT_TRUE(std::getline(fields, a, '\t') && std::getline(fields, b, '\t') &&
                    std::getline(fields, quotient, '\t') && std::getline(fields, remainder))
            << line;
        const bool right = Divide(Number(a), Number(b)) == Number(quotient) &&
                           Remainder(Number(a), Number(b)) == Number(remainder);
        if (!right && ++wrong <= 10) ADD_FAILURE() << line;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(rows, 10000) << "reference data missing or truncated";
}

// Logarithms and roots of exact powers in 1..1000 and their reciprocals are the exact values.
TEST(ExactFunctions, LogarithmsAndRootsOfExactPowers) {
    for (int k = 1; k <= 1000; ++k) {
        const Number n(k);
        EXPECT_EQ(FnSqrt({n * n}), n) << k;
        EXPECT_EQ(FnCbrt({n * n * n}), n) << k;
        EXPECT_EQ(FnCbrt({-(n * n * n)}), -n) << k;
        EXPECT_EQ(Power(n * n, Number("0.5")), n) << k;
        EXPECT_EQ(FnSqrt({Divide(n * n, 10000)}), Divide(n, 100)) << k;
    }
    for (int e = -150; e <= 300; ++e) {  // 2^-150 still has every digit
        EXPECT_EQ(FnLog2({ldexp(Number(1), e)}), e) << e;
        EXPECT_EQ(FnLog10({Power(Number(10), e)}), e) << e;
    }
}

}  // namespace
}  // namespace numora::test
