#pragma once
// The driver's view of the real engine.
#include "engine/CalcEngine.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/TextBuffer.h"
#include "worksheet/Totals.h"

namespace numora {

class CalcEngineEvaluator final : public LineEvaluator {
public:
    // With `totals` (the engine's NameSource), each line gets the sums of the lines above it,
    // carried down from line to line as a recalculation from the top goes; with `keep` each
    // result line also keeps its value beside it.
    explicit CalcEngineEvaluator(CalcEngine& engine, LineTotals* totals = nullptr,
                                 bool keep = false)
        : engine_(engine), totals_(totals), keep_(keep) {}
    void Locate(const TextBuffer& buffer, std::int32_t paragraphStart,
                std::u16string_view line) override {
        if (totals_ == nullptr && !keep_) return;
        // The lines come from the top down: the next one is found from the last, not searched.
        std::int32_t p = paragraph_ + 2;
        while (p < buffer.ParagraphCount() && buffer.ParagraphStart(p) < paragraphStart) ++p;
        const bool found =
            p < buffer.ParagraphCount() && buffer.ParagraphStart(p) == paragraphStart;
        paragraph_ = found ? p : buffer.ParagraphOf(paragraphStart);
        if (totals_ != nullptr) totals_->Follow(buffer, paragraph_, line);
    }
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        return engine_.Evaluate(line, position);
    }
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }
    void Written(TextBuffer& buffer, int status) override {
        const Number* value = status == 0 ? &engine_.GetResult() : nullptr;
        if (totals_ != nullptr)
            totals_->Followed(paragraph_ + 1, value != nullptr, engine_.GetResult(),
                              engine_.GetResultUnit());
        if (keep_) KeepResult(buffer, paragraph_ + 1, value, &engine_.GetResultUnit());
    }

private:
    CalcEngine& engine_;
    LineTotals* totals_;
    bool keep_;
    std::int32_t paragraph_ = -2;  // of the line located
};

}  // namespace numora
