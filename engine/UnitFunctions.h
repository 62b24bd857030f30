#pragma once
// Built-in functions called with quantities: which keep the unit, which take an angle, which
// take roots of it, and which refuse one.
#include <string>
#include <string_view>

#include "engine/Builtins.h"
#include "engine/FunctionCall.h"
#include "engine/Quantity.h"

namespace numora {

// Fills `values` with the numbers the built-in `lowerName` computes on and `unit` with the unit
// of its result, for `arguments` of which at least one has a unit. On failure sets `message`.
bool UnitArguments(std::u16string_view lowerName, const ArgumentList& arguments, ArgList& values,
                   Unit& unit, std::u16string& message);

}  // namespace numora
