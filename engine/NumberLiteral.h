#pragma once
// The reader of number literals: decimal (with ',' grouping and an exponent), and 64-bit
// two's-complement hexadecimal (0x) and binary (0b) literals with '_' grouping.
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Number.h"

namespace numora {

// Reads a literal at `position`, where the caller has seen a digit or '.'. On success `value`
// holds it and `position` is just after it. On failure `detail` holds the text for
// "Error : Invalid Value %s" and `position` is where reading stopped. Never throws.
bool ParseNumberLiteral(std::u16string_view text, std::size_t& position, Number& value,
                        std::u16string& detail);

}  // namespace numora
