// Domain edges and robustness of the elementary functions.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/BuiltinImpls.h"
#include "engine/Builtins.h"

namespace numora {
namespace {

Number Arg(const std::string& text) {
    if (text == "inf") return std::numeric_limits<Number>::infinity();
    if (text == "-inf") return -std::numeric_limits<Number>::infinity();
    if (text == "nan") return std::numeric_limits<Number>::quiet_NaN();
    return Number(text);
}

std::string Printed(const Number& x) { return x.str(32, std::ios_base::fmtflags(0)); }

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

// Evaluates a call written "name(a;b)" through the table.
std::string Evaluate(const std::string& call) {
    const size_t open = call.find('(');
    const BuiltinFunction* function =
        FindBuiltin(std::u16string(call.begin(), call.begin() + open));
    if (function == nullptr || function->Impl == nullptr) return "no such function";
    ArgList args;
    const std::string inner = call.substr(open + 1, call.size() - open - 2);
    for (size_t start = 0;;) {
        const size_t end = inner.find(';', start);
        args.push_back(Arg(inner.substr(start, end - start)));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return Printed(function->Impl(args));
}

// Every call must print as `expected`.
void ExpectEach(const std::string& expected, const std::vector<std::string>& calls) {
    for (const std::string& call : calls) EXPECT_EQ(Evaluate(call), expected) << call;
}

TEST(MathDomain, OutsideTheDomainNan) {
    ExpectEach("nan", {"sqrt(-1)",
                       "sqr(-4)",
                       "sqrt(-inf)",
                       "ln(-1)",
                       "log(-1e-50)",
                       "log10(-2)",
                       "log2(-8)",
                       "ln(-inf)",
                       "asin(2)",
                       "asin(-1.0000000001)",
                       "acos(1.0000000001)",
                       "acos(-2)",
                       "asin(inf)",
                       "acosh(0.5)",
                       "acosh(0.9999999999)",
                       "acosh(-inf)",
                       "atanh(1.5)",
                       "atanh(-2)",
                       "cbrt(inf)",
                       "cbrt(-inf)",
                       "cbr(inf)"});
    // Infinities have no angle, and beyond 1e1000 no digit of the reduced angle is known.
    ExpectEach("nan",
               {"sin(inf)", "cos(-inf)", "tan(inf)", "sin(1e1000)", "cos(-2e5000)", "tan(1e1000)"});
}

TEST(MathDomain, PolesAndOverflowGiveInfinities) {
    ExpectEach("-inf", {"ln(0)", "log(0)", "log10(0)", "log2(0)", "atanh(-1)", "logb(0)",
                        "sinh(-1e300)", "ldexp(-1;1e10)", "asinh(-inf)"});
    ExpectEach("inf",
               {"atanh(1)", "logb(inf)", "logb(-inf)", "exp(1e300)", "exp(inf)", "exp2(1e300)",
                "exp2(1e9)", "exp2(inf)", "exp2(1000000000000.5)", "sinh(1e300)", "cosh(-1e300)",
                "acosh(inf)", "sqrt(inf)", "ln(inf)", "scalbn(1;1e10)", "ldexp(1;1e10)",
                "scalbn(12;2147483647)", "ldexp(3;2147483647)"});
    ExpectEach("0", {"exp(-1e300)", "exp(-inf)", "exp2(-1e20)", "exp2(-inf)", "scalbn(1;-1e10)",
                     "ldexp(1;-1e10)", "scalbn(12;-2147483648)", "ldexp(3;-2147483648)"});
    ExpectEach("1", {"tanh(inf)", "tanh(1e300)"});
    ExpectEach("1.5707963267948966192313216916398", {"atan(inf)", "atan(1e300)"});
}

TEST(MathDomain, InfinitiesThroughRoundingAndParts) {
    ExpectEach("inf",
               {"ceil(inf)", "floor(inf)", "round(inf)", "trunc(inf)", "int(inf)", "abs(-inf)"});
    ExpectEach("-inf", {"ceil(-inf)", "floor(-inf)", "round(-inf)", "trunc(-inf)", "int(-inf)"});
    ExpectEach("0", {"frac(inf)", "frac(-inf)"});
}

// The rows of the table served by this family.
std::vector<const BuiltinFunction*> ElementaryRows() {
    const std::vector<BuiltinImpl> impls = {
        FnAbs,  FnInt,  FnFrac,  FnCeil,   FnFloor, FnRound, FnTrunc, FnExp,   FnExp2,
        FnLn,   FnLog2, FnLog10, FnSqrt,   FnCbrt,  FnSin,   FnCos,   FnTan,   FnAsin,
        FnAcos, FnAtan, FnSinh,  FnCosh,   FnTanh,  FnAsinh, FnAcosh, FnAtanh, FnDeg,
        FnLogb, FnRad,  FnAtan2, FnScalbn, FnHypot, FnLdexp};
    std::vector<const BuiltinFunction*> rows;
    for (const BuiltinFunction& row : BuiltinTable()) {
        for (BuiltinImpl impl : impls) {
            if (row.Impl == impl) rows.push_back(&row);
        }
    }
    return rows;
}

TEST(MathDomain, NanGoesThroughEveryElementaryFunction) {
    const std::vector<const BuiltinFunction*> rows = ElementaryRows();
    EXPECT_EQ(rows.size(), 40u);
    for (const BuiltinFunction* row : rows) {
        for (size_t count = row->MinParams; count <= row->MaxParams; ++count) {
            const ArgList args(count, std::numeric_limits<Number>::quiet_NaN());
            EXPECT_EQ(Printed(row->Impl(args)), "nan") << Narrow(row->Name);
        }
    }
}

TEST(MathDomain, ExtremeArgumentsNeitherThrowNorHang) {
    const std::vector<std::string> extremes = {"1e300",       "-1e300",      "inf",
                                               "-inf",        "1e-300",      "1e67108000",
                                               "-1e67108000", "1e-67108000", "0"};
    for (const BuiltinFunction* row : ElementaryRows()) {
        for (const std::string& first : extremes) {
            for (const std::string& rest : extremes) {
                ArgList args(row->MaxParams, Arg(rest));
                args[0] = Arg(first);
                EXPECT_NO_THROW(row->Impl(args)) << Narrow(row->Name);
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

}  // namespace
}  // namespace numora
