#pragma once
// Names that stand for values: the seven constants and the variables of the context.
#include <string>
#include <string_view>

#include "engine/EvalContext.h"
#include "engine/Number.h"

namespace numora {

// 1 "@", 2 "pi"/"π", 3 "exp", 4 "root2"/"sqr2", 5 "euler", 6 "radian", 7 "degree"; 0 otherwise.
// The comparison is exact (callers lower-case first where the lookup is case-insensitive).
int ConstantIndex(std::u16string_view name);

// Value of constant `index` (1..7); 1 is `lastAnswer`.
Number ConstantValue(int index, const Number& lastAnswer);

// Finds a constant (the last answer is the engine's), a variable of `context.Variables` or a name
// of the engine's NameSource by the lower-case form of `name`. On failure sets
// `context.MessageText` and returns false.
bool LookupName(EvalContext& context, std::u16string_view name, Number& value);

}  // namespace numora
