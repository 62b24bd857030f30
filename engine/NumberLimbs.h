#pragma once
// The digits of a Number, for the exact arithmetic: 16 limbs of 8 decimal digits each (most
// significant first, the first limb not zero) and a decimal exponent that is a multiple of 8;
// the value is the sum of limb[i] * 10^(exponent - 8i).
#include <cstdint>

#include "engine/Number.h"

namespace numora::limbs {

constexpr int kLimbs = 16;
constexpr int kLimbDigits = 8;
constexpr std::uint32_t kBase = 100'000'000;
using LimbArray = boost::multiprecision::backends::detail::static_array<std::uint32_t, kLimbs>;

// Of a finite non-zero x.
const LimbArray& LimbsOf(const Number& x);
std::int32_t ExponentOf(const Number& x);

// The limbs of x, least significant first, without the zero limbs at the low end; `shift`
// receives how many were left out. Returns the count written.
int LowLimbsOf(const Number& x, std::uint32_t* out, int& shift);

// The weight exponent of x's lowest non-zero limb, given LowLimbsOf's `shift`.
std::int64_t UnitOf(const Number& x, int shift);

// The Number of 16 limbs, most significant first (the first not zero), and that exponent.
Number MakeNumber(const std::uint32_t* limbs, std::int32_t exponent, bool negative);

}  // namespace numora::limbs
