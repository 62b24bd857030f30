// Result texts at a number of digits, the status forms, and the text built-ins hex and format.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "EngineTestSupport.h"
#include "base/Text.h"
#include "engine/BuiltinImpls.h"
#include "engine/Format.h"

namespace numora::test {
namespace {

class FormatTest : public EngineTest {};

TEST_F(FormatTest, ResultTextFollowsDigits) {
    struct Case {
        int Digits;
        std::string Line;
        std::string Expected;
        // clang-format off
    } cases[] = {
        {32, "2/3", "0." + std::string(31, '6') + "7"}, {32, "1e31", "1" + std::string(31, '0')},
        {32, "1e32", "1e+32"}, {32, "0.0001", "0.0001"}, {32, "0.00001", "1e-05"},
        {32, "-2.5", "-2.5"}, {32, "0/1", "0"}, {32, "1e-100", "1e-100"},
        {1, "15", "2e+01"}, {1, "25", "2e+01"}, {1, "35", "4e+01"}, {2, "9.99", "10"},
        {2, "0.125", "0.12"}, {3, "123456", "1.23e+05"},
        {0, "1e127", "1" + std::string(127, '0')}, {0, "1e128", "1e+128"},
        {0, "-12345.678", "-12345.678"}, {100, "1/3", "0." + std::string(100, '3')},
    };
    // clang-format on
    for (const Case& c : cases) {
        engine.SetDigits(c.Digits);
        EXPECT_EQ(Text(c.Line), c.Expected) << c.Line << " at " << c.Digits;
        EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), c.Expected);
    }
    // 0 writes every digit Number holds; 255 asks for more than there are.
    engine.SetDigits(0);
    const std::string all = Text("1/3");
    EXPECT_GT(all.size(), 102u);
    EXPECT_EQ(all.find_first_not_of('3', 2), std::string::npos) << all;
    engine.SetDigits(255);
    EXPECT_EQ(Text("1/3"), all);
}

TEST_F(FormatTest, GroupedDigitsReadBackAsTheSameNumber) {
    engine.SetOptions({.GroupDigits = true});
    const std::pair<const char*, const char*> cases[] = {
        {"2^64", "18,446,744,073,709,551,616"}, {"-1234.5678", "-1,234.5678"},
        {"999", "999"},     {"1000", "1,000"},   {"123456", "123,456"},
        {"0.00012345", "0.00012345"},           {"1e40", "1e+40"},
        {"1/0", "Error : Division by zero"},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(Text(line), expected) << line;
        // What is copied from a result line calculates to the same number.
        if (std::string(expected).find("Error") == std::string::npos) {
            const Number shown = engine.GetResult();
            EXPECT_EQ(Text(expected), expected);
            EXPECT_EQ(engine.GetResult(), shown) << expected;
        }
    }
    EXPECT_EQ(Utf16ToUtf8(GroupedDigits(u"inf")), "inf");
    EXPECT_EQ(Utf16ToUtf8(GroupedDigits(u"-nan")), "-nan");
}

TEST_F(FormatTest, StatusForms) {
    const std::string ones32 = "1111 1111 1111 1111 1111 1111 1111 1111 ";
    const std::string zeros32 = "0000 0000 0000 0000 0000 0000 0000 0000 ";
    // line, hexadecimal grouped and plain, binary grouped and plain
    // clang-format off
    const std::string cases[][5] = {
        {"0x1234ABCD", "0000 0000 1234 ABCD ", "0x1234ABCD",
         "0001 0010 0011 0100 1010 1011 1100 1101 ", "0b10010001101001010101111001101"},
        {"2^40", "0000 0100 0000 0000 ", "0x10000000000", zeros32, "0b1" + std::string(40, '0')},
        {"0.7", "0000 0000 0000 0000 ", "0x0", zeros32, "0b"},
        {"1e30", "FFFF FFFF FFFF FFFF ", "0xFFFFFFFFFFFFFFFF", ones32, "0b" + std::string(64, '1')},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_EQ(Run(c[0]).Status, 0) << c[0];
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Hexadecimal, true)), c[1]);
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Hexadecimal, false)), c[2]);
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Binary, true)), c[3]);
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Binary, false)), c[4]);
        EXPECT_EQ(engine.FormatForStatus(StatusFormat::Decimal, true), engine.GetValueText());
    }
}

const Number kNan = std::numeric_limits<Number>::quiet_NaN();
const Number kInf = std::numeric_limits<Number>::infinity();

// Calls a text built-in and checks that it passes its first argument through.
std::string TextOf(BuiltinTextImpl fn, const ArgList& args) {
    std::u16string text = u"previous";
    const Number value = fn(args, text);
    EXPECT_TRUE(value == args[0] || (isnan(value) && isnan(args[0]))) << "value not passed on";
    return Utf16ToUtf8(text);
}

TEST(HexFunction, TextAndValue) {
    // clang-format off
    const std::pair<Number, const char*> cases[] = {
        {Number(255), "0xFF"}, {Number(0), "0x0"}, {Number(-1), "0xFFFFFFFFFFFFFFFF"},
        {Number("4294967295"), "0xFFFFFFFF"},
        {Number("4294967297"), "0x100000001"},  // the low half keeps its leading zeros
        {Number("2.9"), "0x2"}, {Number("-0.7"), "0x0"}, {Number("-2"), "0xFFFFFFFFFFFFFFFE"},
        {Number("1e30"), "0xFFFFFFFFFFFFFFFF"}, {Number("-1e30"), "0x8000000000000000"},
        {kNan, "0x0"}, {kInf, "0xFFFFFFFFFFFFFFFF"},
    };
    // clang-format on
    for (const auto& [x, expected] : cases) EXPECT_EQ(TextOf(FnHex, {x}), expected) << x;
}

TEST(FormatFunction, Notations) {
    const Number pi("3.14159"), big("1234567"), small("0.000012345");
    struct Case {
        ArgList Args;  // x; digits; [type]
        std::string Expected;
    };
    // clang-format off
    const Case cases[] = {
        {{pi, 3}, "3.14"}, {{pi, 3, 0}, "3.14"}, {{pi, 3, 1}, "3.142"}, {{pi, 3, 2}, "3.142e+00"},
        {{pi, 3, 7}, "3.14"},  // unknown types fall back to general
        {{big, 3}, "1.23e+06"}, {{big, 3, 1}, "1234567.000"}, {{big, 3, 2}, "1.235e+06"},
        {{small, 3}, "1.23e-05"}, {{small, 3, 1}, "0.000"}, {{small, 3, 2}, "1.234e-05"},
        {{Number("-2.5"), 2, 1}, "-2.50"}, {{0, 3, 2}, "0.000e+00"}, {{Number("3.5"), 1, 0}, "4"},
        {{Number("99.96"), 3}, "100"}, {{Number("1e-300"), 2, 2}, "1.00e-300"},
        {{kNan, 5, 1}, "nan"}, {{-kInf, 5}, "-inf"},
        // 0 means every stored digit; a negative count reads like 0.
        {{Number(1) / 3, 0}, "0." + std::string(128, '3')},
        {{Number("2.5"), 0, 2}, "2.5" + std::string(127, '0') + "e+00"},
        {{Number("3.14159"), 0}, "3.14159"}, {{Number("123.456"), -2147483647}, "123.456"},
        {{Number("2.5"), -5, 1}, "2.5" + std::string(127, '0')},
        {{Number("1.5"), 2147483647}, "1.5"},
        // Fixed notation of a value with a huge exponent falls back to scientific.
        {{Number("1e100000"), 5, 1}, "1.00000e+100000"},
        {{Number("-1e60000000"), 2, 1}, "-1.00e+60000000"},
        {{Number("1e4000"), 1, 1}, "1" + std::string(4000, '0') + ".0"},
        {{Number("1e-100000"), 3, 1}, "0.000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(TextOf(FnFormat, c.Args), c.Expected) << c.Args[0] << "; " << c.Args[1];
    }
    for (int type : {1, 2})
        EXPECT_LT(TextOf(FnFormat, {Number("1.5"), 2147483647, type}).size(), 5000u);
}

}  // namespace
}  // namespace numora::test
