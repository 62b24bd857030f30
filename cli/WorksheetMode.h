#pragma once
// numora-calc [FILE | -] and -i FILE: recalculates a whole worksheet.
#include <cstdio>
#include <string>

#include "engine/CalcEngine.h"
#include "worksheet/Recalculate.h"

namespace numora::cli {

// Reads the worksheet from `source` ("-" or empty: `in`) and recalculates it as Enter on every
// expression line would. Prints the result to `out` with "\n" line ends, or, with `inPlace`,
// rewrites `source` atomically with CR LF line ends and prints nothing. Returns 0 when every
// line succeeded, 1 when any failed, 2 (with a message on `err`, nothing printed or written)
// when the worksheet cannot be read, is not UTF-8 or cannot be written.
int RunWorksheet(CalcEngine& engine, const std::string& source, bool inPlace,
                 const RecalcOptions& options, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace numora::cli
