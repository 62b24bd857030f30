// Percentages as a handheld calculator reads them, consumption tax rounded to yen, and numbers
// written with 万 and 億, read and written; with the option off every line reads as before.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/MyriadNumeral.h"
#include "engine/TaxFunctions.h"

namespace numora::test {
namespace {

class PercentTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.SetOptions({.Percent = true});
    }
};

TEST_F(PercentTest, PercentBindsToItsOperand) {
    ExpectValues({
        {"50%", "0.5"},
        {"200 * 5%", "10"},
        {"1100/110%", "1000"},
        {"4^50%", "2"},
        {"10%^2", "0.01"},
        {"-10%", "-0.1"},
        {"10%%", "0.001"},
        {"10 %", "0.1"},
        {"50% * 2", "1"},
        {"１２００＋１０％", "1320"},
        {"(1+1)%", "0.02"},
    });
}

TEST_F(PercentTest, RemainderStaysWhereAnOperandFollows) {
    Run("x = 7");
    ExpectValues({
        {"7%3", "1"},
        {"x % 2", "1"},
        {"10%(-5)", "0"},
        {"7 % .5", "0"},
        {"10%x", "3"},
        // A signed number after it makes it a percent: the remainder needs the parentheses.
        {"10 % -5", "-4.9"},
    });
}

TEST_F(PercentTest, ChainScalesTheRunningValue) {
    Run("税率 = 10");
    Run("r = 10%");
    ExpectValues({
        {"1200 + 10%", "1320"},
        {"2000 + 3000 + 4%", "5200"},
        {"72 - 20% + 5%", "60.48"},
        {"1000 + 10% + 500", "1600"},
        {"1000 - 10%", "900"},
        {"1000 + -10%", "900"},
        {"1000 - -10%", "1100"},
        {"-1000 + 10%", "-1100"},
        {"1000 + 税率%", "1100"},
        // A chain that begins with a percent adds plainly; parentheses keep a value as it is.
        {"10% + 5%", "0.15"},
        {"10% + 100", "100.1"},
        {"-10% + 5%", "-0.05"},
        {"100 + (10%)", "100.1"},
        {"100 + (10 + 5)%", "115"},
        {"100 + 10% * 2", "100.2"},
        {"100 + 2 * 10%", "100.2"},
        {"100 + 10%^2", "100.01"},
        {"(100 + 10%) * 2", "220"},
        {"2 * (100 + 10%)", "220"},
        // Variables hold plain numbers.
        {"r", "0.1"},
        {"1000 + r", "1000.1"},
        {"abs(-100 + 10%)", "110"},
        {"@ + 10%", "121"},
    });
}

TEST_F(PercentTest, TaxFunctions) {
    ExpectValues({
        {"Pct(25; 200)", "12.5"},
        {"PctChange(200; 250)", "25"},
        {"PctChange(200; 150)", "-25"},
        {"Tax(1000)", "100"},
        {"Tax(105*3)", "31"},
        {"3 * Tax(105)", "30"},
        {"Tax(1234; 8%)", "98"},
        {"Tax(1234; 0.08; 0)", "99"},
        {"Tax(1234; 8%; 1)", "99"},
        {"Tax(1231; 8%; 0)", "98"},
        {"Tax(-1234; 8%)", "-98"},
        {"Tax(-1234; 8%; 0)", "-99"},
        {"Tax(-1231; 8%; 1)", "-99"},
        {"Tax(1000; 0)", "0"},
        {"TaxPlus(1980)", "2178"},
        {"TaxPlus(1234; 8%)", "1332"},
        {"TaxIncluded(1100)", "100"},
        {"TaxIncluded(1000; 8%)", "74"},
        {"TaxIncluded(1000; 8%; 1)", "75"},
        {"TaxMinus(1100)", "1000"},
        {"TaxMinus(1000; 8%)", "926"},
        {"消費税(1000)", "100"},
        {"税込(1000; 8%)", "1080"},
        {"内税(1080; 8%)", "80"},
        {"税抜(1080; 8%)", "1000"},
        {"TAX(50)", "5"},
    });
    ExpectErrors({
        {"Tax(1000; 10)", -1, "Error : Invalid Tax Rate (Write 10% or 0.1)", 0},
        {"Tax(1000; 100%)", -1, "Error : Invalid Tax Rate (Write 10% or 0.1)", 0},
        {"Tax(1000; -1%)", -1, "Error : Invalid Tax Rate (Write 10% or 0.1)", 0},
        {"Tax(1000; 10%; 2)", -1,
         "Error : Invalid Rounding (-1 Round Down, 0 Round Half Up, 1 Round Up)", 0},
        {"Tax(1000; 10%; 0.5)", -1,
         "Error : Invalid Rounding (-1 Round Down, 0 Round Half Up, 1 Round Up)", 0},
        {"Pct(1; 0)", -1, "Error : Division by zero", 0},
        {"PctChange(0; 5)", -1, "Error : Division by zero", 0},
        {"Tax()", -1, "Error : No Function Parameter", 0},
        {"Pct(1)", -1, "Error : Invalid Function Parameter (2 Parameters Required)", 0},
        {"Tax(1;2%;0;4)", -1, "Error : Invalid Function Parameter (Up to 3 Parameter(s))", 0},
    });
}

TEST_F(PercentTest, TaxSettingsAreTheDefaults) {
    engine.SetOptions({.Percent = true, .TaxRate = 8, .TaxRounding = 0});
    ExpectValues({{"Tax(1231)", "98"}, {"Tax(1234)", "99"}, {"TaxPlus(1000; 10%)", "1100"}});
    engine.SetOptions({.Percent = true, .TaxRate = 10, .TaxRounding = 1});
    ExpectValues({{"Tax(1001)", "101"}});
}

TEST_F(PercentTest, NamesOfTheTaxFunctions) {
    AddUserFunction("tax", {"x"}, "x * 2");
    Run("消費税 = 5");
    ExpectValues({
        {"Tax(10)", "20"},  // the user's function wins
        {"消費税", "5"},    // a bare name is never a call
        {"消費税(1000)", "100"},
    });
}

TEST_F(PercentTest, MyriadNumerals) {
    ExpectValues({
        {"3万5千", "35000"},
        {"1.5億", "150000000"},
        {"1億2345万6789", "123456789"},
        {"3千万", "30000000"},
        {"2兆5000億", "2500000000000"},
        {"1,234万", "12340000"},
        {"５万", "50000"},
        {"１．５万", "15000"},
        {"3万5", "30005"},
        {"1京", "10000000000000000"},
        {"2百", "200"},
        {"1千2百万", "12000000"},
        {"1万2千3百4", "12304"},
        {"1億5万", "100050000"},
        {"1万0.5", "10000.5"},
        {"3万 + 10%", "33000"},
        {"-3万5千", "-35000"},
        {"12345万", "123450000"},
    });
    Run("万 = 3");
    EXPECT_EQ(Text("万 * 2"), "6");
    ExpectErrors({
        {"1万2億", -3, "Error : Invalid Value 1万2億 (Largest Unit First, Once Each)", 3},
        {"1万2万", -3, "Error : Invalid Value 1万2万 (Largest Unit First, Once Each)", 3},
        {"1億12345万", -3, "Error : Invalid Value 1億12345万 (Too Many Digits after 億)", 7},
        {"3千5000", -3, "Error : Invalid Value 3千5000 (Too Many Digits after 千)", 6},
        {"5百3千", -3, "Error : Invalid Value 5百3千 (Largest Unit First, Once Each)", 3},
        {"1万万", -3, "Error : Invalid Value 1万万 (Largest Unit First, Once Each)", 2},
        {"3千千", -3, "Error : Invalid Value 3千千 (Largest Unit First, Once Each)", 2},
        {"1万千", -3, "Error : Invalid Value 1万千 (Largest Unit First, Once Each)", 2},
    });
}

// Where a numeral ends and what it is worth, also past 63 bits and at the end of a digit run.
TEST(MyriadNumeralTest, ValuesAndEnds) {
    const struct {
        const char16_t* text;
        const char* value;  // nullptr: a fault
        std::size_t end;
    } rows[] = {
        {u"3万5千 + 10%", "35000", 4},
        {u"1億2345万6789", "123456789", 11},
        {u"1万0005", "10005", 6},
        {u"0万", "0", 2},
        {u"1万.5", "10000", 2},
        {u"3万5e2", "30500", 5},
        {u"1.5万3", "15003", 5},
        {u"922京3372兆0368億5477万5807", "9223372036854775807", 23},
        {u"922京3372兆0368億5477万5808", "9223372036854775808", 23},
        {u"9999京9999兆9999億9999万9999", "99999999999999999999", 24},
        {u"123456789012345678万", "1234567890123456780000", 19},
        {u"1234567890123456789万", "12345678901234567890000", 20},
        {u"0x10万", "16", 4},
        {u"1万2345,6", nullptr, 0},
        {u"1万12345", nullptr, 0},
        {u"5千5千", nullptr, 0},
        {u"1千1000", nullptr, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Utf16ToUtf8(row.text));
        std::size_t position = 0;
        Number value;
        std::u16string detail;
        const bool read = ParseMyriadNumeral(row.text, position, value, detail);
        ASSERT_EQ(read, row.value != nullptr) << Utf16ToUtf8(detail);
        if (!read) continue;
        EXPECT_EQ(value, Number(row.value));
        EXPECT_EQ(position, row.end);
        EXPECT_TRUE(detail.empty());
    }
}

TEST_F(PercentTest, MyriadDisplayReadsBack) {
    engine.SetOptions({.Percent = true, .MyriadGrouping = true});
    const std::vector<ValueCase> cases = {
        {"123456789", "1億2345万6789"},
        {"1.5億", "1億5000万"},
        {"100050000", "1億5万"},
        {"12345.67", "1万2345.67"},
        {"-35000", "-3万5000"},
        {"9999", "9999"},
        {"10000", "1万"},
        {"100000005", "1億5"},
        {"10000.5", "1万0.5"},
        {"1e20", "100000000000000000000"},
        {"99999999999999999999", "9999京9999兆9999億9999万9999"},
        {"0.5", "0.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.Line), c.Expected) << c.Line;
        // The status bar keeps the plain decimal, and the text reads back as the same number.
        const std::string plain = Utf16ToUtf8(engine.GetValueText());
        EXPECT_EQ(Text(c.Expected), c.Expected) << c.Line;
        EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), plain) << c.Line;
    }
    engine.SetOptions({.GroupDigits = true, .Percent = true, .MyriadGrouping = true});
    EXPECT_EQ(Text("1234"), "1,234");
    EXPECT_EQ(Text("12345"), "1万2345");
    EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), "12,345");
}

TEST_F(PercentTest, RoundYen) {
    struct Case {
        const char* X;
        YenRounding Mode;
        const char* Expected;
    };
    for (const Case& c : std::vector<Case>{
             {"0.5", YenRounding::HalfUp, "1"},
             {"0.49", YenRounding::HalfUp, "0"},
             {"-0.5", YenRounding::HalfUp, "-1"},
             {"2.5", YenRounding::Down, "2"},
             {"-2.5", YenRounding::Down, "-2"},
             {"2.01", YenRounding::Up, "3"},
             {"-2.01", YenRounding::Up, "-3"},
             {"3", YenRounding::Up, "3"},
             {"-0.2", YenRounding::Down, "0"},
         }) {
        const Number rounded = RoundYen(Number(c.X), c.Mode);
        EXPECT_EQ(rounded.str(0, std::ios_base::fmtflags{}), c.Expected) << c.X;
    }
}

// With the option off every line above means what it meant before.
TEST(PercentOffTest, LinesReadAsBefore) {
    CalcEngine engine;
    for (const auto& [line, expected] : std::vector<std::pair<std::string, std::string>>{
             {"1200 + 10%", "Error : Illegal Expression"},
             {"7%3", "1"},
             {"10 % -5", "0"},
             {"Tax(1000)", "Error : \"tax\" is Not Function"},
             {"消費税(1000)", "Error : \"消費税\" is Not Function"},
             {"3万", "Error : Illegal Character"},
             {"万 = 3", "3"},
             {"3万5千", "Error : Illegal Character"},
         }) {
        std::u16string text = Utf8ToUtf16(line);
        std::int32_t position = 0;
        engine.Evaluate(text, position);
        EXPECT_EQ(Utf16ToUtf8(engine.GetMessageText()), expected) << line;
    }
}

}  // namespace
}  // namespace numora::test
