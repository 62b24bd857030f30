// The elementary functions: domain edges, robustness, and reference values computed
// independently with mpmath (tests/data/math_reference.tsv, made by
// scripts/gen-math-reference.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/BuiltinImpls.h"
#include "engine/Builtins.h"
#include "engine/ExactArith.h"

namespace numora::test {
namespace {

class MathDomain : public EngineTest {
protected:
    // Every line must print as `expected`.
    void ExpectEach(const std::string& expected, const std::vector<std::string>& lines) {
        for (const std::string& line : lines) EXPECT_EQ(Text(line), expected) << line;
    }
};

TEST_F(MathDomain, EdgesGiveNanInfinityOrLimits) {
    ExpectEach("nan", {"sqrt(-1)", "sqr(-4)", "sqrt(-inf)", "ln(-1)", "log(-1e-50)", "log2(-8)",
                       "ln(-inf)", "asin(-1.0000000001)", "acos(1.0000000001)", "asin(inf)",
                       "acosh(0.9999999999)", "acosh(-inf)", "atanh(1.5)", "atanh(-2)"});
    // Infinities have no angle, and beyond 1e1000 no digit of the reduced angle is known.
    ExpectEach("nan", {"sin(inf)", "cos(-inf)", "tan(inf)", "sin(1e1000)", "cos(-2e5000)"});
    ExpectEach("-inf", {"cbr(-inf)", "ln(0)", "log10(0)", "log2(0)", "atanh(-1)", "logb(0)",
                        "sinh(-1e300)", "ldexp(-1;1e10)", "asinh(-inf)", "ceil(-inf)",
                        "floor(-inf)", "round(-inf)", "trunc(-inf)", "int(-inf)"});
    ExpectEach("inf",
               {"cbrt(inf)", "atanh(1)", "logb(-inf)", "exp(1e300)", "exp2(1e9)",
                "exp2(1000000000000.5)", "cosh(-1e300)", "acosh(inf)", "sqrt(inf)", "ln(inf)",
                "scalbn(1;1e10)", "scalbn(12;2147483647)", "ldexp(3;2147483647)", "ceil(inf)",
                "floor(inf)", "round(inf)", "trunc(inf)", "int(inf)", "abs(-inf)"});
    ExpectEach("0", {"exp(-1e300)", "exp(-inf)", "exp2(-1e20)", "exp2(-inf)", "scalbn(1;-1e10)",
                     "ldexp(1;-1e10)", "scalbn(12;-2147483648)", "ldexp(3;-2147483648)",
                     "frac(inf)", "frac(-inf)"});
    ExpectEach("1", {"tanh(inf)", "tanh(1e300)"});
    ExpectEach("1.5707963267948966192313216916398", {"atan(inf)", "atan(1e300)"});
}

// Every elementary function with NaN gives NaN; with extreme arguments, it neither throws nor
// hangs.
TEST(MathDomainDirect, NanAndExtremeArguments) {
    const Number inf = std::numeric_limits<Number>::infinity();
    const std::vector<BuiltinImpl> impls = {
        FnAbs,  FnInt,  FnFrac,  FnCeil,   FnFloor, FnRound, FnTrunc, FnExp,   FnExp2,
        FnLn,   FnLog2, FnLog10, FnSqrt,   FnCbrt,  FnSin,   FnCos,   FnTan,   FnAsin,
        FnAcos, FnAtan, FnSinh,  FnCosh,   FnTanh,  FnAsinh, FnAcosh, FnAtanh, FnDeg,
        FnLogb, FnRad,  FnAtan2, FnScalbn, FnHypot, FnLdexp};
    const Number extremes[] = {
        Number("1e300"),      Number("-1e300"),     inf, -inf,
        Number("1e-300"),     Number("1e67108000"), 0,   Number("-1e67108000"),
        Number("1e-67108000")};
    for (const BuiltinFunction& row : BuiltinTable()) {
        if (std::find(impls.begin(), impls.end(), row.Impl) == impls.end()) continue;
        const std::string name(row.Name.begin(), row.Name.end());
        for (size_t count = row.MinParams; count <= row.MaxParams; ++count) {
            const Number result =
                row.Impl(ArgList(count, std::numeric_limits<Number>::quiet_NaN()));
            EXPECT_TRUE(isnan(result)) << name << " with " << count << " NaN arguments";
        }
        for (const Number& first : extremes) {
            for (const Number& rest : extremes) {
                ArgList args(row.MaxParams, rest);
                args[0] = first;
                EXPECT_NO_THROW(row.Impl(args)) << name;
            }
        }
    }
}

TEST(MathValues, IntegralResultsAreExact) {
    // Printing hides a last-digit error; these must be the values themselves.
    EXPECT_EQ(FnExp2({Number(10)}), 1024);
    EXPECT_EQ(FnExp2({Number(-3)}), Number("0.125"));
    EXPECT_EQ(FnScalbn({Number(7), Number(-2)}), Number("0.07"));
    EXPECT_EQ(FnSqrt({Number(16)}), 4);
    EXPECT_EQ(FnFrac({Number("-2.7")}), Number("-0.7"));
}

std::string Printed(const Number& x, int digits) {
    return x.str(digits, std::ios_base::fmtflags(0));
}

// Each line: function ("^" for the power operator), arguments separated by ';', the value at 32
// and at 100 digits. Every printed digit must be right, the 100th included.
TEST(MathReference, EveryRowAgreesInAllPrintedDigits) {
    std::ifstream file(std::string(NUMORA_TEST_DATA) + "/math_reference.tsv");
    int rows = 0, wrong = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        ++rows;
        std::istringstream fields(line);
        std::string name, arguments, expected32, expected100;
        ASSERT_TRUE(std::getline(fields, name, '\t') && std::getline(fields, arguments, '\t') &&
                    std::getline(fields, expected32, '\t') && std::getline(fields, expected100) &&
                    expected100.find('\t') == std::string::npos)
            << "malformed reference line " << number;
        ArgList args;
        std::istringstream argumentStream(arguments);
        for (std::string text; std::getline(argumentStream, text, ';');) args.emplace_back(text);
        Number result;
        if (name == "^") {
            ASSERT_EQ(args.size(), 2u) << number;
            result = Power(args[0], args[1]);
        } else {
            const BuiltinFunction* function = FindBuiltin(std::u16string(name.begin(), name.end()));
            ASSERT_TRUE(function != nullptr && function->Impl != nullptr) << number;
            ASSERT_GE(args.size(), function->MinParams);
            ASSERT_LE(args.size(), function->MaxParams);
            result = function->Impl(args);
        }
        if (Printed(result, 32) != expected32 || Printed(result, 100) != expected100) {
            if (++wrong <= 10) {
                ADD_FAILURE() << "line " << number << ": " << name << "(" << arguments << ")\n  "
                              << Printed(result, 100) << "\n  " << expected100;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(rows, 1500) << "reference data missing or truncated";
}

}  // namespace
}  // namespace numora::test
