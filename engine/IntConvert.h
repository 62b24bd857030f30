#pragma once
// Integer conversions of Number used by the built-in functions and the status formats.
#include <cstdint>

#include "engine/Number.h"

namespace numora {

// Truncation toward zero; |x| < 1 gives 0; beyond the range gives the nearest bound; NaN gives 0.
std::int64_t ToInt64(const Number& x);
// ToInt64 saturated to the signed 32-bit range.
std::int32_t ToInt32(const Number& x);
// Negative values convert through ToInt64 and are read as two's complement; values above
// 2^64 - 1 give all ones.
std::uint64_t ToUInt64(const Number& x);

}  // namespace numora
