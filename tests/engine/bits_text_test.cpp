// hex and format: the text they hand back and the value they pass through.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/BuiltinImpls.h"
#include "engine/Text.h"

namespace numora {
namespace {

const Number kNan = std::numeric_limits<Number>::quiet_NaN();
const Number kInf = std::numeric_limits<Number>::infinity();

std::string HexText(const Number& x) {
    std::u16string text = u"previous";
    const Number value = FnHex({x}, text);
    EXPECT_TRUE(value == x || (isnan(value) && isnan(x))) << "hex must pass its argument through";
    return Utf16ToUtf8(text);
}

TEST(HexFunction, TextAndValue) {
    const std::vector<std::pair<Number, const char*>> cases = {
        {Number(255), "0xFF"},
        {Number(0), "0x0"},
        {Number(-1), "0xFFFFFFFFFFFFFFFF"},
        {Number("4294967295"), "0xFFFFFFFF"},
        {Number("4294967296"), "0x100000000"},
        // The low half keeps its leading zeros once a high half is written.
        {Number("4294967297"), "0x100000001"},
        {Number("1099511627776"), "0x10000000000"},
        {Number("2.9"), "0x2"},
        {Number("0.7"), "0x0"},
        {Number("-0.7"), "0x0"},
        {Number("-2"), "0xFFFFFFFFFFFFFFFE"},
        {Number("3735928559"), "0xDEADBEEF"},
        {Number("1e30"), "0xFFFFFFFFFFFFFFFF"},
        {Number("-1e30"), "0x8000000000000000"},
        {kNan, "0x0"},
        {kInf, "0xFFFFFFFFFFFFFFFF"},
    };
    for (const auto& [x, expected] : cases) {
        EXPECT_EQ(HexText(x), expected) << x.str(0, {});
    }
}

struct FormatCase {
    Number X;
    int Digits;
    int Type;  // -1: the third argument is absent
    const char* Expected;
};

std::string FormatText(const Number& x, int digits, int type) {
    ArgList args{x, Number(digits)};
    if (type >= 0) args.push_back(Number(type));
    std::u16string text = u"previous";
    const Number value = FnFormat(args, text);
    EXPECT_TRUE(value == x || (isnan(value) && isnan(x))) << "format must pass x through";
    return Utf16ToUtf8(text);
}

TEST(FormatFunction, ThreeNotations) {
    const std::vector<FormatCase> cases = {
        {Number("3.14159"), 3, -1, "3.14"},
        {Number("3.14159"), 3, 0, "3.14"},
        {Number("3.14159"), 3, 1, "3.142"},
        {Number("3.14159"), 3, 2, "3.142e+00"},
        {Number("3.14159"), 3, 7, "3.14"},  // unknown types fall back to general
        {Number("1234567"), 3, -1, "1.23e+06"},
        {Number("1234567"), 3, 1, "1234567.000"},
        {Number("1234567"), 3, 2, "1.235e+06"},
        {Number("0.000012345"), 3, -1, "1.23e-05"},
        {Number("0.000012345"), 3, 1, "0.000"},
        {Number("0.000012345"), 3, 2, "1.234e-05"},
        {Number("-2.5"), 4, -1, "-2.5"},
        {Number("-2.5"), 2, 1, "-2.50"},
        {Number("0"), 3, 1, "0.000"},
        {Number("0"), 3, 2, "0.000e+00"},
        {Number("0"), 3, 0, "0"},
        {Number("3.5"), 1, 0, "4"},
        {Number("99.96"), 3, -1, "100"},
        {Number("1e-300"), 2, 2, "1.00e-300"},
        {kNan, 5, 1, "nan"},
        {kInf, 5, 2, "inf"},
        {-kInf, 5, -1, "-inf"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatText(c.X, c.Digits, c.Type), c.Expected)
            << c.X.str(0, {}) << " digits " << c.Digits << " type " << c.Type;
    }
}

TEST(FormatFunction, ZeroDigitsMeansEveryStoredDigit) {
    const Number third = Number(1) / 3;
    EXPECT_EQ(FormatText(third, 0, -1), "0." + std::string(128, '3'));
    EXPECT_EQ(FormatText(Number("2.5"), 0, 1), "2.5" + std::string(127, '0'));
    EXPECT_EQ(FormatText(Number("2.5"), 0, 2), "2.5" + std::string(127, '0') + "e+00");
    EXPECT_EQ(FormatText(Number("3.14159"), 0, -1), "3.14159");
}

TEST(FormatFunction, ExtremeCountsAndValuesStayBounded) {
    // A negative count reads like 0 rather than reaching the conversion.
    EXPECT_EQ(FormatText(Number("123.456"), -5, 1), FormatText(Number("123.456"), 0, 1));
    EXPECT_EQ(FormatText(Number("123.456"), -2147483647, -1), "123.456");
    EXPECT_EQ(FormatText(Number("1.5"), 2147483647, -1), "1.5");
    EXPECT_LT(FormatText(Number("1.5"), 2147483647, 2).size(), 5000u);
    EXPECT_LT(FormatText(Number("1.5"), 2147483647, 1).size(), 5000u);
    // Fixed notation of a value with a huge exponent falls back to scientific.
    EXPECT_EQ(FormatText(Number("1e100000"), 5, 1), "1.00000e+100000");
    EXPECT_EQ(FormatText(Number("-1e60000000"), 2, 1), "-1.00e+60000000");
    EXPECT_EQ(FormatText(Number("1e4000"), 1, 1), "1" + std::string(4000, '0') + ".0");
    EXPECT_EQ(FormatText(Number("1e-100000"), 3, 1), "0.000");
}

}  // namespace
}  // namespace numora
