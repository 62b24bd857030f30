#include "engine/Format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "EngineTestSupport.h"
#include "engine/IntConvert.h"

namespace numora::test {
namespace {

std::string Format(const Number& v, int digits) { return Utf16ToUtf8(FormatNumber(v, digits)); }

struct FormatCase {
    const char* Line;
    int Digits;
    std::string Expected;
};

class FormatTest : public EngineTest {};

TEST_F(FormatTest, ResultTextFollowsDigits) {
    const FormatCase cases[] = {
        {"1/3", 32, "0." + std::string(32, '3')},
        {"2/3", 32, "0." + std::string(31, '6') + "7"},
        {"1e31", 32, "1" + std::string(31, '0')},
        {"1e32", 32, "1e+32"},
        {"0.0001", 32, "0.0001"},
        {"0.00001", 32, "1e-05"},
        {"1.5e-7", 32, "1.5e-07"},
        {"2^100", 32, "1267650600228229401496703205376"},
        {"-2.5", 32, "-2.5"},
        {"100", 32, "100"},
        {"0", 32, "0"},
        {"0/1", 32, "0"},
        {"1e999999999", 32, "inf"},
        {"-1e999999999", 32, "-inf"},
        {"1e999999999*0", 32, "nan"},
        {"1e-100", 32, "1e-100"},
        {"123456.789", 32, "123456.789"},
        {"15", 1, "2e+01"},
        {"25", 1, "2e+01"},
        {"35", 1, "4e+01"},
        {"0.5", 1, "0.5"},
        {"7", 1, "7"},
        {"9.99", 2, "10"},
        {"0.125", 2, "0.12"},
        {"123456", 3, "1.23e+05"},
        {"2^100", 0, "1267650600228229401496703205376"},
        {"1e127", 0, "1" + std::string(127, '0')},
        {"1e128", 0, "1e+128"},
        {"0.00001", 0, "1e-05"},
        {"-12345.678", 0, "-12345.678"},
        {"1e200/3", 40, "3.333333333333333333333333333333333333333e+199"},
    };
    for (const FormatCase& c : cases) {
        engine.SetDigits(c.Digits);
        const Outcome out = Run(c.Line);
        EXPECT_EQ(out.Status, 0) << c.Line;
        EXPECT_EQ(out.Text, c.Expected) << c.Line << " digits " << c.Digits;
        EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), c.Expected) << c.Line;
    }
}

TEST_F(FormatTest, DigitsZeroWritesEveryDigitNumberHolds) {
    engine.SetDigits(0);
    const std::string all = Text("1/3");
    ASSERT_GT(all.size(), 102u);
    EXPECT_EQ(all.substr(0, 2), "0.");
    EXPECT_EQ(all.find_first_not_of('3', 2), std::string::npos) << all;
    engine.SetDigits(255);
    EXPECT_EQ(Text("1/3"), all);
    engine.SetDigits(100);
    EXPECT_EQ(Text("1/3"), "0." + std::string(100, '3'));
}

TEST(FormatNumberTest, DigitsOutsideTheSettingRangeAreClamped) {
    const Number third = Number(1) / 3;
    EXPECT_EQ(Format(third, -5), Format(third, 0));
    EXPECT_EQ(Format(third, 1000), Format(third, 255));
}

TEST_F(FormatTest, StatusForms) {
    struct Case {
        const char* Line;
        const char* HexGrouped;
        const char* HexPlain;
        const char* BinGrouped;
        const char* BinPlain;
    } cases[] = {
        {"255", "0000 0000 0000 00FF ", "0xFF", "0000 0000 0000 0000 0000 0000 1111 1111 ",
         "0b11111111"},
        {"-1", "FFFF FFFF FFFF FFFF ", "0xFFFFFFFFFFFFFFFF",
         "1111 1111 1111 1111 1111 1111 1111 1111 ",
         "0b1111111111111111111111111111111111111111111111111111111111111111"},
        {"2^40", "0000 0100 0000 0000 ", "0x10000000000",
         "0000 0000 0000 0000 0000 0000 0000 0000 ", "0b10000000000000000000000000000000000000000"},
        {"0.7", "0000 0000 0000 0000 ", "0x0", "0000 0000 0000 0000 0000 0000 0000 0000 ", "0b"},
        {"-0.7", "0000 0000 0000 0000 ", "0x0", "0000 0000 0000 0000 0000 0000 0000 0000 ", "0b"},
        {"0x1234ABCD", "0000 0000 1234 ABCD ", "0x1234ABCD",
         "0001 0010 0011 0100 1010 1011 1100 1101 ", "0b10010001101001010101111001101"},
        {"1e30", "FFFF FFFF FFFF FFFF ", "0xFFFFFFFFFFFFFFFF",
         "1111 1111 1111 1111 1111 1111 1111 1111 ",
         "0b1111111111111111111111111111111111111111111111111111111111111111"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Run(c.Line).Status, 0) << c.Line;
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Hexadecimal, true)),
                  c.HexGrouped)
            << c.Line;
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Hexadecimal, false)), c.HexPlain)
            << c.Line;
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Binary, true)), c.BinGrouped)
            << c.Line;
        EXPECT_EQ(Utf16ToUtf8(engine.FormatForStatus(StatusFormat::Binary, false)), c.BinPlain)
            << c.Line;
        EXPECT_EQ(engine.FormatForStatus(StatusFormat::Decimal, true), engine.GetValueText());
        EXPECT_EQ(engine.FormatForStatus(StatusFormat::Decimal, false), engine.GetValueText());
    }
}

TEST(IntConvertTest, ConversionsTruncateAndSaturate) {
    const Number inf = std::numeric_limits<Number>::infinity();
    const Number nan = std::numeric_limits<Number>::quiet_NaN();
    struct Case {
        Number Value;
        std::int64_t Int64;
        std::int32_t Int32;
        std::uint64_t UInt64;
    } cases[] = {
        {Number("1.9"), 1, 1, 1},
        {Number("-1.9"), -1, -1, ~std::uint64_t{0}},
        {Number("-0.5"), 0, 0, 0},
        {Number("9223372036854775806.5"), 9223372036854775806, 2147483647, 9223372036854775806u},
        {Number("1e19"), std::numeric_limits<std::int64_t>::max(), 2147483647,
         10000000000000000000u},
        {Number("18446744073709551614.7"), std::numeric_limits<std::int64_t>::max(), 2147483647,
         18446744073709551614u},
        {Number("1e30"), std::numeric_limits<std::int64_t>::max(), 2147483647, ~std::uint64_t{0}},
        {Number("-1e30"), std::numeric_limits<std::int64_t>::min(), -2147483647 - 1,
         std::uint64_t{1} << 63},
        {Number("-3000000000"), -3000000000, -2147483647 - 1,
         static_cast<std::uint64_t>(std::int64_t{-3000000000})},
        {inf, std::numeric_limits<std::int64_t>::max(), 2147483647, ~std::uint64_t{0}},
        {-inf, std::numeric_limits<std::int64_t>::min(), -2147483647 - 1, std::uint64_t{1} << 63},
        {nan, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const std::string label = c.Value.str(30, std::ios_base::fmtflags{});
        EXPECT_EQ(ToInt64(c.Value), c.Int64) << label;
        EXPECT_EQ(ToInt32(c.Value), c.Int32) << label;
        EXPECT_EQ(ToUInt64(c.Value), c.UInt64) << label;
    }
}

}  // namespace
}  // namespace numora::test
