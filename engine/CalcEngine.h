#pragma once
// The calculation engine: evaluates one worksheet line.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/EvalContext.h"
#include "engine/Number.h"
#include "engine/VariableTable.h"

namespace numora {

// Display forms of the last result in the status bar.
enum class StatusFormat { Decimal = 0, Hexadecimal = 1, Binary = 2 };

class CalcEngine : public EvalContext {
public:
    CalcEngine();
    CalcEngine(const CalcEngine&) = delete;
    CalcEngine& operator=(const CalcEngine&) = delete;

    // Evaluates one line. `line` may be rewritten (full-width folding). `position` must be 0
    // for a whole line; on failure it holds the error index. Returns 0 or a negative status.
    // Never throws.
    int Evaluate(std::u16string& line, std::int32_t& position);

    const Number& GetResult() const { return Result; }
    const std::u16string& GetMessageText() const { return MessageText; }
    const std::u16string& GetValueText() const { return ValueText; }
    const std::vector<std::u16string>& GetAssignTargets() const { return AssignTargets; }
    VariableTable& GetVariables() { return OwnVariables; }
    const VariableTable& GetVariables() const { return OwnVariables; }

    void SetDigits(int digits) { Digits = digits; }
    int GetDigits() const { return Digits; }

    std::u16string FormatForStatus(StatusFormat format, bool grouped) const;

private:
    int EvaluateLine(std::u16string& line, std::int32_t& position);

    std::u16string ValueText;
    std::vector<std::u16string> AssignTargets;
    int Digits = 32;
    VariableTable OwnVariables;
    std::u16string NameBuffer;  // reused by the assignment scan
};

// Process-wide engine state.
Number& LastAnswer();
bool& UnaryMinusBindsBase();

}  // namespace numora
