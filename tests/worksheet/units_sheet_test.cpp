// Quantities in a worksheet: Enter line by line (with and without automatic recalculation),
// Recalculate All and the live preview read every worksheet of the table alike, the variable
// list shows the units, and with units off a bracket is the error it always was.
#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "engine/UserFunctions.h"
#include "tests/support/unit_sheets.h"
#include "worksheet/LineText.h"
#include "worksheet/LivePreview.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/VariableList.h"
#include "worksheet/Worksheet.h"

namespace numora {
namespace {

struct Sheet {
    explicit Sheet(std::u16string_view initial, bool units = true) : text(initial) {
        sheet.SetTotals(true);
        sheet.SetOptions({.Units = units});
    }
    void EnterOnEveryLine() {
        for (std::int32_t p = 0; p < text.ParagraphCount(); ++p) {
            const std::u16string line =
                text.TextRange(text.ParagraphStart(p), ParagraphEndOf(text, p));
            if (KindOfParagraph(line, true) != LineKind::Expression) continue;
            const std::int32_t end = ParagraphEndOf(text, p);
            text.SetSelection(end, end);
            sheet.PressEnter(false, false);
            ++p;  // past the result line
        }
    }
    std::string Text() const { return Utf16ToUtf8(text.Text()); }

    UserFunctionCatalogue functions;
    MemoryTextBuffer text;
    Worksheet sheet{text, functions};
};

RecalcOutcome Recalculated(std::u16string_view worksheet, VariableListModel* list = nullptr) {
    CalcEngine engine;
    engine.SetOptions({.Units = true});
    RecalcOptions options;
    options.totals = true;
    options.keepValues = true;
    options.variableList = list;
    return RecalculateAfresh(std::u16string(worksheet), engine, options);
}

TEST(UnitSheets, EveryWorksheetReadsTheSameHoweverItIsCalculated) {
    for (const testing::UnitSheet& row : testing::UnitSheets()) {
        SCOPED_TRACE(row.name);
        const std::string expected = Utf16ToUtf8(row.recalculated);
        EXPECT_EQ(Utf16ToUtf8(Recalculated(row.sheet).text), expected);
        for (const bool automatic : {false, true}) {
            SCOPED_TRACE(automatic ? "Enter under automatic recalculation" : "Enter");
            Sheet s(row.sheet);
            s.sheet.SetAutoRecalculate(automatic);
            s.EnterOnEveryLine();
            EXPECT_EQ(s.Text(), expected);
            ASSERT_TRUE(s.sheet.RecalculateResults());
            EXPECT_EQ(s.Text(), expected);
        }
    }
}

// Each line previews what Enter writes below it, the totals lines' quantities too.
TEST(UnitSheets, PreviewShowsWhatEnterWrites) {
    for (const testing::UnitSheet& row : testing::UnitSheets()) {
        SCOPED_TRACE(row.name);
        CalcEngine engine;
        engine.SetOptions({.Units = true});
        RecalcOptions options;
        options.totals = true;
        options.keepValues = true;
        const RecalcOutcome outcome = RecalculateWorksheet(row.sheet, engine, options);
        MemoryTextBuffer buffer;
        buffer.ResetText(std::u16string(outcome.text));
        for (const auto& [paragraph, value] : outcome.kept) {
            KeepResult(buffer, paragraph, &value.Value, &value.Of);
        }
        // The engine as it was before the first line: the preview starts from nothing.
        CalcEngine fresh;
        fresh.SetOptions({.Units = true});
        LivePreview preview;
        int previewed = 0;
        for (std::int32_t p = 0; p + 1 < buffer.ParagraphCount(); ++p) {
            PreviewLine line = PreviewLineAt(buffer, p, true, &fresh.GetFunctions(), true);
            if (KindOfParagraph(line.paragraph, true) != LineKind::Expression || !line.resultBelow)
                continue;
            const std::u16string written = *line.resultBelow;
            line.resultBelow.reset();
            preview.Prepare(fresh, fresh.GetFunctions(), static_cast<std::uint64_t>(p) + 1);
            const auto shown = preview.Evaluate(line);
            if (!written.starts_with(u"Error")) {
                EXPECT_EQ(shown, std::optional<std::u16string>(written))
                    << Utf16ToUtf8(line.paragraph);
                ++previewed;
            }
            // Enter's line: the next preview sees what it assigned.
            std::u16string text = line.paragraph;
            PrepareLineText(text, true);
            std::int32_t position = 0;
            fresh.Evaluate(text, position);
        }
        EXPECT_GT(previewed, 1);
    }
}

TEST(UnitSheets, VariableListShowsQuantities) {
    const std::u16string sheet = u"d = 5[km]\nn = 2\nt = 20[°C]\nd = d -> [m]\n";
    VariableListModel list;
    Recalculated(sheet, &list);
    std::vector<std::u16string> texts;
    for (const VariableListEntry& e : list.Entries()) texts.push_back(e.text);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"d=5000 [m]", u"n=2", u"t=20 [°C]"}));

    // Line by line, and after a line is taken back under automatic recalculation.
    Sheet s(u"d = 5[km]\nd = 2[mi]\n");
    s.sheet.SetAutoRecalculate(true);
    s.EnterOnEveryLine();
    VariableListModel followed;
    followed.Follow(s.sheet.Assigned(), s.sheet.AssignedFromTop(), s.sheet.Engine());
    ASSERT_EQ(followed.Count(), 1u);
    EXPECT_EQ(followed.Text(0), u"d=2 [mi]");
    VariableListModel refreshed;
    refreshed.Refresh(s.sheet.Engine());
    ASSERT_EQ(refreshed.Count(), 1u);
    EXPECT_EQ(refreshed.Text(0), u"d=2 [mi]");
}

TEST(UnitSheets, UnitsOffLeavesBracketsErrors) {
    Sheet s(u"10[m]\n1[m] -> [cm]\n", false);
    s.EnterOnEveryLine();
    EXPECT_EQ(s.Text(),
              "10[m]\n>Error : Illegal Character\n1[m] -> [cm]\n>Error : Illegal Character\n");
}

}  // namespace
}  // namespace numora
