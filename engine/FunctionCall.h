#pragma once
// Function calls: splitting and evaluating the argument list, and invoking a built-in or a user
// function.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EvalContext.h"
#include "engine/Number.h"

namespace numora {

struct Argument {
    Number Value{0};
    Unit Of;  // empty unless units are on and the argument is a quantity
    // Index in the caller's text where the argument began; negative (minus that index) for the
    // single argument that stands for an empty list, as in f().
    std::int32_t Position = 0;
    std::size_t Length = 0;  // length of the argument's text, used while splitting

    bool StandsForEmptyList() const { return Position < 0; }
};
using ArgumentList = std::vector<Argument>;

// Called with `position` on the '(' after a function name. Splits the list at ';' (nested
// parentheses kept whole) and evaluates each argument in a temporary context sharing
// `context.Variables`. On success `position` is just after the matching ')'. On failure sets
// `context.MessageText` and `position` to the error.
bool ParseArguments(EvalContext& context, std::u16string_view text, std::size_t& position,
                    ArgumentList& arguments);

// Whether a built-in's count of arguments fits: else `message` says what it takes.
bool CheckArgumentCount(const ArgumentList& arguments, int minParams, int maxParams,
                        std::u16string& message);

// Lower-cases `name` in place, finds it among the built-ins, then among the engine's user
// functions, checks the argument count and calls it. `unit` receives the unit of the value. On
// failure sets `context.MessageText`.
bool CallFunction(EvalContext& context, std::u16string& name, const ArgumentList& arguments,
                  Number& value, Unit& unit);

}  // namespace numora
