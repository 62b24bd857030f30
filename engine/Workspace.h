#pragma once
// The expression evaluator's stacks: states still to run, pending operators and values.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FunctionCall.h"
#include "engine/Number.h"

namespace numora {

// Each state is run when it is on top of the stack; the Start states push what they parse
// first and leave the state that finishes the job beneath it.
enum class State : std::uint8_t {
    StartExpression,
    ExpressionTail,
    StartTerm,
    TermTail,
    StartFactor,
    ApplyNegation,
    StartPower,
    PowerTail,
    Operand,
};

// The unit of one value on the stack and where it was written, for errors to point at.
struct UnitSlot {
    Unit Of;
    std::size_t At = 0;
};

struct PendingOperator {
    char16_t Op;
    std::size_t ValueHeight;  // for '(': height of the value stack when the group opened
};

// Buffers of one evaluation level.
struct Workspace {
    std::vector<State> States;
    std::vector<PendingOperator> Operators;
    std::vector<Number> Values;
    // Beside Values, one for one, from the first unit of an evaluation on; unused until then.
    std::vector<UnitSlot> Units;
    std::u16string Name;
    std::u16string Detail;
    ArgumentList Arguments;
    Unit CallUnit;  // of the last function call's value
};

}  // namespace numora
