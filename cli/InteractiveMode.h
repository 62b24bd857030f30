#pragma once
// numora-calc at a terminal: each line typed is evaluated on Enter and its result line printed
// at once, variables carried from line to line as in one worksheet.
#include <cstdio>

#include "cli/LineReader.h"
#include "engine/CalcEngine.h"
#include "worksheet/Recalculate.h"

namespace numora::cli {

// Reads lines from `reader` until end of input; prints each line's result line (">" and the
// result or error text) to `out`. Returns 0.
int RunInteractive(CalcEngine& engine, const RecalcOptions& options, LineReader& reader,
                   std::FILE* out, std::FILE* err);

}  // namespace numora::cli
