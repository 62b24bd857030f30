#include "worksheet/Insertions.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/worksheet/driver_test_support.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using Insert = std::function<void(WorksheetDriver&, TextBuffer&)>;

Insert Call(std::u16string_view name, int slots) {
    return [=](WorksheetDriver& d, TextBuffer& b) { InsertFunctionCall(d, b, name, slots); };
}
Insert Token(std::u16string_view token) {
    return [=](WorksheetDriver& d, TextBuffer& b) { InsertToken(d, b, token); };
}

TEST(Insertions, TextAndSelectionAfterEachCommandAndOneUndoStep) {
    const struct {
        const char* text;
        int start, end;
        Insert insert;
        const char* after;
        int selStart, selEnd;
    } cases[] = {
        {"a=30", 2, 4, Call(u"Sin", 1), "a=Sin(30)", 6, 8},
        {"", 0, 0, Call(u"ATan2", 2), "ATan2(;)", 6, 6},
        {"1+", 2, 2, Call(u"UnixTime", 6), "1+UnixTime(;;;;;)", 11, 11},
        {"y", 0, 1, Call(u"Random", 0), "Random(y)", 7, 8},
        {"x;1", 0, 3, Call(u"LogN", 2), "LogN(x;1;)", 5, 8},
        {"2*a+b", 2, 5, WrapInParentheses, "2*(a+b)", 3, 6},
        {"2*", 2, 2, WrapInParentheses, "2*()", 3, 3},
        {"x", 0, 1, Token(u"π"), "πx", 1, 2},
        {"1+2", 1, 3, Token(u"//"), "1//+2", 3, 5},
        {"2*", 2, 2, Token(u"exp"), "2*exp", 5, 5},
        {"a\nb", 0, 3, Token(u"root2"), "root2a\nb", 5, 8},
    };
    for (const auto& c : cases) {
        MemoryTextBuffer buffer(Utf8ToUtf16(c.text));
        testing::ScriptedEvaluator evaluator;
        WorksheetDriver driver(buffer, evaluator);
        buffer.SetSelection(c.start, c.end);
        const std::size_t steps = buffer.UndoSteps();
        c.insert(driver, buffer);
        EXPECT_EQ(Utf16ToUtf8(buffer.Text()), c.after);
        EXPECT_EQ(buffer.GetSelection().start, c.selStart) << c.after;
        EXPECT_EQ(buffer.GetSelection().end, c.selEnd) << c.after;
        EXPECT_EQ(buffer.UndoSteps(), steps + 1) << c.after;
        EXPECT_FALSE(driver.EditGroupOpen());
        buffer.Undo();
        EXPECT_EQ(Utf16ToUtf8(buffer.Text()), c.text);
    }
}

}  // namespace
}  // namespace numora
