// 結果をコピー without a window: which result line the caret's line stands for, and its value as
// a line reads it back.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/ResultCopy.h"

namespace numora {
namespace {

TEST(ResultCopy, TheValueAsALineReadsItBack) {
    const std::pair<const char16_t*, std::optional<std::u16string>> cases[] = {
        {u"137,000", u"137000"},
        {u"-1,234,567.25", u"-1234567.25"},
        {u"-1.5", u"-1.5"},
        {u"1.6069380442589902755419620923412e+60", u"1.6069380442589902755419620923412e+60"},
        {u"3.3333333333333333333333333333333e-41", u"3.3333333333333333333333333333333e-41"},
        {u"0xFF (@255)", u"255"},
        {u"0b101 (@5)", u"5"},
        {u"Error : Division by zero", std::nullopt},
        {u"Error : \"k\" is Not Variable", std::nullopt},
        {u"", std::nullopt},
        {u"note", std::nullopt},
        // Results in 万 and 億 are copied as their digits.
        {u"1億2345万6789", u"123456789"},
        {u"-3万5000", u"-35000"},
        {u"1万2345.67", u"12345.67"},
        {u"1兆5", u"1000000000005"},
        {u"3万 ", u"30000"},
        {u"1万万", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        const auto plain = PlainValueOf(text);
        EXPECT_EQ(plain, value) << Utf16ToUtf8(text);
        if (!plain) continue;
        // Read back by the engine, it is the value again.
        CalcEngine engine;
        std::u16string line = *plain;
        std::int32_t position = 0;
        ASSERT_EQ(engine.Evaluate(line, position), 0) << Utf16ToUtf8(*plain);
        EXPECT_EQ(engine.GetMessageText(), *plain);
    }
}

TEST(ResultCopy, TheResultLineTheCaretsLineStandsFor) {
    MemoryTextBuffer buffer;
    buffer.ResetText(u"// top\na = 1\n>1\nb = 2\n\n>9\nc = 3\n>3\n");
    // paragraph: 0 comment, 1 a, 2 >1, 3 b (no result), 4 blank, 5 >9, 6 c, 7 >3, 8 empty
    const std::int32_t expected[] = {-1, 2, 2, 2, 2, 5, 7, 7, 7};
    for (std::int32_t p = 0; p < 9; ++p) {
        EXPECT_EQ(ResultLineFor(buffer, p, true), expected[p]) << p;
    }
    EXPECT_EQ(ResultLineFor(buffer, 9, true), -1);
}

}  // namespace
}  // namespace numora
