#include "worksheet/LivePreview.h"

#include <chrono>
#include <utility>

#include "engine/Cancel.h"
#include "worksheet/LineText.h"
#include "worksheet/TextBuffer.h"

namespace numora {

namespace {

std::u16string ParagraphAt(const TextBuffer& buffer, std::int32_t paragraph) {
    return buffer.TextRange(buffer.ParagraphStart(paragraph), ParagraphEndOf(buffer, paragraph));
}

// The same value, whatever the grouping of its digits: "80000" says what ">80,000" says.
bool SaysTheSame(std::u16string_view shown, std::u16string_view preview) {
    if (shown == preview) return true;
    Number a;
    Number b;
    return ReadResultText(u">" + std::u16string(shown), a) &&
           ReadResultText(u">" + std::u16string(preview), b) && a == b;
}

}  // namespace

PreviewLine PreviewLineAt(const TextBuffer& buffer, std::int32_t paragraph, bool insertMode,
                          const UserFunctionCatalogue* totals, bool units) {
    PreviewLine line;
    line.paragraph = ParagraphAt(buffer, paragraph);
    line.insertMode = insertMode;
    if (paragraph + 1 < buffer.ParagraphCount()) {
        std::u16string next = ParagraphAt(buffer, paragraph + 1);
        if (next.starts_with(u'>')) line.resultBelow = next.substr(1);
    }
    if (totals != nullptr) {
        // As Enter finds them: read from the lines above, only when the line may ask.
        const TotalsUse use = LineTotals(*totals).UseBy(line.paragraph);
        if (use.Any()) line.totals = TotalsAbove(buffer, paragraph, use, units);
    }
    return line;
}

std::optional<std::u16string> PreviewOf(PreviewLine line, CalcEngine& engine, LineTotals* totals) {
    std::u16string& text = line.paragraph;
    PrepareLineText(text, line.insertMode);
    if (KindOfLine(text) != LineKind::Expression) return std::nullopt;
    NameSource* const names = engine.GetNameSource();
    if (totals != nullptr) {
        totals->Use(line.totals ? &*line.totals : nullptr);
        engine.SetNameSource(totals);
    }
    std::int32_t position = 0;
    const int status = engine.EvaluateTrial(text, position);
    if (totals != nullptr) {
        engine.SetNameSource(names);
        totals->Use(nullptr);
    }
    if (status != 0) return std::nullopt;
    const std::u16string& message = engine.GetMessageText();
    if (line.resultBelow && SaysTheSame(*line.resultBelow, message)) return std::nullopt;
    return message;
}

LivePreview::LivePreview() = default;

LivePreview::~LivePreview() { Cancel(); }

void LivePreview::Prepare(const CalcEngine& engine, const UserFunctionCatalogue& functions,
                          std::uint64_t stateKey,
                          const std::function<CalcEngine::Session()>& state) {
    engine_.SetDigits(engine.GetDigits());
    engine_.SetOptions(engine.GetOptions());
    totals_.SetUnits(engine.GetOptions().Units);
    functions_ = functions;
    if (stateKey == stateKey_) return;
    stateKey_ = stateKey;
    if (state) {
        engine_.RestoreSession(state());
    } else {
        engine_.RestoreSession({engine.GetVariables(),
                                engine.GetLastAnswer(),
                                Number(0),
                                {},
                                engine.GetLastAnswerUnit(),
                                {}});
    }
}

std::optional<std::u16string> LivePreview::Evaluate(PreviewLine line) {
    ClearCancel(engine_.Cancel());
    return PreviewOf(std::move(line), engine_, &totals_);
}

void LivePreview::Start(PreviewLine line, std::function<void(std::optional<std::u16string>)> done) {
    ClearCancel(engine_.Cancel());
    started_ = true;
    worker_.Start([this, line = std::move(line), done = std::move(done)]() mutable {
        std::optional<std::u16string> text = PreviewOf(std::move(line), engine_, &totals_);
        if (CancelRequested(engine_.Cancel())) text.reset();
        done(std::move(text));
    });
}

bool LivePreview::Running() { return started_ && !worker_.WaitFor(std::chrono::milliseconds(0)); }

}  // namespace numora
