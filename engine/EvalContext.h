#pragma once
#include <string>

#include "engine/Number.h"
#include "engine/VariableTable.h"

namespace numora {

// What one evaluation works on. Nested evaluations (arguments, user function bodies) use a
// temporary context whose Variables points at the table chosen by the call.
struct EvalContext {
    Number Result{0};
    std::u16string MessageText;
    VariableTable* Variables = nullptr;
};

}  // namespace numora
