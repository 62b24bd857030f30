#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

class RobustnessTest : public EngineTest {};

TEST_F(RobustnessTest, ExtremeLinesEvaluateOrFail) {
    const std::string open(10000, '('), close(10000, ')');
    std::string sum = "0";
    for (int i = 0; i < 25000; ++i) sum += "+1.5";  // 100,001 characters
    std::string calls;
    for (int i = 0; i < 100000; ++i) calls += "sin(";
    calls += "1" + std::string(100000, ')');
    AddUserFunction("id", {"x"}, "x");
    // clang-format off
    ExpectValues({
        {open + "1+2" + close, "3"},
        {open + "1+-" + open + "2" + close + "^2" + close + "*2", "-6"},
        {"id(" + open + "5" + close + ")", "5"}, {open + "1", "Error : No Parenthesis"},
        {sum, "37500"}, {std::string(100000, '7'), "7.7777777777777777777777777777778e+99999"},
        {std::string(100000, 'v') + " = 4", "4"}, {std::string(100000, 'v') + "/2", "2"},
        {std::string(100000, ' '), "Error : Illegal Expression"},
        {"", "Error : Illegal Expression"}, {calls, "Error : Function Calls Nested Too Deeply"},
        {"1e99999999999", "Error : Invalid Value 1e99999999999 (Exponent Part is out of Range)"},
        {"0d", "Error : Invalid Value (No Decimal Value)"}, {"1e2147483647", "inf"},
        {"1e-2147483648", "0"}, {"0x" + std::string(1000, 'F'), "-1"},
    });
    // clang-format on
}

// Random lines of the characters that matter to the engine, mixed with arbitrary code units
// (lone surrogates, NUL, controls): every line ends in a value or an "Error : " message.
TEST_F(RobustnessTest, RandomLinesNeverEscape) {
    AddUserFunction("f", {"x"}, "x*2");
    AddUserFunction("g", {"a", "b"}, "f(a)-b");
    const std::u16string alphabet =
        u"0123456789.,eExXbBdD_+-*/%^()\u00D7\u00F7;= \t@abcfgpisnqrtxy\u3000\uFF11\uFF0B\uFF1D";
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> length(0, 40), anyUnit(0, 0xFFFF);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::bernoulli_distribution raw(0.1);
    for (int n = 0; n < 4000; ++n) {
        std::u16string line;
        for (int i = length(random); i > 0; --i) {
            line.push_back(raw(random) ? static_cast<char16_t>(anyUnit(random))
                                       : alphabet[pick(random)]);
        }
        const std::string original = Utf16ToUtf8(line);
        std::int32_t position = 0;
        const int status = engine.Evaluate(line, position);
        const std::u16string& message = engine.GetMessageText();
        if (status == 0) {
            ASSERT_EQ(position, static_cast<std::int32_t>(line.size())) << original;
        } else {
            ASSERT_LT(status, 0);
            ASSERT_EQ(message.rfind(u"Error : ", 0), 0u) << original;
            ASSERT_LE(position, static_cast<std::int32_t>(line.size())) << original;
        }
    }
}

}  // namespace
}  // namespace numora::test
