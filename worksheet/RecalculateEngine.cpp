// Kept apart so that programs recalculating through another evaluator do not link the engine.
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/Recalculate.h"
#include "worksheet/VariableList.h"

namespace numora {

namespace {

// Notes what each line assigns, for the variable list to take in at once: the list is what
// Enter on every line would have left.
class ListingEvaluator final : public LineEvaluator {
public:
    explicit ListingEvaluator(CalcEngine& engine) : engine_(engine) {}
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        const int status = engine_.Evaluate(line, position);
        if (status == 0 && !engine_.GetAssignTargets().empty()) {
            assigned.push_back({engine_.GetAssignTargets(), engine_.GetValueText()});
        }
        return status;
    }
    const std::u16string& MessageText() const override { return engine_.GetMessageText(); }

    std::vector<LineAssignment> assigned;

private:
    CalcEngine& engine_;
};

}  // namespace

RecalcOutcome RecalculateWorksheet(std::u16string text, CalcEngine& engine,
                                   const RecalcOptions& options) {
    if (options.variableList) {
        ListingEvaluator evaluator(engine);
        RecalcOutcome outcome = RecalculateWorksheet(std::move(text), evaluator, options);
        options.variableList->Assign(evaluator.assigned, &engine.GetVariables());
        return outcome;
    }
    CalcEngineEvaluator evaluator(engine);
    return RecalculateWorksheet(std::move(text), evaluator, options);
}

RecalcOutcome RecalculateAfresh(std::u16string text, CalcEngine& engine,
                                const RecalcOptions& options) {
    engine.TakeSession();
    return RecalculateWorksheet(std::move(text), engine, options);
}

}  // namespace numora
