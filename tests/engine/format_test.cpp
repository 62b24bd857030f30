#include "engine/Format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "EngineTestSupport.h"
#include "engine/IntConvert.h"

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
        {32, "1/3", "0." + std::string(32, '3')}, {32, "2/3", "0." + std::string(31, '6') + "7"},
        {32, "1e31", "1" + std::string(31, '0')}, {32, "1e32", "1e+32"}, {32, "0.0001", "0.0001"},
        {32, "0.00001", "1e-05"}, {32, "1.5e-7", "1.5e-07"},
        {32, "2^100", "1267650600228229401496703205376"}, {32, "-2.5", "-2.5"}, {32, "100", "100"},
        {32, "0/1", "0"}, {32, "1e-100", "1e-100"}, {1, "15", "2e+01"}, {1, "25", "2e+01"},
        {1, "35", "4e+01"}, {1, "0.5", "0.5"}, {2, "9.99", "10"}, {2, "0.125", "0.12"},
        {3, "123456", "1.23e+05"}, {0, "2^100", "1267650600228229401496703205376"},
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
    EXPECT_EQ(FormatNumber(Number(1) / 3, -5), FormatNumber(Number(1) / 3, 0));  // clamped
}

TEST_F(FormatTest, StatusForms) {
    const std::string ones32 = "1111 1111 1111 1111 1111 1111 1111 1111 ";
    const std::string zeros32 = "0000 0000 0000 0000 0000 0000 0000 0000 ";
    // line, hexadecimal grouped and plain, binary grouped and plain
    // clang-format off
    const std::string cases[][5] = {
        {"255", "0000 0000 0000 00FF ", "0xFF", "0000 0000 0000 0000 0000 0000 1111 1111 ",
         "0b11111111"},
        {"-1", "FFFF FFFF FFFF FFFF ", "0xFFFFFFFFFFFFFFFF", ones32, "0b" + std::string(64, '1')},
        {"2^40", "0000 0100 0000 0000 ", "0x10000000000", zeros32, "0b1" + std::string(40, '0')},
        {"0.7", "0000 0000 0000 0000 ", "0x0", zeros32, "0b"},
        {"0x1234ABCD", "0000 0000 1234 ABCD ", "0x1234ABCD",
         "0001 0010 0011 0100 1010 1011 1100 1101 ", "0b10010001101001010101111001101"},
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

TEST(IntConvertTest, ConversionsTruncateAndSaturate) {
    const Number inf = std::numeric_limits<Number>::infinity();
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    // clang-format off
    struct Case {
        Number Value;
        std::int64_t Int64;
        std::int32_t Int32;
        std::uint64_t UInt64;
    } cases[] = {
        {Number("-1.9"), -1, -1, ~0ull}, {Number("-0.5"), 0, 0, 0},
        {Number("9223372036854775806.5"), kMax - 1, 2147483647, 9223372036854775806ull},
        {Number("18446744073709551614.7"), kMax, 2147483647, 18446744073709551614ull},
        {Number("1e30"), kMax, 2147483647, ~0ull},
        {Number("-3000000000"), -3000000000, -2147483647 - 1, ~0ull - 2999999999ull},
        {-inf, kMin, -2147483647 - 1, 1ull << 63},
        {std::numeric_limits<Number>::quiet_NaN(), 0, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ToInt64(c.Value), c.Int64) << c.Value;
        EXPECT_EQ(ToInt32(c.Value), c.Int32) << c.Value;
        EXPECT_EQ(ToUInt64(c.Value), c.UInt64) << c.Value;
    }
}

}  // namespace
}  // namespace numora::test
