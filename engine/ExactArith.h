#pragma once
// Arithmetic that gives the exact answer wherever the exact answer is a Number, rounds once
// otherwise, and gives NaN whenever an operand is NaN. The library truncates sums and products,
// divides through an approximate reciprocal (6/3 came out just below 2) and lets an infinity
// absorb a NaN in sums; these replace those operations.
#include <cstdint>

#include "engine/Number.h"

namespace numora {

// a + b, a - b and a * b rounded once to the nearest Number (see NumberLimbs.h), so a result
// that fits is exact; a NaN operand gives NaN, also beside an infinity. `inexact` (optional)
// receives whether the result was rounded.
Number Add(const Number& a, const Number& b, bool* inexact = nullptr);
Number Subtract(const Number& a, const Number& b, bool* inexact = nullptr);
Number Multiply(const Number& a, const Number& b, bool* inexact = nullptr);

inline Number& AddTo(Number& a, const Number& b) { return a = Add(a, b); }
inline Number& SubtractFrom(Number& a, const Number& b) { return a = Subtract(a, b); }
inline Number& MultiplyBy(Number& a, const Number& b) { return a = Multiply(a, b); }

// a / b rounded once like the above, so an exact quotient is exact. Zeros, infinities and NaN
// behave as the library's division.
Number Divide(const Number& a, const Number& b);

// a - trunc(a / b) * b computed exactly (it always fits), with the sign of a; NaN when an
// operand is NaN or infinite or b is zero.
Number Remainder(const Number& a, const Number& b);

// a to the power b, rounded once: a NaN operand gives NaN; a negative base with an integral
// exponent keeps the sign of the exponent's parity at any size; exact roots of exact powers are
// exact.
Number Power(const Number& a, const Number& b);

// True when x is an integer that is odd (false for NaN and infinities).
bool IsOddInteger(const Number& x);

// True when x is a finite integer.
bool IsInteger(const Number& x);

// x rounded to `digits` significant decimal digits (a half away from zero).
Number RoundSignificant(const Number& x, int digits);

// x rounded to a whole multiple of 10^-places (a half away from zero).
Number RoundDecimals(const Number& x, int places);

// True when x equals a * b exactly (the product taken without any rounding).
bool IsExactProduct(const Number& x, const Number& a, const Number& b);

// True when r * r equals a * a + b * b exactly.
bool IsExactSumOfSquares(const Number& r, const Number& a, const Number& b);

// The exponent n when x is exactly 10^n.
bool PowerOfTen(const Number& x, std::int32_t& n);

// True when x is exactly base^n (n >= 0).
bool IsExactPower(const Number& x, const Number& base, std::int64_t n);

// A quick test: false when x > 0 certainly is no q-th power (q from 2 to 10) of a Number.
bool MayBeExactPower(const Number& x, int q);

// When x > 0 is exactly root^k for an integer k >= 2: the largest such k and its root.
bool PerfectPower(const Number& x, Number& root, std::int64_t& k);

// When x > 0 is exactly the q-th power (q from 2 to 10) of a Number, that root: `approximation`
// is a root good to nearly full precision, which is rounded and checked by exact powering.
bool ExactRoot(const Number& x, int q, const Number& approximation, Number& root);

}  // namespace numora
