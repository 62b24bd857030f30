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
    ListingEvaluator(CalcEngine& engine, LineTotals* totals, bool keep)
        : engine_(engine), inner_(engine, totals, keep) {}
    void Locate(const TextBuffer& buffer, std::int32_t paragraphStart,
                std::u16string_view line) override {
        inner_.Locate(buffer, paragraphStart, line);
    }
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        const int status = inner_.Evaluate(line, position);
        if (status == 0 && !engine_.GetAssignTargets().empty()) {
            assigned.push_back({engine_.GetAssignTargets(), engine_.GetValueText()});
        }
        return status;
    }
    const std::u16string& MessageText() const override { return inner_.MessageText(); }
    void Written(TextBuffer& buffer, int status) override { inner_.Written(buffer, status); }

    std::vector<LineAssignment> assigned;

private:
    CalcEngine& engine_;
    CalcEngineEvaluator inner_;
};

// The engine answers the totals names for the recalculation's lines only.
class TotalsInEngine {
public:
    TotalsInEngine(CalcEngine& engine, bool on)
        : engine_(engine), totals_(engine.GetFunctions()), before_(engine.GetNameSource()) {
        engine_.SetNameSource(on ? &totals_ : nullptr);
    }
    ~TotalsInEngine() { engine_.SetNameSource(before_); }
    LineTotals* Totals(bool on) { return on ? &totals_ : nullptr; }

private:
    CalcEngine& engine_;
    LineTotals totals_;
    NameSource* before_;
};

}  // namespace

RecalcOutcome RecalculateWorksheet(std::u16string text, CalcEngine& engine,
                                   const RecalcOptions& options) {
    // The sums are carried down only where a line may ask for them.
    const bool used = options.totals && LineTotals(engine.GetFunctions()).MayBeUsedBy(text);
    TotalsInEngine totals(engine, used);
    const bool keep = options.totals && options.keepValues;
    if (options.variableList) {
        ListingEvaluator evaluator(engine, totals.Totals(used), keep);
        RecalcOutcome outcome = RecalculateWorksheet(std::move(text), evaluator, options);
        options.variableList->Assign(evaluator.assigned, &engine.GetVariables());
        return outcome;
    }
    CalcEngineEvaluator evaluator(engine, totals.Totals(used), keep);
    return RecalculateWorksheet(std::move(text), evaluator, options);
}

RecalcOutcome RecalculateAfresh(std::u16string text, CalcEngine& engine,
                                const RecalcOptions& options) {
    engine.TakeSession();
    return RecalculateWorksheet(std::move(text), engine, options);
}

}  // namespace numora
