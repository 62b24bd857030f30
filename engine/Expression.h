#pragma once
// The expression evaluator: a state machine over three explicit stacks, so that parentheses
// nest without recursion. Only function calls recurse (arguments and user function bodies).
#include <cstdint>
#include <string_view>

#include "engine/EvalContext.h"

namespace numora {

// Deepest nesting of function calls in one line; deeper calls fail the line instead of
// exhausting the machine stack.
inline constexpr int kMaxCallDepth = 200;

// Evaluates `text` from `position` on `context`, whose Engine must be set. Empties
// `context.MessageText` first. On success stores the value in `context.Result`, leaves `position`
// at the end of the text and returns 0. On failure sets the message, leaves `position` at the error
// and returns -1, -2, -3 or kCanceledStatus.
int EvaluateExpression(EvalContext& context, std::u16string_view text, std::int32_t& position);

}  // namespace numora
