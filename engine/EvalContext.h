#pragma once
#include <string>

#include "engine/Number.h"
#include "engine/VariableTable.h"

namespace numora {

struct EngineState;

// What one evaluation works on. Nested evaluations (arguments, user function bodies) use a
// temporary context whose Variables points at the table chosen by the call; every context of a
// line shares its engine's state.
struct EvalContext {
    Number Result{0};
    Unit ResultUnit;  // of Result; empty for a bare number
    std::u16string MessageText;
    VariableTable* Variables = nullptr;
    EngineState* Engine = nullptr;

    // A fresh context over `variables` for a nested evaluation of the same engine.
    EvalContext Nested(VariableTable* variables) const {
        EvalContext nested;
        nested.Variables = variables;
        nested.Engine = Engine;
        return nested;
    }
};

}  // namespace numora
