#pragma once
// What the tables of worksheets (units, percentages) check in a worksheet: Enter line by line
// (with and without automatic recalculation), Recalculate All and the live preview read each
// worksheet alike under the options of its row.
#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "engine/UserFunctions.h"
#include "worksheet/LineText.h"
#include "worksheet/LivePreview.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"

namespace numora::test {

// A worksheet with totals on, as the window keeps it.
struct EnteredSheet {
    EnteredSheet(std::u16string_view initial, const EvalOptions& options) : text(initial) {
        sheet.SetTotals(true);
        sheet.SetOptions(options);
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

inline RecalcOutcome RecalculatedUnder(std::u16string_view worksheet, const EvalOptions& options,
                                       VariableListModel* list = nullptr) {
    CalcEngine engine;
    engine.SetOptions(options);
    RecalcOptions recalc;
    recalc.totals = true;
    recalc.keepValues = true;
    recalc.variableList = list;
    return RecalculateAfresh(std::u16string(worksheet), engine, recalc);
}

inline void ExpectEveryWayAlike(std::u16string_view sheet, std::u16string_view recalculated,
                                const EvalOptions& options) {
    const std::string expected = Utf16ToUtf8(recalculated);
    EXPECT_EQ(Utf16ToUtf8(RecalculatedUnder(sheet, options).text), expected);
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic ? "Enter under automatic recalculation" : "Enter");
        EnteredSheet s(sheet, options);
        s.sheet.SetAutoRecalculate(automatic);
        s.EnterOnEveryLine();
        EXPECT_EQ(s.Text(), expected);
        ASSERT_TRUE(s.sheet.RecalculateResults());
        EXPECT_EQ(s.Text(), expected);
    }
}

// Each line that succeeds previews what Enter writes below it, the totals lines too; returns
// how many lines were previewed.
inline int ExpectPreviewShowsEnter(std::u16string_view sheet, const EvalOptions& options) {
    CalcEngine engine;
    engine.SetOptions(options);
    RecalcOptions recalc;
    recalc.totals = true;
    recalc.keepValues = true;
    const RecalcOutcome outcome = RecalculateWorksheet(std::u16string(sheet), engine, recalc);
    MemoryTextBuffer buffer;
    buffer.ResetText(std::u16string(outcome.text));
    for (const auto& [paragraph, value] : outcome.kept) {
        KeepResult(buffer, paragraph, &value.Value, &value.Of);
    }
    // The engine as it was before the first line: the preview starts from nothing.
    CalcEngine fresh;
    fresh.SetOptions(options);
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
            EXPECT_EQ(shown, std::optional<std::u16string>(written)) << Utf16ToUtf8(line.paragraph);
            ++previewed;
        }
        // Enter's line: the next preview sees what it assigned.
        std::u16string text = line.paragraph;
        PrepareLineText(text, true);
        std::int32_t position = 0;
        fresh.Evaluate(text, position);
    }
    return previewed;
}

}  // namespace numora::test
