#include <gtest/gtest.h>

#include <string>

#include "engine/CharClass.h"
#include "engine/Format.h"
#include "engine/NumberLiteral.h"
#include "engine/Text.h"

namespace numora {
namespace {

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
        {"1,2.5", true, "12.5", 5}, {"0,5", true, "5", 3}, {"1E-3", true, "0.001", 4},
        {"1e+2", true, "100", 4}, {"0d12", true, "12", 4}, {"0D7", true, "7", 3},
        {"1.5x", true, "1.5", 3}, {"1_000", true, "1", 1}, {"1e2-3", true, "100", 3},
        {"123456789012345678901", true, "123456789012345678901", 21},
        {"1e999999999", true, "inf", 11}, {"1e-999999999", true, "0", 12},
        {"10000e2147483647", true, "inf", 16}, {"0.0001e-2147483648", true, "0", 18},
        {"0x_ff_ff", true, "65535", 8}, {"0xFFFFFFFFFFFFFFFF", true, "-1", 18},
        {"0x8000000000000000", true, "-9223372036854775808", 18},
        {"0x123456789abcdef01", true, "2541551405711093505", 19},  // low 64 bits
        {"0b1010", true, "10", 6}, {"0b102", true, "2", 4}, {"0B1_1", true, "3", 5},
        {"1.2.3", false, "1.2. (Multiple '.')", 4}, {"1e2e3", false, "1e2e (Multiple 'e')", 4},
        {"1e2.5", false, "1e2. (Exponent Part is not Integer)", 4},
        {"1e", false, "1e (No Exponent Part Value)", 2},
        {"1e-x", false, "1e- (No Exponent Part Value)", 3},
        {"0xg", false, "(No Hexadecimal Value)", 2}, {"0x__", false, "(No Hexadecimal Value)", 4},
        {"0b2", false, "(No Binary Value)", 2}, {"0d+1", false, "(No Decimal Value)", 2},
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

TEST(CharClassTest, ClassesAndNames) {
    for (char16_t c : std::u16string(u"%*+-/^\u00D7\u00F7")) EXPECT_EQ(OperatorClass(c), 1);
    EXPECT_EQ(OperatorClass(u'('), 2);
    EXPECT_EQ(OperatorClass(u')'), 2);
    for (char16_t c : std::u16string(u";=,.@_a0 \u3000")) EXPECT_EQ(OperatorClass(c), 0);

    for (char16_t c : std::u16string(u" \t\n\x01\x7f\u0085\u00A0\u2003\u2028\u3000")) {
        EXPECT_TRUE(IsBlank(c)) << int(c);
    }
    std::u16string graphic = u"a0;.@\u00D7\u03C0\u3042\u6F22\uFF21";
    graphic.push_back(char16_t{0xD800});
    for (char16_t c : graphic) EXPECT_FALSE(IsBlank(c)) << int(c);

    for (char16_t c :
         std::u16string(u"\u3000\u3042\u30A2\u6F22\uAC00\uFF21\uFF5E\uFFE5\U00020B9F")) {
        EXPECT_TRUE(IsFullWidth(c)) << int(c);
    }
    for (char16_t c : std::u16string(u"aZ09_.\u00E9\u03C0\u2003\u303F\uFF61\uFF9E\uFFE8")) {
        EXPECT_FALSE(IsFullWidth(c)) << int(c);
    }

    const std::pair<std::u16string, std::u16string> names[] = {
        {u"sin (x)", u"sin"}, {u"a b + 1", u"a b"}, {u"x;y", u"x;y"}, {u"v\u3000\t", u"v"}};
    for (const auto& [text, expected] : names) {
        std::size_t position = 0;
        std::u16string name = u"stale";
        EXPECT_EQ(ReadName(text, position, name), 0u);
        EXPECT_EQ(name, expected);
        EXPECT_TRUE(position == text.size() || OperatorClass(text[position]) != 0);
    }
}

}  // namespace
}  // namespace numora
