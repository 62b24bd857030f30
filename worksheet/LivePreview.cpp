#include "worksheet/LivePreview.h"

#include <chrono>
#include <utility>

#include "engine/Cancel.h"
#include "worksheet/LineText.h"

namespace numora {

std::optional<std::u16string> PreviewOf(PreviewLine line, CalcEngine& engine) {
    std::u16string& text = line.paragraph;
    PrepareLineText(text, line.insertMode);
    if (KindOfLine(text) != LineKind::Expression) return std::nullopt;
    std::int32_t position = 0;
    if (engine.EvaluateTrial(text, position) != 0) return std::nullopt;
    const std::u16string& message = engine.GetMessageText();
    if (line.resultBelow && *line.resultBelow == message) return std::nullopt;
    return message;
}

LivePreview::LivePreview() = default;

LivePreview::~LivePreview() { Cancel(); }

void LivePreview::Prepare(const CalcEngine& engine, const UserFunctionCatalogue& functions,
                          std::uint64_t stateKey,
                          const std::function<CalcEngine::Session()>& state) {
    engine_.SetDigits(engine.GetDigits());
    engine_.SetOptions(engine.GetOptions());
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
    return PreviewOf(std::move(line), engine_);
}

void LivePreview::Start(PreviewLine line, std::function<void(std::optional<std::u16string>)> done) {
    ClearCancel(engine_.Cancel());
    started_ = true;
    worker_.Start([this, line = std::move(line), done = std::move(done)]() mutable {
        std::optional<std::u16string> text = PreviewOf(std::move(line), engine_);
        if (CancelRequested(engine_.Cancel())) text.reset();
        done(std::move(text));
    });
}

bool LivePreview::Running() { return started_ && !worker_.WaitFor(std::chrono::milliseconds(0)); }

}  // namespace numora
