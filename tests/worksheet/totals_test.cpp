// The totals names: the same worksheets recalculated as a batch (numora-calc, Recalculate All)
// and line by line through the worksheet's Enter key, with and without automatic
// recalculation, read the same; an edit brings its totals up to date in one undo step.
#include "worksheet/Totals.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "engine/UserFunctions.h"
#include "tests/support/totals_sheets.h"
#include "worksheet/LineText.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"

namespace numora {
namespace {

struct Sheet {
    explicit Sheet(std::u16string_view initial, bool totals = true) : text(initial) {
        sheet.SetTotals(totals);
    }
    void Setup(int digits, bool grouped) {
        sheet.SetDigits(digits);
        sheet.SetOptions({.GroupDigits = grouped});
    }
    // Enter at the end of `paragraph`, as the user presses it there.
    void EnterOn(std::int32_t paragraph) {
        const std::int32_t end = ParagraphEndOf(text, paragraph);
        text.SetSelection(end, end);
        sheet.PressEnter(false, false);
    }
    // Enter on every line that calculates, top to bottom.
    void EnterOnEveryLine() {
        for (std::int32_t p = 0; p < text.ParagraphCount(); ++p) {
            const std::u16string line =
                text.TextRange(text.ParagraphStart(p), ParagraphEndOf(text, p));
            if (KindOfParagraph(line, true) != LineKind::Expression) continue;
            EnterOn(p);
            ++p;  // past the result line
        }
    }
    void Retype(std::int32_t paragraph, std::u16string_view line) {
        text.BeginUndoGroup();
        text.ReplaceRange(text.ParagraphStart(paragraph), ParagraphEndOf(text, paragraph), line);
        text.EndUndoGroup();
    }
    std::string Text() const { return Utf16ToUtf8(text.Text()); }

    UserFunctionCatalogue functions;
    MemoryTextBuffer text;
    Worksheet sheet{text, functions};
};

std::u16string Recalculated(const testing::TotalsSheet& row, bool totals) {
    CalcEngine engine;
    engine.SetDigits(row.digits);
    engine.SetOptions({.GroupDigits = row.grouped});
    RecalcOptions options;
    options.totals = totals;
    return RecalculateAfresh(row.sheet, engine, options).text;
}

TEST(Totals, EveryWorksheetOfTheTableReadsTheSameHoweverItIsCalculated) {
    for (const testing::TotalsSheet& row : testing::TotalsSheets()) {
        SCOPED_TRACE(row.name);
        const std::string expected = Utf16ToUtf8(row.recalculated);
        EXPECT_EQ(Utf16ToUtf8(Recalculated(row, true)), expected);
        for (const bool automatic : {false, true}) {
            SCOPED_TRACE(automatic ? "Enter under automatic recalculation" : "Enter");
            Sheet s(row.sheet);
            s.Setup(row.digits, row.grouped);
            s.sheet.SetAutoRecalculate(automatic);
            s.EnterOnEveryLine();
            EXPECT_EQ(s.Text(), expected);
            // Once more from the top, with every value kept: the same again.
            s.sheet.SetAutoRecalculate(true);
            ASSERT_TRUE(s.sheet.RecalculateResults());
            EXPECT_EQ(s.Text(), expected);
        }
    }
}

// Sums that round at the hundredth digit come out the same to the last digit whichever way
// the lines above were added up: carried down, or read back above the line.
TEST(Totals, InexactSumsAgreeToTheLastDigit) {
    std::u16string worksheet;
    for (int i = 1; i <= 40; ++i) {
        worksheet += u"1/" + Utf8ToUtf16(std::to_string(i + 2)) + u"\n";
        if (i % 7 == 0) worksheet += u"subtotal\n";
        if (i % 11 == 0) worksheet += u"\n";
        if (i % 13 == 0) worksheet += u"total\naverage\n";
    }
    worksheet += u"subtotal\naverage\ntotal\n";
    const testing::TotalsSheet row{"", worksheet, u"", 0};
    const std::string batch = Utf16ToUtf8(Recalculated(row, true));
    for (const bool automatic : {false, true}) {
        Sheet s(worksheet);
        s.Setup(0, false);
        s.sheet.SetAutoRecalculate(automatic);
        s.EnterOnEveryLine();
        EXPECT_EQ(s.Text(), batch);
    }
}

TEST(Totals, WithTheOptionOffTheNamesAreNoTotals) {
    Sheet s(u"1\nsubtotal", false);
    s.EnterOnEveryLine();
    EXPECT_EQ(s.Text(), "1\n>1\nsubtotal\n>Error : \"subtotal\" is Not Variable\n");
    EXPECT_EQ(s.text.KeptResultAt(1), nullptr);
}

TEST(Totals, AnEditedItemBringsItsSubtotalAndTheTotalUpToDateInOneUndoStep) {
    Sheet s(u"100\n200\nsubtotal\n\n50\nsubtotal\ntotal\n");
    s.sheet.SetAutoRecalculate(true);
    s.EnterOnEveryLine();
    const std::string before = s.Text();
    EXPECT_EQ(before,
              "100\n>100\n200\n>200\nsubtotal\n>300\n\n50\n>50\nsubtotal\n>50\ntotal\n>350\n");
    s.Retype(0, u"150");
    s.EnterOn(0);
    EXPECT_EQ(s.Text(),
              "150\n>150\n200\n>200\nsubtotal\n>350\n\n50\n>50\nsubtotal\n>50\ntotal\n>400\n");
    ASSERT_TRUE(s.text.Undo());
    ASSERT_TRUE(s.text.Undo());  // the retyping
    EXPECT_EQ(s.Text(), before);
}

TEST(Totals, AResultLineCountsWithItsKeptValueUntilEditedByHand) {
    // Enter on the total alone, as without automatic recalculation.
    Sheet s(u"1/3\n1/3\n1/3\ntotal");
    s.Setup(5, false);
    s.EnterOnEveryLine();
    EXPECT_EQ(s.Text(), "1/3\n>0.33333\n1/3\n>0.33333\n1/3\n>0.33333\ntotal\n>1\n");
    // A line put in above: each value stays beside its result line.
    s.text.SetSelection(0, 0);
    s.text.ReplaceSelection(u"// note\n");
    s.EnterOn(7);
    EXPECT_EQ(s.Text(), "// note\n1/3\n>0.33333\n1/3\n>0.33333\n1/3\n>0.33333\ntotal\n>1\n");
    s.Retype(2, u">1,000");
    s.EnterOn(7);
    EXPECT_EQ(s.Text(), "// note\n1/3\n>1,000\n1/3\n>0.33333\n1/3\n>0.33333\ntotal\n>1000.7\n");
}

TEST(Totals, VariablesAndUserFunctionsOfTheNameKeepTheirMeaning) {
    Sheet s(u"2\nsubtotal = 7\nsubtotal\ntotal\n平均\n");
    s.functions.Append({u"Total", {u"x"}, u"x*100", u""});
    s.EnterOnEveryLine();
    // subtotal is a variable once assigned; a function named total keeps the name from being one.
    EXPECT_EQ(s.Text(),
              "2\n>2\nsubtotal = 7\n>7\nsubtotal\n>7\ntotal\n>Error : \"total\" is Not Variable\n"
              "平均\n>4.5\n");
    // A user function's body sees the totals of the line that calls it.
    Sheet f(u"4\n6\nhalf(2)\n");
    f.functions.Append({u"half", {u"x"}, u"x/2+average", u""});
    f.EnterOnEveryLine();
    EXPECT_EQ(f.Text(), "4\n>4\n6\n>6\nhalf(2)\n>6\n");
}

TEST(Totals, ResultTextsReadAsNumbers) {
    const struct {
        const char16_t* text;
        const char* value;  // nullptr: not a number
    } rows[] = {
        {u">1,234,567.5", "1234567.5"},
        {u">-12", "-12"},
        {u"> 0.5 ", "0.5"},
        {u">1.5e+20", "1.5e+20"},
        {u">Error : Division by zero", nullptr},
        {u">0x10 (16)", nullptr},
        {u"12", nullptr},
        {u">", nullptr},
        // Results written in 万 and 億.
        {u">1億2345万6789", "123456789"},
        {u">-3万5000", "-35000"},
        {u">1万2345.67", "12345.67"},
        {u">1万0.5", "10000.5"},
        {u">1兆", "1000000000000"},
        {u">9999京9999兆9999億9999万9999", "99999999999999999999"},
        {u">1万万", nullptr},
        {u">1万 2", nullptr},
        {u">万", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Utf16ToUtf8(row.text));
        Number value;
        ASSERT_EQ(ReadResultText(row.text, value), row.value != nullptr);
        if (row.value != nullptr) {
            EXPECT_EQ(value, Number(row.value));
        }
    }
}

// With results in 万 and 億, the totals read the result lines they find as the numbers they
// show: lines pasted without the line that wrote them, and a total entered alone.
TEST(Totals, ResultsIn万And億CountAsTheirValues) {
    const struct {
        const char* name;
        const char16_t* sheet;
        std::int32_t enterOn;  // -1: Enter on every line
        const char* expected;
    } rows[] = {
        {"pasted results", u">1億2345万6789\n>-3万5000\n>1万2345.67\nsubtotal\naverage\n", -1,
         ">1億2345万6789\n>-3万5000\n>1万2345.67\nsubtotal\n>1億2343万4134.67\naverage\n"
         ">4114万4711.556666666666666666666667\n"},
        {"a total entered alone", u"12000\n>1万2000\n30000\n>3万\n合計", 4,
         "12000\n>1万2000\n30000\n>3万\n合計\n>4万2000\n"},
        {"a subtotal and an average in Japanese", u"x = 1万5千\n2.5万\n小計\n平均\n", -1,
         "x = 1万5千\n>1万5000\n2.5万\n>2万5000\n小計\n>4万\n平均\n>2万\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Sheet s(row.sheet);
        s.sheet.SetOptions({.Percent = true, .MyriadGrouping = true});
        if (row.enterOn < 0) {
            s.EnterOnEveryLine();
        } else {
            s.EnterOn(row.enterOn);
        }
        EXPECT_EQ(s.Text(), row.expected);
    }
}

TEST(Totals, AKeptValueMovesWithItsParagraph) {
    MemoryTextBuffer text(u"1/3\n>0.3\n");
    const Number third = Number(1) / 3;
    KeepResult(text, 1, &third);
    text.SetSelection(0, 0);
    text.ReplaceSelection(u"a\nb\n");
    ASSERT_NE(text.KeptResultAt(3), nullptr);
    EXPECT_EQ(text.KeptResultAt(3)->value, third);
    EXPECT_EQ(text.KeptResultAt(1), nullptr);
    text.SetSelection(0, text.ParagraphStart(2));  // two paragraphs go
    text.ReplaceSelection(u"");
    ASSERT_NE(text.KeptResultAt(1), nullptr);
    EXPECT_EQ(text.KeptResultAt(1)->text, u">0.3");
}

}  // namespace
}  // namespace numora
