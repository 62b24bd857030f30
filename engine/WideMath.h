#pragma once
// Elementary functions whose shown digits are all right: each is computed in a decimal type
// with some 45 guard digits and rounded once to a Number (see NumberLimbs.h). When that value
// lies too close to a rounding boundary of the 100 digits shown to tell the side, the function
// is computed again with 270 digits. Exact results (roots and logarithms of exact powers,
// Pythagorean sums) are exact.
//
// The callers pass finite arguments inside the function's domain; they handle NaN, infinities,
// zeros at poles and arguments outside the domain themselves.
#include <cstdint>

#include "engine/Number.h"

namespace numora::wide {

enum class Function : std::uint8_t {
    Exp,
    Ln,
    Log2,
    Log10,
    Sqrt,
    Cbrt,  // of x > 0
    Sin,   // NaN from 1e1000 on, where no digit of the reduced angle is known
    Cos,
    Tan,
    Asin,  // |x| <= 1
    Acos,  // |x| <= 1
    Atan,
    Sinh,
    Cosh,
    Tanh,
    Asinh,
    Acosh,  // x >= 1
    Atanh,  // |x| < 1
    Degrees,
    HalfPi,  // pi/2, whatever x
};

Number Evaluate(Function f, const Number& x);

// atan2(y, x), not both zero.
Number Atan2(const Number& y, const Number& x);

// sqrt(a^2 + b^2).
Number Hypot(const Number& a, const Number& b);

// (degrees + minutes / 60 + seconds / 3600) * pi / 180.
Number Radians(const Number& degrees, const Number& minutes, const Number& seconds);

// a^b for a > 0.
Number Power(const Number& a, const Number& b);

// a^n for a not zero and any n: rounded once, exact when the power fits.
Number IntegerPower(const Number& a, std::int64_t n);

// x * 2^n.
Number TimesPowerOfTwo(const Number& x, std::int64_t n);

}  // namespace numora::wide
