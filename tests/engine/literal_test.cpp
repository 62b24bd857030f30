#include <gtest/gtest.h>

#include <string>

#include "engine/CharClass.h"
#include "engine/Format.h"
#include "engine/NumberLiteral.h"
#include "engine/Text.h"

namespace numora {
namespace {

struct LiteralCase {
    const char* Text;
    bool Ok;
    const char* Expected;  // value at 40 digits, or the detail text
    std::size_t End;       // position after reading
};

class LiteralTest : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(LiteralTest, ReadsValueOrDetail) {
    const LiteralCase& c = GetParam();
    const std::u16string text = Utf8ToUtf16(c.Text);
    std::size_t position = 0;
    Number value;
    std::u16string detail;
    const bool ok = ParseNumberLiteral(text, position, value, detail);
    ASSERT_EQ(ok, c.Ok) << c.Text;
    if (ok) {
        EXPECT_EQ(Utf16ToUtf8(FormatNumber(value, 40)), c.Expected) << c.Text;
        EXPECT_TRUE(detail.empty());
    } else {
        EXPECT_EQ(Utf16ToUtf8(detail), c.Expected) << c.Text;
    }
    EXPECT_EQ(position, c.End) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, LiteralTest,
    ::testing::Values(LiteralCase{"0", true, "0", 1}, LiteralCase{"12345", true, "12345", 5},
                      LiteralCase{".5", true, "0.5", 2}, LiteralCase{"5.", true, "5", 2},
                      LiteralCase{"1,000,000", true, "1000000", 9},
                      LiteralCase{"1,2.5", true, "12.5", 5}, LiteralCase{"0,5", true, "5", 3},
                      LiteralCase{"1e5", true, "100000", 3}, LiteralCase{"1E-3", true, "0.001", 4},
                      LiteralCase{"1e+2", true, "100", 4}, LiteralCase{"0d12", true, "12", 4},
                      LiteralCase{"0D7", true, "7", 3}, LiteralCase{"1.5x", true, "1.5", 3},
                      LiteralCase{"1_000", true, "1", 1}, LiteralCase{"2+3", true, "2", 1},
                      LiteralCase{"1e2-3", true, "100", 3},
                      LiteralCase{"0.1000000000000000000000000000000000000001", true,
                                  "0.1000000000000000000000000000000000000001", 42},
                      LiteralCase{"1e999999999", true, "inf", 11},
                      LiteralCase{"1e-999999999", true, "0", 12},
                      LiteralCase{"1e2147483647", true, "inf", 12},
                      LiteralCase{"10000e2147483647", true, "inf", 16},
                      LiteralCase{"0.0001e-2147483648", true, "0", 18}));

INSTANTIATE_TEST_SUITE_P(
    Integer, LiteralTest,
    ::testing::Values(LiteralCase{"0x_ff_ff", true, "65535", 8},
                      LiteralCase{"0XfF", true, "255", 4},
                      LiteralCase{"0xFFFFFFFFFFFFFFFF", true, "-1", 18},
                      LiteralCase{"0x8000000000000000", true, "-9223372036854775808", 18},
                      LiteralCase{"0x123456789abcdef01", true, "2541551405711093505", 19},
                      LiteralCase{"0b1010", true, "10", 6}, LiteralCase{"0b102", true, "2", 4},
                      LiteralCase{"0B1_1", true, "3", 5}, LiteralCase{"0x1g", true, "1", 3}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, LiteralTest,
    ::testing::Values(
        LiteralCase{"1.2.3", false, "1.2. (Multiple '.')", 4},
        LiteralCase{"1e2e3", false, "1e2e (Multiple 'e')", 4},
        LiteralCase{"1e2.5", false, "1e2. (Exponent Part is not Integer)", 4},
        LiteralCase{"1e", false, "1e (No Exponent Part Value)", 2},
        LiteralCase{"1e+", false, "1e+ (No Exponent Part Value)", 3},
        LiteralCase{"1e-x", false, "1e- (No Exponent Part Value)", 3},
        LiteralCase{"0xg", false, "(No Hexadecimal Value)", 2},
        LiteralCase{"0x__", false, "(No Hexadecimal Value)", 4},
        LiteralCase{"0b", false, "(No Binary Value)", 2},
        LiteralCase{"0b2", false, "(No Binary Value)", 2},
        LiteralCase{"0d", false, "(No Decimal Value)", 2},
        LiteralCase{"0d+1", false, "(No Decimal Value)", 2},
        LiteralCase{"1e99999999999", false, "1e99999999999 (Exponent Part is out of Range)", 13},
        LiteralCase{"1e-2147483649", false, "1e-2147483649 (Exponent Part is out of Range)", 13},
        LiteralCase{"1e000000000000000000000000000000000000099999999999", false,
                    "1e000000000000000000000000000000000000099999999999 (Exponent "
                    "Part is out of Range)",
                    50}));

TEST(CharClassTest, OperatorClasses) {
    for (char16_t c : std::u16string(u"%*+-/^\u00D7\u00F7"))
        EXPECT_EQ(OperatorClass(c), 1) << int(c);
    EXPECT_EQ(OperatorClass(u'('), 2);
    EXPECT_EQ(OperatorClass(u')'), 2);
    for (char16_t c : std::u16string(u";=,.@_a0 \u3000")) EXPECT_EQ(OperatorClass(c), 0) << int(c);
}

TEST(CharClassTest, BlanksAreControlsAndSpaceSeparators) {
    for (char16_t c : std::u16string(u" \t\r\n\x01\x7f\u0085\u00A0\u2003\u2028\u202F\u3000")) {
        EXPECT_TRUE(IsBlank(c)) << int(c);
    }
    std::u16string graphic = u"a0;.@\u00D7\u03C0\u3042\u6F22\uFF21";
    graphic.push_back(char16_t{0xD800});  // a lone surrogate is no blank either
    for (char16_t c : graphic) {
        EXPECT_FALSE(IsBlank(c)) << int(c);
    }
}

TEST(CharClassTest, ReadNameStopsAtOperatorsAndTrimsBlanks) {
    struct Case {
        std::u16string Text;
        std::u16string Name;
        std::size_t End;
    } cases[] = {
        {u"sin (x)", u"sin", 4}, {u"a b + 1", u"a b", 4}, {u"x;y", u"x;y", 3},
        {u"abc", u"abc", 3},     {u"v\u3000\t", u"v", 3}, {u"\u5909\u6570*2", u"\u5909\u6570", 2},
    };
    for (const Case& c : cases) {
        std::size_t position = 0;
        std::u16string name = u"stale";
        EXPECT_EQ(ReadName(c.Text, position, name), 0u);
        EXPECT_EQ(name, c.Name);
        EXPECT_EQ(position, c.End);
    }
    std::u16string padded = u"ab \t\u3000";
    TrimTrailingBlanks(padded);
    EXPECT_EQ(padded, u"ab");
}

}  // namespace
}  // namespace numora
