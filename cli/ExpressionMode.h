#pragma once
// numora-calc -e: each expression is one worksheet line in one engine.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/CalcEngine.h"

namespace numora::cli {

// Evaluates each UTF-8 expression in order and writes, per expression, the text that its result
// line would hold after ">" followed by "\n". Returns 0 when every line succeeded, else 1. With
// `totals` the expressions are the lines of a worksheet of their own, one below the other with
// no blank line between them, and the totals names add up the results above.
int RunExpressions(CalcEngine& engine, const std::vector<std::string>& expressions, bool totals,
                   std::FILE* out);

}  // namespace numora::cli
