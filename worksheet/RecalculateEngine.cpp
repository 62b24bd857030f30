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
    void Locate(const TextBuffer& buffer, std::int32_t paragraph,
                std::u16string_view line) override {
        inner_.Locate(buffer, paragraph, line);
    }
    int Evaluate(std::u16string& line, std::int32_t& position) override {
        const int status = inner_.Evaluate(line, position);
        if (status == 0 && !engine_.GetAssignTargets().empty()) {
            assigned.push_back({engine_.GetAssignTargets(), engine_.GetValueText()});
        }
        return status;
    }
    const std::u16string& MessageText() const override { return inner_.MessageText(); }
    void Written(TextBuffer& buffer, std::int32_t paragraph, int status) override {
        inner_.Written(buffer, paragraph, status);
    }

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
    TotalsInEngine totals(engine, options.totals);
    // Values are kept for the lines below that may ask for them.
    const bool keep =
        options.totals && (options.keepValues || totals.Totals(true)->MayBeUsedBy(text));
    if (options.variableList) {
        ListingEvaluator evaluator(engine, totals.Totals(options.totals), keep);
        RecalcOutcome outcome = RecalculateWorksheet(std::move(text), evaluator, options);
        options.variableList->Assign(evaluator.assigned, &engine.GetVariables());
        return outcome;
    }
    CalcEngineEvaluator evaluator(engine, totals.Totals(options.totals), keep);
    return RecalculateWorksheet(std::move(text), evaluator, options);
}

RecalcOutcome RecalculateAfresh(std::u16string text, CalcEngine& engine,
                                const RecalcOptions& options) {
    engine.TakeSession();
    return RecalculateWorksheet(std::move(text), engine, options);
}

}  // namespace numora
