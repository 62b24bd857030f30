#pragma once
// The digits of a Number, for the exact arithmetic: 16 limbs of 8 decimal digits each (most
// significant first, the first limb not zero) and a decimal exponent that is a multiple of 8;
// the value is the sum of limb[i] * 10^(exponent - 8i).
//
// Every result that is not exact is rounded once, here: to the nearest value of 16 limbs (a tie
// to the even last digit), and then, when that last digit is 0 or 5, one unit towards the exact
// value. A rounded value then never looks like a tie or a shorter number to a later rounding to
// fewer digits, so printing it with up to 120 digits gives the correctly rounded digits of the
// exact result. Beyond the largest finite Number (1e67108864) a result is infinite, below the
// smallest (1e-67108864) zero, whichever operation made it.
#include <cstdint>

#include "engine/Number.h"

namespace numora::limbs {

constexpr int kLimbs = 16;
constexpr int kLimbDigits = 8;
constexpr std::uint32_t kBase = 100'000'000;
using LimbArray = boost::multiprecision::backends::detail::static_array<std::uint32_t, kLimbs>;
using Backend = boost::multiprecision::cpp_dec_float<100>;
constexpr std::int32_t kMaxExp = Backend::cpp_dec_float_max_exp10;
constexpr std::int32_t kMinExp = Backend::cpp_dec_float_min_exp10;

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

// What lies below the 16 limbs kept, in units of the last limb kept.
enum class Rest : std::uint8_t { Zero, BelowHalf, Half, AboveHalf };

// The value of `count` limbs (most significant first, leading zero limbs allowed), limbs[0]
// weighing 10^exponent (any exponent, not only multiples of 8), rounded once to a Number as
// described above. `sticky` says that non-zero digits lie below the last limb given; give it
// only with at least 17 limbs after the leading zero limbs. `inexact` (optional) receives
// whether rounding changed the value. With `nudge` false the result is only rounded to nearest
// (for candidates of exact results).
Number RoundLimbs(const std::uint32_t* limbs, int count, std::int64_t exponent, bool sticky,
                  bool negative, bool* inexact = nullptr, bool nudge = true);

// 16 limbs, the first not zero, rounded as described according to `rest`.
Number FinishRounding(const std::uint32_t* limbs, std::int64_t exponent, Rest rest, bool negative,
                      bool nudge = true);

}  // namespace numora::limbs

namespace numora {

// x itself when its magnitude lies within the range of Number, else the infinity or zero that
// the range rule gives.
Number WithinRange(const Number& x);

// x * 10^n, rounded once.
Number ScaleByPowerOfTen(const Number& x, std::int64_t n);

}  // namespace numora
