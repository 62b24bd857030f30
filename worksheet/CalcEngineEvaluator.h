#pragma once
// The driver's view of the real engine.
#include "engine/CalcEngine.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/Totals.h"

namespace numora {

class CalcEngineEvaluator final : public LineEvaluator {
public:
    // With `totals` (the engine's NameSource), each line gets the sums of the lines above it,
    // and with `keep` each result line keeps its value for the lines below.
    explicit CalcEngineEvaluator(CalcEngine& engine, LineTotals* totals = nullptr,
                                 bool keep = false)
        : engine_(engine), totals_(totals), keep_(totals != nullptr && keep) {}
    void Locate(const TextBuffer& buffer, std::int32_t paragraph,
                std::u16string_view line) override {
        if (totals_ != nullptr) totals_->Locate(buffer, paragraph, line);
    }
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        return engine_.Evaluate(line, position);
    }
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }
    void Written(TextBuffer& buffer, std::int32_t paragraph, int status) override {
        if (keep_) KeepResult(buffer, paragraph, status == 0 ? &engine_.GetResult() : nullptr);
    }

private:
    CalcEngine& engine_;
    LineTotals* totals_;
    bool keep_;
};

}  // namespace numora
