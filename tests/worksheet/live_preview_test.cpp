// The value shown while a line is typed: what Enter would write, with nothing of the engine's
// changed.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "engine/Format.h"
#include "tests/support/totals_sheets.h"
#include "worksheet/LineText.h"
#include "worksheet/LivePreview.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"

namespace numora {
namespace {

std::optional<std::string> Shown(LivePreview& preview, const char16_t* paragraph,
                                 std::optional<std::u16string> below = std::nullopt) {
    const auto text = preview.Evaluate({paragraph, std::move(below), true, {}});
    if (!text) return std::nullopt;
    return Utf16ToUtf8(*text);
}

TEST(LivePreview, ShowsWhatEnterWritesAndChangesNothing) {
    UserFunctionCatalogue functions;
    functions.Append({u"twice", {u"x"}, u"x*2", u""});
    CalcEngine engine(functions);
    engine.SetDigits(10);
    for (std::u16string line : {u"a = 3", u"a * 2"}) {
        std::int32_t position = 0;
        ASSERT_EQ(engine.Evaluate(line, position), 0);
    }
    LivePreview preview;
    preview.Prepare(engine, functions, 1);
    struct Case {
        const char16_t* paragraph;
        std::optional<std::string> shown;
    };
    const Case cases[] = {
        {u"a + @", "9"},                 // the variables and "@" Enter would use
        {u"b = a / 7", "0.4285714286"},  // the digits too; nothing is assigned
        {u"b", std::nullopt},            // so b is still unknown: an error shows nothing
        {u"twice(a) // six", "6"},       // user functions, a comment cut as Enter cuts it
        {u"hex(255)", "0xFF (@255)"},
        {u"1 +", std::nullopt},  // half typed
        {u"// only a comment", std::nullopt},
        {u">6", std::nullopt},        // a result line
        {u"random()", std::nullopt},  // a value that changes from call to call
        {u"now() + 1", std::nullopt},
        {u"date(1)", std::nullopt},
        {u"a + @", "9"},  // and "@" has not moved
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(preview, c.paragraph), c.shown) << Utf16ToUtf8(c.paragraph);
    }
    // A result line below that already says the same: nothing new to show.
    EXPECT_EQ(Shown(preview, u"a * 3", u"9"), std::nullopt);
    EXPECT_EQ(Shown(preview, u"a * 3", u"8"), "9");
    // Nor when it says the same in another grouping of its digits.
    EXPECT_EQ(Shown(preview, u"a * 10000", u"30,000"), std::nullopt);
    EXPECT_EQ(Shown(preview, u"a * 10000", u" 30000 "), std::nullopt);
    EXPECT_EQ(Shown(preview, u"a * 10000", u"30,001"), "30000");
    EXPECT_EQ(Shown(preview, u"a * 10000", u"Error : Division by zero"), "30000");

    EXPECT_EQ(engine.GetVariables().Find(u"b"), nullptr);
    EXPECT_EQ(FormatNumber(engine.GetLastAnswer(), 10), u"6");

    // The engine's state is taken again only when it has changed.
    std::u16string line = u"a = 100";
    std::int32_t position = 0;
    ASSERT_EQ(engine.Evaluate(line, position), 0);
    preview.Prepare(engine, functions, 1);
    EXPECT_EQ(Shown(preview, u"a"), "3");
    preview.Prepare(engine, functions, 2);
    EXPECT_EQ(Shown(preview, u"a"), "100");
}

// The trial on the window's own engine leaves what the status bar shows.
TEST(LivePreview, TrialKeepsTheLastRealResult) {
    CalcEngine engine;
    std::u16string line = u"x = 5";
    std::int32_t position = 0;
    ASSERT_EQ(engine.Evaluate(line, position), 0);
    std::u16string trial = u"x * 100";
    position = 0;
    EXPECT_EQ(engine.EvaluateTrial(trial, position), 0);
    EXPECT_EQ(engine.GetMessageText(), u"500");
    EXPECT_EQ(engine.GetValueText(), u"5");
    EXPECT_EQ(FormatNumber(engine.GetLastAnswer(), 32), u"5");
    std::u16string timed = u"x + time()";
    position = 0;
    EXPECT_EQ(engine.EvaluateTrial(timed, position), kVolatileStatus);
}

// On its worker: a line that never ends is stopped by Cancel and shows nothing.
TEST(LivePreview, RunsBesideAndStopsWhenCanceled) {
    UserFunctionCatalogue functions;
    functions.Append({u"f0", {u"x"}, u"x", u""});
    for (int i = 1; i <= 40; ++i) {
        const std::u16string lower = u"f" + Utf8ToUtf16(std::to_string(i - 1));
        functions.Append(
            {u"f" + Utf8ToUtf16(std::to_string(i)), {u"x"}, lower + u"(x)+" + lower + u"(x)", u""});
    }
    CalcEngine engine(functions);
    LivePreview preview;
    preview.Prepare(engine, functions, 0);

    std::promise<std::optional<std::u16string>> quick;
    preview.Start({u"f3(1)", std::nullopt, true, {}}, [&](auto text) { quick.set_value(text); });
    EXPECT_EQ(quick.get_future().get(), std::optional<std::u16string>(u"8"));
    while (preview.Running()) std::this_thread::yield();  // the answer comes just before the end

    std::promise<std::optional<std::u16string>> endless;
    auto ended = endless.get_future();
    preview.Start({u"f40(1)", std::nullopt, true, {}}, [&](auto text) { endless.set_value(text); });
    EXPECT_TRUE(preview.Running());
    preview.Cancel();
    EXPECT_EQ(ended.get(), std::nullopt);
}

// With totals on, every line of each recalculated sheet previews what its result line says, read
// from the lines above as Enter reads them; the totals names off, they are no names at all.
TEST(LivePreview, TotalsLinesShowWhatEnterWrites) {
    for (const testing::TotalsSheet& sheet : testing::TotalsSheets()) {
        CalcEngine engine;
        engine.SetDigits(sheet.digits);
        engine.SetOptions({false, sheet.grouped});
        RecalcOptions options;
        options.totals = true;
        options.keepValues = true;
        const RecalcOutcome outcome = RecalculateWorksheet(sheet.sheet, engine, options);
        ASSERT_EQ(outcome.text, sheet.recalculated) << sheet.name;
        MemoryTextBuffer buffer;
        buffer.ResetText(std::u16string(outcome.text));
        for (const auto& [paragraph, value] : outcome.kept)
            KeepResult(buffer, paragraph, &value.Value, &value.Of);

        LivePreview preview;
        preview.Prepare(engine, engine.GetFunctions(), 1);
        int previewed = 0;
        for (std::int32_t p = 0; p + 1 < buffer.ParagraphCount(); ++p) {
            PreviewLine line = PreviewLineAt(buffer, p, true, &engine.GetFunctions());
            if (KindOfParagraph(line.paragraph, true) != LineKind::Expression || !line.resultBelow)
                continue;
            const std::u16string written = *line.resultBelow;
            // The result line below says the same: nothing is shown beside it.
            EXPECT_EQ(preview.Evaluate(line), std::nullopt) << sheet.name;
            line.resultBelow.reset();
            const auto shown = preview.Evaluate(line);
            if (written.starts_with(u"Error")) {
                EXPECT_EQ(shown, std::nullopt) << sheet.name;
            } else {
                EXPECT_EQ(shown, std::optional<std::u16string>(written))
                    << sheet.name << ": " << Utf16ToUtf8(line.paragraph);
                ++previewed;
            }
        }
        EXPECT_GT(previewed, 0) << sheet.name;
    }

    // Off: subtotal is an unknown name, which shows nothing.
    MemoryTextBuffer buffer;
    buffer.ResetText(u"100\n>100\nsubtotal");
    CalcEngine engine;
    LivePreview preview;
    preview.Prepare(engine, engine.GetFunctions(), 1);
    EXPECT_EQ(preview.Evaluate(PreviewLineAt(buffer, 2, true, nullptr)), std::nullopt);
    EXPECT_EQ(preview.Evaluate(PreviewLineAt(buffer, 2, true, &engine.GetFunctions())),
              std::optional<std::u16string>(u"100"));
}

}  // namespace
}  // namespace numora
