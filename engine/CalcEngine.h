#pragma once
// The calculation engine: evaluates one worksheet line.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/EngineState.h"
#include "engine/EvalContext.h"
#include "engine/Number.h"
#include "engine/VariableTable.h"

namespace numora {

// Display forms of the last result in the status bar.
enum class StatusFormat { Decimal = 0, Hexadecimal = 1, Binary = 2 };

// One engine per worksheet: its variables, options, last answer, random generator and cancel
// token are its own, so engines on different threads never meet.
class CalcEngine : public EvalContext {
public:
    // Without user functions.
    CalcEngine();
    // `functions` outlives the engine; changes to it apply from the next line on.
    explicit CalcEngine(const UserFunctionCatalogue& functions);
    CalcEngine(const CalcEngine&) = delete;
    CalcEngine& operator=(const CalcEngine&) = delete;

    // Evaluates one line. `line` may be rewritten (full-width folding). `position` must be 0
    // for a whole line; on failure it holds the error index. Returns 0 or a negative status.
    // Never throws.
    int Evaluate(std::u16string& line, std::int32_t& position);
    // Evaluates as Evaluate does but leaves the variables and the last answer as they are, and
    // returns kVolatileStatus for a line that calls the clock or random numbers (without calling
    // them). The message text is what the result line would hold.
    int EvaluateTrial(std::u16string& line, std::int32_t& position);

    // What one evaluated line changed in the engine, enough to take it back.
    struct LineUndo {
        Number LastAnswer{0};  // before the line
        Unit LastAnswerUnit;
        // Each variable the line assigned, with its value before (none: it did not exist).
        std::vector<std::pair<std::u16string, std::optional<Number>>> Before;
        std::vector<Unit> BeforeUnits;  // beside Before: the unit each value had
        bool Stored = false;            // the line succeeded and changed the last answer
    };
    // Evaluates as Evaluate does and fills `undo` with what the line changed.
    int EvaluateRecorded(std::u16string& line, std::int32_t& position, LineUndo& undo);
    // Takes a line back; the lines after it must have been taken back first.
    void TakeBack(LineUndo& undo);
    // What the status bar shows: the result and the text of the line that should be seen.
    void ShowResult(const Number& result, std::u16string valueText) {
        Result = result;
        ValueText = std::move(valueText);
    }

    const Number& GetResult() const { return Result; }
    // The unit of the last result; empty for a bare number.
    const Unit& GetResultUnit() const { return ResultUnit; }
    const std::u16string& GetMessageText() const { return MessageText; }
    const std::u16string& GetValueText() const { return ValueText; }
    const std::vector<std::u16string>& GetAssignTargets() const { return AssignTargets; }
    VariableTable& GetVariables() { return OwnVariables; }
    const VariableTable& GetVariables() const { return OwnVariables; }

    void SetDigits(int digits) { Digits = digits; }
    int GetDigits() const { return Digits; }
    // Between lines only.
    void SetOptions(const EvalOptions& options) { state_.Options = options; }
    const EvalOptions& GetOptions() const { return state_.Options; }
    // Between lines only; `names` (or nullptr for none) outlives the lines it is set for.
    void SetNameSource(NameSource* names) { state_.Names = names; }
    NameSource* GetNameSource() const { return state_.Names; }
    const UserFunctionCatalogue& GetFunctions() const { return *state_.Functions; }
    const Number& GetLastAnswer() const { return state_.LastAnswer; }
    const Unit& GetLastAnswerUnit() const { return state_.LastAnswerUnit; }
    // User functions being evaluated; empty whenever no line runs.
    const std::vector<std::u16string>& GetActiveCalls() const { return state_.ActiveCalls; }
    // Stops the running line (from any thread or a signal handler). Whoever starts a line
    // clears it first.
    CancelToken& Cancel() { return state_.Cancel; }

    std::u16string FormatForStatus(StatusFormat format, bool grouped) const;
    // A value as a result line writes it, with these digits and options.
    std::u16string FormatValue(const Number& value) const;
    // The same followed by its unit as it reads back ("5 [km]"); bare without one.
    std::u16string FormatQuantity(const Number& value, const Unit* unit) const;
    // The last result so: what the variable list shows of the values a line assigned.
    std::u16string GetQuantityText() const;

    // What a worksheet's lines leave behind in the engine. A whole recalculation starts from
    // a fresh one and puts the old one back when it is stopped half way.
    struct Session {
        VariableTable Variables;
        Number LastAnswer{0};
        Number Result{0};
        std::u16string ValueText;
        Unit LastAnswerUnit;
        Unit ResultUnit;
    };
    // Between lines only: hands the session over and leaves the engine as a new one is.
    Session TakeSession();
    void RestoreSession(Session session);

private:
    int EvaluateLine(std::u16string& line, std::int32_t& position, bool store);
    int Guarded(std::u16string& line, std::int32_t& position, bool store);
    // `digits`, a value as FormatNumber wrote it, as a result line shows it.
    std::u16string Shown(std::u16string_view digits) const;

    LineUndo* undo_ = nullptr;  // filled by the stores of the line being evaluated

    std::u16string ValueText;
    std::vector<std::u16string> AssignTargets;
    int Digits = 32;
    VariableTable OwnVariables;
    std::u16string NameBuffer;  // reused by the assignment scan
    EngineState state_;
};

}  // namespace numora
