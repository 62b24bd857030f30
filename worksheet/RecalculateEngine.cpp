// Kept apart so that programs recalculating through another evaluator do not link the engine.
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/Recalculate.h"
#include "worksheet/VariableList.h"

namespace numora {

namespace {

// Keeps a variable list up to date line by line, as Enter does in the window.
class ListingEvaluator final : public LineEvaluator {
public:
    ListingEvaluator(CalcEngine& engine, VariableListModel& list) : engine_(engine), list_(list) {}
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        const int status = engine_.Evaluate(line, position);
        if (status == 0) list_.Refresh(engine_);
        return status;
    }
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }

private:
    CalcEngine& engine_;
    VariableListModel& list_;
};

}  // namespace

RecalcOutcome RecalculateWorksheet(std::u16string text, CalcEngine& engine,
                                   const RecalcOptions& options) {
    if (options.variableList) {
        ListingEvaluator evaluator(engine, *options.variableList);
        return RecalculateWorksheet(std::move(text), evaluator, options);
    }
    CalcEngineEvaluator evaluator(engine);
    return RecalculateWorksheet(std::move(text), evaluator, options);
}

RecalcOutcome RecalculateAfresh(std::u16string text, CalcEngine& engine,
                                const RecalcOptions& options) {
    CalcEngine::Session before = engine.TakeSession();
    RecalcOutcome outcome = RecalculateWorksheet(std::move(text), engine, options);
    if (outcome.canceled) engine.RestoreSession(std::move(before));
    return outcome;
}

}  // namespace numora
