// The search rules and find/replace on a worksheet buffer: directions, wrap-around, undo.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "shell/find/FindSession.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

struct SearchRow {
    const char* text;
    const char* what;
    bool matchCase, wholeWord, down;
    int from;
    int expected;
};

TEST(TextSearch, DirectionsCaseAndWholeWords) {
    const SearchRow rows[] = {
        {"Abc abc", "abc", false, false, true, 0, 0},
        {"Abc abc", "abc", true, false, true, 0, 4},
        {"Abc abc", "ABC", false, false, true, 1, 4},
        {"a1 a a_", "a", false, true, true, 0, 3},  // digits and "_" are word characters
        {"xa a", "a", false, true, true, 0, 3},
        {"sin(a)", "a", false, true, true, 0, 4},
        {"ab ab ab", "ab", false, false, false, 3, 0},  // upwards: starts before `from`
        {"ab ab ab", "ab", false, false, false, 4, 3},
        {"ab ab ab", "ab", false, false, false, 0, -1},
        {"aaa", "aa", false, true, true, 0, -1},
        {"Ä ä", "ä", false, false, true, 0, 0},
        {"abc", "", false, false, true, 0, -1},
    };
    for (const SearchRow& row : rows) {
        const QString text = QString::fromUtf8(row.text), what = QString::fromUtf8(row.what);
        const SearchOptions options{row.matchCase, row.wholeWord};
        const int got = row.down ? FindDown(text, what, row.from, options)
                                 : FindUp(text, what, row.from, options);
        EXPECT_EQ(got, row.expected) << row.text << " / " << row.what << " from " << row.from;
    }
}

class NoEvaluator final : public LineEvaluator {
public:
    int Evaluate(std::u16string&, std::int32_t&) override { return -1; }
    const std::u16string& MessageText() const override { return text_; }

private:
    std::u16string text_;
};

class FindSessionTest : public ::testing::Test {
protected:
    void Load(const std::string& text, int caret = 0) {
        buffer = MemoryTextBuffer(Utf8ToUtf16(text));
        buffer.SetSelection(caret, caret);
    }
    std::string Text() const { return Utf16ToUtf8(buffer.Text()); }
    std::pair<int, int> Selected() const { return {buffer.Anchor(), buffer.Caret()}; }

    MemoryTextBuffer buffer;
    NoEvaluator evaluator;
    WorksheetDriver driver{buffer, evaluator};
    FindSession session{buffer, driver};
};

TEST_F(FindSessionTest, FindNextTurnsWithTheDirectionAndWrapsOnceToItsStart) {
    Load("x=1\nx=2\nx=3\n", 4);
    session.Last().what = "x";
    const struct {
        bool down;
        std::pair<int, int> selected;
    } steps[] = {
        {true, {4, 5}},   // from the caret
        {true, {8, 9}},   // one character into the selected match
        {false, {4, 5}},  // Shift+F3 turns upwards
        {false, {0, 1}},
        {false, {8, 9}},  // past the start: from the end down to the starting point
        {true, {0, 1}},   // F3 downwards again, wrapping to the front
    };
    for (const auto& step : steps) {
        session.Last().down = step.down;
        ASSERT_TRUE(session.FindNext());
        EXPECT_EQ(Selected(), step.selected);
    }
    session.Last().what = "zz";
    EXPECT_FALSE(session.FindNext());
    EXPECT_EQ(Selected(), std::make_pair(0, 1));
}

TEST_F(FindSessionTest, ReplaceOneIsOneUndoStepAndGoesOnInItsDirection) {
    Load("a+a\na\n", 0);
    session.Last() = {"a", "aa", {false, true}, true};
    ASSERT_TRUE(session.FindNext());
    ASSERT_TRUE(session.ReplaceAndFindNext());
    EXPECT_EQ(Text(), "aa+a\na\n");
    EXPECT_EQ(Selected(), std::make_pair(3, 4));  // the inserted "aa" is not searched again
    session.Last().down = false;
    ASSERT_TRUE(session.ReplaceAndFindNext());
    EXPECT_EQ(Text(), "aa+aa\na\n");
    // Whole words: nothing above, so it wraps to the last line.
    EXPECT_EQ(Selected(), std::make_pair(6, 7));
    EXPECT_TRUE(buffer.Undo());
    EXPECT_EQ(Text(), "aa+a\na\n");
    // A selection that is not a match is searched from, not replaced.
    buffer.SetSelection(2, 3);
    session.Last().down = true;
    EXPECT_TRUE(session.ReplaceAndFindNext());
    EXPECT_EQ(Text(), "aa+a\na\n");
}

TEST_F(FindSessionTest, ReplaceAllIsOneUndoStepAndEndsWhenTheReplacementHoldsTheText) {
    const std::string text = "x=1 // x\nX=x+1\n";
    Load(text, 10);
    session.Last() = {"x", "xx", {true, true}, false};
    EXPECT_EQ(session.ReplaceAll(), 3);
    EXPECT_TRUE(session.Last().down);
    EXPECT_EQ(Text(), "xx=1 // xx\nX=xx+1\n");
    EXPECT_EQ(buffer.UndoSteps(), 1u);
    EXPECT_FALSE(driver.EditGroupOpen());
    EXPECT_TRUE(buffer.Undo());
    EXPECT_EQ(Text(), text);

    session.Last().what = "y";
    EXPECT_EQ(session.ReplaceAll(), 0);
    EXPECT_EQ(Selected(), std::make_pair(0, 0));
    EXPECT_EQ(buffer.UndoSteps(), 0u);
}

}  // namespace
}  // namespace numora
