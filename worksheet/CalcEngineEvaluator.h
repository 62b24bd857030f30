#pragma once
// The driver's view of the real engine.
#include "engine/CalcEngine.h"
#include "worksheet/LineEvaluator.h"

namespace numora {

class CalcEngineEvaluator final : public LineEvaluator {
public:
    explicit CalcEngineEvaluator(CalcEngine& engine) : engine_(engine) {}
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        return engine_.Evaluate(line, position);
    }
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }

private:
    CalcEngine& engine_;
};

}  // namespace numora
