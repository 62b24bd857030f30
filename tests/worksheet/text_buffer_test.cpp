// The in-memory buffer: visual lines, paragraphs, selection and undo.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "worksheet/MemoryTextBuffer.h"

namespace numora {
namespace {

// Checks the text and every position's visual line against lines worked out the obvious way;
// a position at a wrap boundary belongs to the following line of its paragraph.
void ExpectLines(const MemoryTextBuffer& buffer, const std::u16string& text, int wrap) {
    ASSERT_EQ(buffer.Text(), text);
    ASSERT_EQ(buffer.TextLength(), static_cast<int>(text.size()));
    int line = 0;
    for (std::size_t start = 0;; ++start) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        const int length = static_cast<int>(end - start);
        const int rows = wrap == 0 || length == 0 ? 1 : (length + wrap - 1) / wrap;
        for (int k = 0; k <= length; ++k) {
            const int row = wrap == 0 ? 0 : std::min(k / wrap, rows - 1);
            const int pos = static_cast<int>(start) + k;
            ASSERT_EQ(buffer.LineFromPosition(pos), line + row) << pos;
            ASSERT_EQ(buffer.LineLengthAt(pos), row + 1 < rows ? wrap : length - row * wrap) << pos;
            if (k == row * wrap) {
                ASSERT_EQ(buffer.LineStart(line + row), pos);
            }
        }
        line += rows;
        if (end == text.size()) break;
        start = end;
    }
    ASSERT_EQ(buffer.LineCount(), line);
    EXPECT_EQ(buffer.LineStart(line), -1);
    EXPECT_EQ(buffer.LineFromPosition(static_cast<int>(text.size()) + 5), line - 1);
}

// Random edits, undos and redos, checked after every step; the edits jump around so the
// storage's gaps move in both directions.
TEST(MemoryTextBuffer, RandomEditsMatchPlainText) {
    for (const int wrap : {0, 3}) {
        SCOPED_TRACE(wrap);
        std::mt19937 random(1234 + wrap);
        std::u16string model = u"first\nsecond\n\nthird";
        MemoryTextBuffer buffer(model, wrap);
        std::vector<std::u16string> history{model};  // the texts Undo and Redo step through
        std::size_t at = 0;
        for (int step = 0; step < 500; ++step) {
            const unsigned action = random() % 10;
            if (action == 0 && at > 0) {
                ASSERT_TRUE(buffer.Undo());
                model = history[--at];
            } else if (action == 1 && at + 1 < history.size()) {
                ASSERT_TRUE(buffer.Redo());
                model = history[++at];
            } else {
                const int a = static_cast<int>(random() % (model.size() + 1));
                const int b =
                    std::min(static_cast<int>(model.size()), a + static_cast<int>(random() % 4));
                std::u16string insert;
                for (unsigned k = random() % 5; k > 0; --k) insert += u"ab\n\n>1 "[random() % 7];
                if (a == b && insert.empty()) continue;
                buffer.SetSelection(b, a);
                buffer.ReplaceSelection(insert);
                model.replace(a, b - a, insert);
                history.resize(++at);
                history.push_back(model);
                ASSERT_EQ(buffer.Caret(), a + static_cast<int>(insert.size()));
            }
            ExpectLines(buffer, model, wrap);
        }
    }
}

TEST(MemoryTextBuffer, SelectionIsClampedAndNegativeMeansEnd) {
    MemoryTextBuffer buffer(u"abc\nde");
    const struct {
        int anchor, caret, start, end, at;
    } cases[] = {
        {-1, -1, 6, 6, 6}, {1, 99, 1, 6, 6}, {4, 2, 2, 4, 2}, {0, -1, 0, 6, 6}, {3, 3, 3, 3, 3},
    };
    for (const auto& c : cases) {
        buffer.SetSelection(c.anchor, c.caret);
        EXPECT_EQ(buffer.GetSelection().start, c.start);
        EXPECT_EQ(buffer.GetSelection().end, c.end);
        EXPECT_EQ(buffer.Caret(), c.at);
    }
    EXPECT_EQ(buffer.TextRange(2, 99), u"c\nde");
    EXPECT_EQ(buffer.TextRange(-3, 1), u"a");
    EXPECT_EQ(buffer.CharAt(3), u'\n');
    EXPECT_EQ(buffer.CharAt(6), 0);
    EXPECT_EQ(buffer.CharAt(-1), 0);
}

// Edits that would grow the text past the limit change nothing, with or without undo history;
// an edit that keeps it within (also by replacing) goes through.
TEST(MemoryTextBuffer, EditsStopAtTheLengthLimit) {
    SetMaxTextLength(6);
    for (const bool history : {true, false}) {
        MemoryTextBuffer buffer(u"abcd");
        buffer.SetUndoHistory(history);
        const struct {
            int anchor, caret;
            std::u16string_view insert, after;
        } cases[] = {
            {4, 4, u"efg", u"abcd"},   {4, 4, u"ef", u"abcdef"}, {6, 6, u"g", u"abcdef"},
            {0, 2, u"xyz", u"abcdef"}, {0, 1, u"x", u"xbcdef"},  {0, 6, u"1234567", u"xbcdef"},
        };
        for (const auto& c : cases) {
            buffer.SetSelection(c.anchor, c.caret);
            buffer.ReplaceSelection(c.insert);
            EXPECT_EQ(buffer.Text(), c.after) << history;
        }
        EXPECT_EQ(buffer.UndoSteps(), history ? 2u : 0u);
        EXPECT_EQ(buffer.TakeText(), u"xbcdef");
        EXPECT_EQ(buffer.TextLength(), 0);
    }
    SetMaxTextLength(-1);
}

}  // namespace
}  // namespace numora
