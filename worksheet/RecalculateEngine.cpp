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
            assigned.push_back({engine_.GetAssignTargets(), engine_.GetQuantityText()});
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
        totals_.SetUnits(engine.GetOptions().Units);
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
    CalcEngine::Session before = engine.TakeSession();
    VariableListModel fresh;
    RecalcOptions own = options;
    if (options.variableList) own.variableList = &fresh;
    RecalcOutcome outcome = RecalculateWorksheet(std::move(text), engine, own);
    if (!outcome.canceled) {
        if (options.variableList) *options.variableList = std::move(fresh);
        return outcome;
    }
    // The lines not reached stay as they were, and so do their variables: what the engine held
    // before, with what the lines done stored put over it.
    CalcEngine::Session done = engine.TakeSession();
    for (const auto& [name, value] : done.Variables.Entries()) before.Variables.Store(name, value);
    if (outcome.evaluated > outcome.failed) {
        before.LastAnswer = std::move(done.LastAnswer);
        before.Result = std::move(done.Result);
        before.ValueText = std::move(done.ValueText);
    }
    engine.RestoreSession(std::move(before));
    if (options.variableList) {
        for (const VariableListEntry& entry : fresh.Entries()) {
            const std::u16string_view name = VariableListModel::NameOf(entry.text);
            options.variableList->Refresh({std::u16string(name)},
                                          std::u16string_view(entry.text).substr(name.size() + 1),
                                          &engine.GetVariables());
        }
    }
    return outcome;
}

}  // namespace numora
