// Every digit shown is right: sums, differences and products are rounded once, functions are
// correct in all 100 digits, logarithms of exact powers are exact, and one overflow rule holds.
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

class RoundingTest : public EngineTest {
protected:
    std::string At(int digits, const std::string& line) {
        engine.SetDigits(digits);
        return Text(line);
    }
};

TEST_F(RoundingTest, ListedCases) {
    struct Case {
        int Digits;
        std::string Line, Expected;
    };
    const std::string one99 = "1." + std::string(98, '0') + "1";
    // clang-format off
    const std::vector<Case> cases = {
        // Truncated, then rounded to even when printed, these came out one unit low.
        {32, "1+5e-32+1e-140", "1.0000000000000000000000000000001"},
        {32, "1-5e-32-1e-140", "0.99999999999999999999999999999995"},
        {100, "(1+2e-100)*(1+3e-100)", one99},
        {100, "1+5e-100+1e-200", one99},
        {100, "1+5e-100", "1"},  // a true tie goes to the even digit
        {100, "ln(48200)", "10.78311430003869167291962634953772071829496287563404904385873807264023535322920912278378153171759625"},
        {100, "sqrt(2)", "1.414213562373095048801688724209698078569671875376948073176679737990732478462107038850387534327641573"},
        {32, "floor(LogN(3;3^41))", "41"}, {32, "ceil(LogN(3;3^42))", "42"},
        {32, "floor(LogN(5;5^28))", "28"}, {0, "LogN(2;2^64)", "64"},
        {0, "LogN(0.5;0.5^-100)", "-100"}, {0, "LogN(1.1;1.1^100)", "100"},
        {0, "LogN(0.2;25)", "-2"}, {0, "LogN(2;0.125)", "-3"}, {0, "LogN(12;144^30)", "60"},
        {32, "cbrt(-inf)", "-inf"}, {32, "cbr(inf)", "inf"},
        // One overflow rule: beyond 1e67108864 every operation gives infinity.
        {32, "1e67108863*99", "inf"}, {32, "1e67108864+1e67108863", "inf"},
        {32, "1e67108863*11", "inf"}, {32, "9e67108864", "inf"}, {32, "1e67108864*1", "1e+67108864"},
        {32, "(1e67108864-1e67108856)*1", "9.9999999e+67108863"}, {32, "1e67108864*1.0000001", "inf"},
        {32, "1e67108864/0.99", "inf"}, {32, "10^67108864", "1e+67108864"}, {32, "10^67108865", "inf"},
        {32, "scalbn(1;67108865)", "inf"}, {32, "ldexp(1e67108864;1)", "inf"},
        {32, "exp(154523870)", "inf"}, {32, "1e-67108864/10", "0"},
        {32, "rad(1e67108864)", "1.7453292519943295769236907684886e+67108862"},
        // Pythagorean triples beyond 64 digits are exact.
        {0, "hypot(20000000000000000000000000000000040;2000000000000000000000000000000007999999999999999999999999999999958)",
            "2000000000000000000000000000000008000000000000000000000000000000058"},
        {0, "hypot(152415787532388367504953515625666819450083828733760097552241121780957719859839132754158268861454418244170120960219480;"
            "2438652622740435904523700654674897119267489711926748971192672458466644749276022225270538)",
            "152415787532388367504953515625666819450083828733760097552260631002117421124890877914956981862521331793933876540161562"},
    };
    // clang-format on
    AddUserFunction("LogN", {"base", "x"}, "log(x)/log(base)");
    for (const Case& c : cases) EXPECT_EQ(At(c.Digits, c.Line), c.Expected) << c.Line;
}

// Whatever operation made it, the largest finite value stays itself when multiplied by 1.
TEST_F(RoundingTest, LargestValuesSurviveTimesOne) {
    for (const char* line :
         {"x=1e67108864", "x=9.99e67108863*1", "x=1e67108863*10", "x=1e67108864-1",
          "x=exp(154523869)", "x=1e67108856+99999999e67108856"}) {
        ASSERT_EQ(Run(line).Status, 0) << line;
        const Number x = engine.GetResult();
        ASSERT_EQ(Run("x*1").Status, 0);
        EXPECT_EQ(engine.GetResult(), x) << line;
        EXPECT_EQ(Run("x+0").Text, Run("x").Text) << line;
    }
}

std::string Printed(const Number& x, int digits) {
    return x.str(digits, std::ios_base::fmtflags(0));
}

// Each line: the operator, a, b, the exact result rounded once to a Number, and the exact result
// printed with 32 and 100 digits; made from exact fractions by scripts/gen-arith-reference.py.
// Most exact results lie on a tie at the 32nd or 100th digit or a hair beside one.
TEST(ArithmeticReference, TiesAndNearTiesPrintAsTheExactResult) {
    std::ifstream file(std::string(NUMORA_TEST_DATA) + "/arith_reference.tsv");
    int rows = 0, wrong = 0;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        ++rows;
        std::istringstream fields(line);
        std::string op, a, b, expected, expected32, expected100;
        ASSERT_TRUE(std::getline(fields, op, '\t') && std::getline(fields, a, '\t') &&
                    std::getline(fields, b, '\t') && std::getline(fields, expected, '\t') &&
                    std::getline(fields, expected32, '\t') && std::getline(fields, expected100))
            << line;
        const Number x(a), y(b);
        const Number result = op == "+" ? Add(x, y) : op == "-" ? Subtract(x, y) : Multiply(x, y);
        if (result != Number(expected) || Printed(result, 32) != expected32 ||
            Printed(result, 100) != expected100) {
            if (++wrong <= 10) ADD_FAILURE() << line << "\n  got " << Printed(result, 0);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(rows, 3000) << "reference data missing or truncated";
}

// LogN(base; base^n) is n for every exact power that a Number holds, for integer bases, decimal
// bases and bases below 1, with negative exponents where 1 / base is a decimal.
TEST(ExactLogarithms, QuotientOfLogarithmsOfExactPowersIsTheExponent) {
    int checked = 0, wrong = 0;
    for (const char* text : {"2", "3", "7", "10", "12", "99", "1.5", "0.3", "0.5", "0.2", "2.5",
                             "0.04", "1.1", "123456789"}) {
        const Number base(text);
        const Number logBase = FnLog10({base});
        const Number reciprocal = Divide(Number(1), base);
        const bool invertible = IsExactProduct(Number(1), base, reciprocal);
        for (int n = invertible ? -430 : 1; n <= 430; ++n) {
            if (n == 0) continue;
            const Number x = Power(base, Number(n));
            const bool exact = n > 0 ? IsExactPower(x, base, n) : IsExactPower(x, reciprocal, -n);
            if (!exact) continue;
            ++checked;
            if (Divide(FnLog10({x}), logBase) != n || Divide(FnLn({x}), FnLn({base})) != n ||
                Divide(FnLog2({x}), FnLog2({base})) != n) {
                if (++wrong <= 10) ADD_FAILURE() << text << "^" << n;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(checked, 1500);
}

}  // namespace
}  // namespace numora::test
