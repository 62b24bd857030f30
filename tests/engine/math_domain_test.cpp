// Domain edges, exact results and robustness of the elementary functions.
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

Number Call(const std::u16string& name, const std::vector<std::string>& args) {
    const BuiltinFunction* function = FindBuiltin(name);
    EXPECT_NE(function, nullptr);
    if (function == nullptr || function->Impl == nullptr) return Number(-12345);
    ArgList list;
    for (const std::string& text : args) list.push_back(Arg(text));
    return function->Impl(list);
}

std::string Printed(const Number& x) { return x.str(32, std::ios_base::fmtflags(0)); }

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

struct Case {
    std::u16string Name;
    std::vector<std::string> Args;
    std::string Expected;  // as printed with 32 digits: "nan", "inf", "-inf" or a number
};

void ExpectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string call = Narrow(c.Name) + "(";
        for (size_t i = 0; i < c.Args.size(); ++i) call += (i ? ";" : "") + c.Args[i];
        EXPECT_EQ(Printed(Call(c.Name, c.Args)), c.Expected) << call + ")";
    }
}

TEST(MathDomain, OutsideTheDomainNanAtAPoleInfinity) {
    ExpectAll({
        {u"sqrt", {"-1"}, "nan"},
        {u"sqr", {"-4"}, "nan"},
        {u"sqrt", {"-inf"}, "nan"},
        {u"ln", {"0"}, "-inf"},
        {u"log", {"0"}, "-inf"},
        {u"log10", {"0"}, "-inf"},
        {u"log2", {"0"}, "-inf"},
        {u"ln", {"-1"}, "nan"},
        {u"log", {"-1e-50"}, "nan"},
        {u"log10", {"-2"}, "nan"},
        {u"log2", {"-8"}, "nan"},
        {u"ln", {"-inf"}, "nan"},
        {u"asin", {"2"}, "nan"},
        {u"asin", {"-1.0000000001"}, "nan"},
        {u"acos", {"1.0000000001"}, "nan"},
        {u"acos", {"-2"}, "nan"},
        {u"asin", {"inf"}, "nan"},
        {u"acosh", {"0.5"}, "nan"},
        {u"acosh", {"-inf"}, "nan"},
        {u"acosh", {"0.9999999999"}, "nan"},
        {u"atanh", {"1.5"}, "nan"},
        {u"atanh", {"-2"}, "nan"},
        {u"atanh", {"1"}, "inf"},
        {u"atanh", {"-1"}, "-inf"},
        {u"cbrt", {"inf"}, "nan"},
        {u"cbrt", {"-inf"}, "nan"},
        {u"cbr", {"inf"}, "nan"},
        {u"logb", {"0"}, "-inf"},
        {u"logb", {"inf"}, "inf"},
        {u"logb", {"-inf"}, "inf"},
    });
}

TEST(MathDomain, InfinitiesThroughRoundingAndParts) {
    ExpectAll({
        {u"ceil", {"inf"}, "inf"},
        {u"ceil", {"-inf"}, "-inf"},
        {u"floor", {"inf"}, "inf"},
        {u"floor", {"-inf"}, "-inf"},
        {u"round", {"inf"}, "inf"},
        {u"round", {"-inf"}, "-inf"},
        {u"trunc", {"inf"}, "inf"},
        {u"trunc", {"-inf"}, "-inf"},
        {u"int", {"inf"}, "inf"},
        {u"int", {"-inf"}, "-inf"},
        {u"frac", {"inf"}, "0"},
        {u"frac", {"-inf"}, "0"},
        {u"abs", {"-inf"}, "inf"},
    });
}

TEST(MathDomain, OverflowAndUnderflowGiveInfinityAndZero) {
    ExpectAll({
        {u"exp", {"1e300"}, "inf"},
        {u"exp", {"-1e300"}, "0"},
        {u"exp", {"inf"}, "inf"},
        {u"exp", {"-inf"}, "0"},
        {u"exp2", {"1e300"}, "inf"},
        {u"exp2", {"-1e20"}, "0"},
        {u"exp2", {"1e9"}, "inf"},
        {u"exp2", {"inf"}, "inf"},
        {u"exp2", {"-inf"}, "0"},
        {u"exp2", {"1000000000000.5"}, "inf"},
        {u"sinh", {"1e300"}, "inf"},
        {u"sinh", {"-1e300"}, "-inf"},
        {u"cosh", {"-1e300"}, "inf"},
        {u"tanh", {"-1e300"}, "-1"},
        {u"tanh", {"inf"}, "1"},
        {u"asinh", {"-inf"}, "-inf"},
        {u"acosh", {"inf"}, "inf"},
        {u"sqrt", {"inf"}, "inf"},
        {u"ln", {"inf"}, "inf"},
        {u"scalbn", {"1", "1e10"}, "inf"},
        {u"scalbn", {"1", "-1e10"}, "0"},
        {u"ldexp", {"1", "1e10"}, "inf"},
        {u"ldexp", {"-1", "1e10"}, "-inf"},
        {u"ldexp", {"1", "-1e10"}, "0"},
        {u"atan", {"inf"}, "1.5707963267948966192313216916398"},
        {u"atan", {"-inf"}, "-1.5707963267948966192313216916398"},
    });
}

TEST(MathDomain, CircularFunctionsOfAnglesWithoutMeaning) {
    // Infinities have no angle, and beyond 1e1000 no digit of the reduced angle is known.
    ExpectAll({
        {u"sin", {"inf"}, "nan"},
        {u"cos", {"-inf"}, "nan"},
        {u"tan", {"inf"}, "nan"},
        {u"sin", {"1e1000"}, "nan"},
        {u"cos", {"-2e5000"}, "nan"},
        {u"tan", {"1e1000"}, "nan"},
    });
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

TEST(MathDomain, FortyRowsAreElementary) { EXPECT_EQ(ElementaryRows().size(), 40u); }

TEST(MathDomain, NanPropagatesThroughEveryElementaryFunction) {
    for (const BuiltinFunction* row : ElementaryRows()) {
        for (size_t count = row->MinParams; count <= row->MaxParams; ++count) {
            const ArgList args(count, std::numeric_limits<Number>::quiet_NaN());
            EXPECT_EQ(Printed(row->Impl(args)), "nan") << Narrow(std::u16string(row->Name));
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
                EXPECT_NO_THROW(row->Impl(args)) << Narrow(std::u16string(row->Name));
            }
        }
    }
}

TEST(MathValues, ExactResultsStayExact) {
    struct Exact {
        Number Result;
        Number Expected;
        const char* What;
    };
    const std::vector<Exact> cases = {
        {FnExp2({Number(10)}), Number(1024), "exp2(10)"},
        {FnExp2({Number(-3)}), Number("0.125"), "exp2(-3)"},
        {FnLdexp({Number(3), Number(-1)}), Number("1.5"), "ldexp(3;-1)"},
        {FnLdexp({Number(1), Number(10)}), Number(1024), "ldexp(1;10)"},
        {FnScalbn({Number(7), Number(-2)}), Number("0.07"), "scalbn(7;-2)"},
        {FnScalbn({Number(1), Number("2.9")}), Number(100), "scalbn(1;2.9)"},
        {FnSqrt({Number(16)}), Number(4), "sqrt(16)"},
        {FnHypot({Number(3), Number(4)}), Number(5), "hypot(3;4)"},
        {FnLogb({Number("1234.5")}), Number(3), "logb(1234.5)"},
        {FnLogb({Number("-0.05")}), Number(-2), "logb(-0.05)"},
        {FnFrac({Number("-2.7")}), Number("-0.7"), "frac(-2.7)"},
        {FnAtan2({Number(0), Number(5)}), Number(0), "atan2(0;5)"},
    };
    for (const Exact& c : cases) EXPECT_EQ(c.Result, c.Expected) << c.What;
}

TEST(MathValues, RoundingHalvesGoAwayFromZero) {
    ExpectAll({
        {u"round", {"0.5"}, "1"},
        {u"round", {"1.5"}, "2"},
        {u"round", {"2.5"}, "3"},
        {u"round", {"-0.5"}, "-1"},
        {u"round", {"-1.5"}, "-2"},
        {u"round", {"-2.5"}, "-3"},
        {u"round", {"2.4999"}, "2"},
        {u"round", {"-2.5000000000000000000000000000000000001"}, "-3"},
        {u"int", {"-2.7"}, "-2"},
        {u"trunc", {"-2.7"}, "-2"},
        {u"floor", {"-2.7"}, "-3"},
        {u"ceil", {"-2.7"}, "-2"},
        {u"frac", {"-2.7"}, "-0.7"},
        {u"frac", {"2.5"}, "0.5"},
    });
}

TEST(MathValues, IdentitiesBetweenRelatedCalls) {
    struct Pair {
        std::u16string LeftName;
        std::vector<std::string> LeftArgs;
        std::u16string RightName;
        std::vector<std::string> RightArgs;
    };
    const std::vector<Pair> pairs = {
        {u"rad", {"1", "0", "3600"}, u"rad", {"2"}},
        {u"rad", {"-10", "30"}, u"rad", {"-9.5"}},
        {u"rad", {"180"}, u"atan2", {"0", "-1"}},
        {u"deg",
         {"3.1415926535897932384626433832795028841971693993751058209749445923078"
          "1640628620899862803482534211706798"},
         u"abs",
         {"180"}},
        {u"log", {"1000"}, u"log2", {"8"}},
        {u"atan2", {"-1", "0"}, u"asin", {"-1"}},
    };
    for (const Pair& p : pairs) {
        EXPECT_EQ(Printed(Call(p.LeftName, p.LeftArgs)), Printed(Call(p.RightName, p.RightArgs)))
            << Narrow(p.LeftName) << " vs " << Narrow(p.RightName);
    }
}

}  // namespace
}  // namespace numora
