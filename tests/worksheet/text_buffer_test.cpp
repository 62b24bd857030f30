// The in-memory buffer: visual lines, paragraphs, selection and undo.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "worksheet/MemoryTextBuffer.h"

namespace numora {
namespace {

// Visual lines computed the slow, obvious way: (start, length) of each.
std::vector<std::pair<int, int>> ReferenceLines(const std::u16string& text, int wrap) {
    std::vector<std::pair<int, int>> lines;
    int start = 0;
    for (int i = 0; i <= static_cast<int>(text.size()); ++i) {
        if (i < static_cast<int>(text.size()) && text[i] != u'\n') continue;
        const int length = i - start;
        if (wrap == 0 || length == 0) {
            lines.emplace_back(start, length);
        } else {
            for (int at = 0; at < length; at += wrap) {
                lines.emplace_back(start + at, std::min(wrap, length - at));
            }
        }
        start = i + 1;
    }
    return lines;
}

void ExpectMatchesReference(const MemoryTextBuffer& buffer, const std::u16string& text, int wrap) {
    ASSERT_EQ(buffer.Text(), text);
    ASSERT_EQ(buffer.TextLength(), static_cast<int>(text.size()));
    const auto lines = ReferenceLines(text, wrap);
    ASSERT_EQ(buffer.LineCount(), static_cast<int>(lines.size()));
    for (int n = 0; n < static_cast<int>(lines.size()); ++n) {
        ASSERT_EQ(buffer.LineStart(n), lines[n].first) << "line " << n;
        const int last = n + 1 < static_cast<int>(lines.size()) ? lines[n + 1].first - 1
                                                                : static_cast<int>(text.size());
        for (int pos = lines[n].first; pos <= last; ++pos) {
            // A position at a wrap boundary belongs to the following line.
            if (n + 1 < static_cast<int>(lines.size()) && pos == lines[n + 1].first) break;
            ASSERT_EQ(buffer.LineFromPosition(pos), n) << "position " << pos;
            ASSERT_EQ(buffer.LineLengthAt(pos), lines[n].second) << "position " << pos;
        }
    }
    EXPECT_EQ(buffer.LineStart(static_cast<int>(lines.size())), -1);
    EXPECT_EQ(buffer.LineFromPosition(static_cast<int>(text.size()) + 5),
              static_cast<int>(lines.size()) - 1);
}

// Random edits, undos and redos, checked against a plain string after every step; the edits
// jump around so the storage's gaps move in both directions.
TEST(MemoryTextBuffer, RandomEditsMatchPlainText) {
    for (const int wrap : {0, 3}) {
        SCOPED_TRACE(wrap);
        std::mt19937 random(1234 + wrap);
        const std::u16string alphabet = u"ab\n\n>1 ";
        MemoryTextBuffer buffer(u"first\nsecond\n\nthird", wrap);
        std::u16string model = u"first\nsecond\n\nthird";
        std::vector<std::u16string> undoModels, redoModels;
        for (int step = 0; step < 600; ++step) {
            const int action = static_cast<int>(random() % 10);
            if (action == 0 && !undoModels.empty()) {
                ASSERT_TRUE(buffer.Undo());
                redoModels.push_back(model);
                model = undoModels.back();
                undoModels.pop_back();
            } else if (action == 1 && !redoModels.empty()) {
                ASSERT_TRUE(buffer.Redo());
                undoModels.push_back(model);
                model = redoModels.back();
                redoModels.pop_back();
            } else {
                const int size = static_cast<int>(model.size());
                const int a = static_cast<int>(random() % (size + 1));
                const int b = std::min(size, a + static_cast<int>(random() % 4));
                std::u16string insert;
                for (int k = static_cast<int>(random() % 5); k > 0; --k) {
                    insert += alphabet[random() % alphabet.size()];
                }
                if (a == b && insert.empty()) continue;
                buffer.SetSelection(b, a);
                buffer.ReplaceSelection(insert);
                undoModels.push_back(model);
                redoModels.clear();
                model.replace(a, b - a, insert);
                ASSERT_EQ(buffer.Caret(), a + static_cast<int>(insert.size()));
            }
            ExpectMatchesReference(buffer, model, wrap);
        }
    }
}

struct ParagraphCase {
    int position;
    int start;
    const char16_t* text;
};

TEST(Paragraphs, FoundAcrossWrappedLines) {
    const std::u16string text = u"12\nabcdefghij\n\nxy";
    const ParagraphCase cases[] = {
        {0, 0, u"12"},          {2, 0, u"12"}, {3, 3, u"abcdefghij"}, {8, 3, u"abcdefghij"},
        {13, 3, u"abcdefghij"}, {14, 14, u""}, {15, 15, u"xy"},       {17, 15, u"xy"},
    };
    for (const int wrap : {0, 3, 4}) {
        MemoryTextBuffer buffer(text, wrap);
        for (const ParagraphCase& c : cases) {
            SCOPED_TRACE(testing::Message() << "wrap " << wrap << " position " << c.position);
            const Paragraph paragraph = GetParagraph(buffer, c.position);
            EXPECT_EQ(paragraph.start, c.start);
            EXPECT_EQ(paragraph.text, c.text);
            EXPECT_EQ(paragraph.length, static_cast<int>(paragraph.text.size()));
            EXPECT_EQ(GetParagraphEnd(buffer, c.start), c.start + paragraph.length);
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

// Nested groups belong to the outer one; Undo waits until it is closed.
TEST(MemoryTextBuffer, NestedGroupsUndoAsOneStep) {
    MemoryTextBuffer buffer(u"abc");
    buffer.SetSelection(1, 1);
    buffer.BeginUndoGroup();
    buffer.ReplaceSelection(u"X");
    buffer.BeginUndoGroup();
    buffer.SetSelection(0, 0);
    buffer.ReplaceSelection(u"\n");
    buffer.EndUndoGroup();
    EXPECT_FALSE(buffer.Undo());
    buffer.EndUndoGroup();
    EXPECT_EQ(buffer.UndoSteps(), 1u);
    ASSERT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), u"abc");
    EXPECT_EQ(buffer.Caret(), 1);
    ASSERT_TRUE(buffer.Redo());
    EXPECT_EQ(buffer.Text(), u"\naXbc");
    EXPECT_EQ(buffer.Caret(), 1);  // where the group left it
}

}  // namespace
}  // namespace numora
