#include <gtest/gtest.h>

#include <string>

#include "engine/Text.h"
#include "worksheet/Coloring.h"

namespace numora {
namespace {

constexpr ColorKind D = ColorKind::Default;
constexpr ColorKind R = ColorKind::Result;
constexpr ColorKind E = ColorKind::Error;
constexpr ColorKind C = ColorKind::Comment;

struct ParagraphCase {
    std::u16string text;
    ColorSegments edited;   // after an edit
    ColorSegments scanned;  // after a full recolouring
};

void PrintTo(const ParagraphCase& c, std::ostream* os) { *os << '"' << Utf16ToUtf8(c.text) << '"'; }

class ParagraphColoring : public ::testing::TestWithParam<ParagraphCase> {};

TEST_P(ParagraphColoring, BothRules) {
    const ParagraphCase& c = GetParam();
    EXPECT_EQ(ColorEditedParagraph(c.text), c.edited);
    EXPECT_EQ(ColorScannedParagraph(c.text), c.scanned);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParagraphColoring,
    ::testing::Values(
        ParagraphCase{u"", {}, {}}, ParagraphCase{u"1+2*3", {{0, 5, D}}, {{0, 5, D}}},
        ParagraphCase{u"x=5 // set x", {{0, 4, D}, {4, 8, C}}, {{0, 4, D}, {4, 8, C}}},
        ParagraphCase{u">12.5", {{0, 1, D}, {1, 4, R}}, {{0, 1, D}, {1, 4, R}}},
        ParagraphCase{
            u">Error : Division by zero", {{0, 1, D}, {1, 24, E}}, {{0, 1, D}, {1, 24, E}}},
        ParagraphCase{u">nan", {{0, 1, D}, {1, 3, E}}, {{0, 1, D}, {1, 3, E}}},
        ParagraphCase{u">inf", {{0, 1, D}, {1, 3, E}}, {{0, 1, D}, {1, 3, E}}},
        ParagraphCase{u">-inf", {{0, 1, D}, {1, 4, E}}, {{0, 1, D}, {1, 4, E}}},
        ParagraphCase{u"// a > b", {{0, 8, C}}, {{0, 8, C}}},
        // The per-edit rule finds the marker anywhere; the scan only right after the first ">".
        ParagraphCase{u">5 >Error", {{0, 4, D}, {4, 5, E}}, {{0, 1, D}, {1, 8, R}}},
        // ">Error" is looked for before ">inf", wherever each of them stands.
        ParagraphCase{u">inf >Error", {{0, 6, D}, {6, 5, E}}, {{0, 1, D}, {1, 10, E}}},
        ParagraphCase{u"a>b>c", {{0, 2, D}, {2, 3, R}}, {{0, 2, D}, {2, 3, R}}},
        ParagraphCase{u">Err", {{0, 1, D}, {1, 3, R}}, {{0, 1, D}, {1, 3, R}}},
        ParagraphCase{u"> Error", {{0, 1, D}, {1, 6, R}}, {{0, 1, D}, {1, 6, R}}},
        ParagraphCase{u">Errors", {{0, 1, D}, {1, 6, E}}, {{0, 1, D}, {1, 6, E}}},
        ParagraphCase{u">error", {{0, 1, D}, {1, 5, R}}, {{0, 1, D}, {1, 5, R}}},
        ParagraphCase{
            u">3 // note", {{0, 1, D}, {1, 2, R}, {3, 7, C}}, {{0, 1, D}, {1, 2, R}, {3, 7, C}}},
        ParagraphCase{
            u">Error // why", {{0, 1, D}, {1, 6, E}, {7, 6, C}}, {{0, 1, D}, {1, 6, E}, {7, 6, C}}},
        // Markers behind the comment do not count.
        ParagraphCase{u"a=2 // >Error", {{0, 4, D}, {4, 9, C}}, {{0, 4, D}, {4, 9, C}}},
        ParagraphCase{u"1/2/3", {{0, 5, D}}, {{0, 5, D}}},
        ParagraphCase{u"1 / / 2", {{0, 7, D}}, {{0, 7, D}}},
        ParagraphCase{u">1/2", {{0, 1, D}, {1, 3, R}}, {{0, 1, D}, {1, 3, R}}},
        ParagraphCase{u"///x", {{0, 4, C}}, {{0, 4, C}}},
        ParagraphCase{u"計算=5 //メモ", {{0, 5, D}, {5, 4, C}}, {{0, 5, D}, {5, 4, C}}}));

// Whatever the text, the segments must cover the paragraph from start to end without gaps or
// overlaps, or the view would leave stale colours behind.
TEST(ParagraphColoring, SegmentsCoverTheWholeParagraph) {
    const std::u16string texts[] = {u"a",
                                    u">",
                                    u"/",
                                    u"//",
                                    u">//",
                                    u"//>",
                                    u"> >nan",
                                    u"x>-inf//>Error",
                                    u">>>",
                                    u"a//b//c",
                                    u">Error>nan//",
                                    u"\t>\t",
                                    u"/>/>/"};
    for (const std::u16string& text : texts) {
        for (const ColorSegments& segments :
             {ColorEditedParagraph(text), ColorScannedParagraph(text)}) {
            std::int32_t next = 0;
            for (const ColorSegment& s : segments) {
                EXPECT_EQ(s.start, next) << Utf16ToUtf8(text);
                EXPECT_GT(s.length, 0);
                next = s.start + s.length;
            }
            EXPECT_EQ(next, static_cast<std::int32_t>(text.size()));
        }
    }
}

TEST(AllTextColoring, ParagraphsAreColouredSeparately) {
    struct Case {
        std::u16string text;
        ColorSegments expected;
    };
    const Case cases[] = {
        {u"", {}},
        {u"a=1\n>1\n", {{0, 3, D}, {4, 1, D}, {5, 1, R}}},
        // A "/" at the end of one line and at the start of the next make no comment.
        {u"1/\n/2", {{0, 2, D}, {3, 2, D}}},
        {u"x // c\r>5 >Error\r\n// a > b",
         {{0, 2, D}, {2, 4, C}, {7, 1, D}, {8, 8, R}, {18, 8, C}}},
        {u"\n\n>nan", {{2, 1, D}, {3, 3, E}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorAllText(c.text), c.expected) << Utf16ToUtf8(c.text);
    }
}

}  // namespace
}  // namespace numora
