#pragma once
// Where the caret goes after a worksheet has been loaded and coloured.
#include <cstdint>

#include "worksheet/TextBuffer.h"

namespace numora {

// The start of the last visual line.
std::int32_t CaretAfterColorAllLines(const TextBuffer& buffer);

}  // namespace numora
