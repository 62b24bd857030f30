// Percentages, tax and 万 in a worksheet: Enter line by line (with and without automatic
// recalculation), Recalculate All and the live preview read every worksheet of the table alike,
// under the options of its row.
#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "engine/UserFunctions.h"
#include "tests/support/percent_sheets.h"
#include "worksheet/LineText.h"
#include "worksheet/LivePreview.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"

namespace numora {
namespace {

EvalOptions OptionsOf(const testing::PercentSheet& row) {
    return {.Percent = row.percent,
            .TaxRate = row.taxRate,
            .TaxRounding = row.taxRounding,
            .MyriadGrouping = row.myriad};
}

struct Sheet {
    explicit Sheet(const testing::PercentSheet& row) : text(row.sheet) {
        sheet.SetTotals(true);
        sheet.SetOptions(OptionsOf(row));
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

TEST(PercentSheets, EveryWorksheetReadsTheSameHoweverItIsCalculated) {
    for (const testing::PercentSheet& row : testing::PercentSheets()) {
        SCOPED_TRACE(row.name);
        const std::string expected = Utf16ToUtf8(row.recalculated);
        CalcEngine engine;
        engine.SetOptions(OptionsOf(row));
        RecalcOptions options;
        options.totals = true;
        EXPECT_EQ(Utf16ToUtf8(RecalculateAfresh(row.sheet, engine, options).text), expected);
        for (const bool automatic : {false, true}) {
            SCOPED_TRACE(automatic ? "Enter under automatic recalculation" : "Enter");
            Sheet s(row);
            s.sheet.SetAutoRecalculate(automatic);
            s.EnterOnEveryLine();
            EXPECT_EQ(s.Text(), expected);
            ASSERT_TRUE(s.sheet.RecalculateResults());
            EXPECT_EQ(s.Text(), expected);
        }
    }
}

// Each line that succeeds previews what Enter writes below it.
TEST(PercentSheets, PreviewShowsWhatEnterWrites) {
    for (const testing::PercentSheet& row : testing::PercentSheets()) {
        SCOPED_TRACE(row.name);
        MemoryTextBuffer buffer;
        buffer.ResetText(std::u16string(row.recalculated));
        CalcEngine fresh;
        fresh.SetOptions(OptionsOf(row));
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
            std::u16string text = line.paragraph;
            PrepareLineText(text, true);
            std::int32_t position = 0;
            fresh.Evaluate(text, position);
        }
        EXPECT_GT(previewed, 0);
    }
}

}  // namespace
}  // namespace numora
