// The elementary mathematical built-ins: the special values (NaN, infinities, poles, arguments
// outside a function's domain) are settled here; every other argument goes to the correctly
// rounded computations of WideMath. Nothing ever throws out of these functions.
#include <algorithm>
#include <limits>

#include "engine/BuiltinImpls.h"
#include "engine/ExactArith.h"
#include "engine/IntConvert.h"
#include "engine/NumberLimbs.h"
#include "engine/WideMath.h"

namespace numora {

namespace {

namespace bmp = boost::multiprecision;
using wide::Function;

Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }
Number Infinity() { return std::numeric_limits<Number>::infinity(); }

// The last line of defence: any exception from the libraries becomes NaN.
template <class Compute>
Number Guarded(Compute compute) noexcept {
    try {
        return compute();
    } catch (...) {
        return Nan();
    }
}

bool IsFinite(const Number& x) { return bmp::isfinite(x); }
bool IsNan(const Number& x) { return bmp::isnan(x); }

// f(x) for finite x; NaN stays NaN and an infinity gives `atInfinity` with x's sign applied
// when `odd`.
Number Elementary(Function f, const Number& x, const Number& atInfinity, bool odd) {
    return Guarded([&] {
        if (IsNan(x)) return Nan();
        if (!IsFinite(x)) return odd && x < 0 ? Number(-atInfinity) : atInfinity;
        return wide::Evaluate(f, x);
    });
}

}  // namespace

// Rounding and parts.

Number FnAbs(const ArgList& a) {
    return Guarded([&] { return abs(a[0]); });
}

Number FnInt(const ArgList& a) {
    return Guarded([&] {
        Number whole;
        modf(a[0], &whole);
        return whole;
    });
}

Number FnFrac(const ArgList& a) {
    return Guarded([&] {
        // The fractional part of an infinity is 0, as modf gives it.
        Number whole;
        return modf(a[0], &whole);
    });
}

Number FnCeil(const ArgList& a) {
    return Guarded([&] { return ceil(a[0]); });
}

Number FnFloor(const ArgList& a) {
    return Guarded([&] { return floor(a[0]); });
}

Number FnRound(const ArgList& a) {
    return Guarded([&] { return round(a[0]); });
}

Number FnTrunc(const ArgList& a) {
    return Guarded([&] { return trunc(a[0]); });
}

// Powers and logarithms.

Number FnExp(const ArgList& a) {
    if (IsFinite(a[0]) || IsNan(a[0])) return Elementary(Function::Exp, a[0], Nan(), false);
    return a[0] > 0 ? Infinity() : Number(0);
}

Number FnExp2(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (IsNan(x)) return Nan();
        if (!IsFinite(x)) return x > 0 ? Infinity() : Number(0);
        // An integral power of two is exact wherever it fits; exponents past the 32-bit range
        // saturate and overflow to infinity or underflow to 0 as they should.
        if (IsInteger(x)) return wide::TimesPowerOfTwo(Number(1), ToInt32(x));
        return wide::Power(Number(2), x);
    });
}

// Logarithms of exact powers are exact multiples of the root's logarithm (see WideMath).
Number Logarithm(Function f, const Number& x) {
    return Guarded([&] {
        if (IsNan(x) || x < 0) return Nan();
        if (x.is_zero()) return Number(-Infinity());
        if (!IsFinite(x)) return x;
        return wide::Evaluate(f, x);
    });
}

Number FnLn(const ArgList& a) { return Logarithm(Function::Ln, a[0]); }
Number FnLog2(const ArgList& a) { return Logarithm(Function::Log2, a[0]); }
Number FnLog10(const ArgList& a) { return Logarithm(Function::Log10, a[0]); }

// The root of an exact power is that exact value (cbrt(8) came out just below 2).
Number FnSqrt(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (IsNan(x) || x < 0) return Nan();
        if (x.is_zero() || !IsFinite(x)) return x;
        return wide::Evaluate(Function::Sqrt, x);
    });
}

// An odd function: the cube root of an infinity is that infinity.
Number FnCbrt(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (IsNan(x) || x.is_zero() || !IsFinite(x)) return x;
        const Number root = wide::Evaluate(Function::Cbrt, abs(x));
        return x < 0 ? Number(-root) : root;
    });
}

// Circular functions and their inverses. An infinity has no angle.

Number FnSin(const ArgList& a) { return Elementary(Function::Sin, a[0], Nan(), false); }
Number FnCos(const ArgList& a) { return Elementary(Function::Cos, a[0], Nan(), false); }
Number FnTan(const ArgList& a) { return Elementary(Function::Tan, a[0], Nan(), false); }

Number FnAsin(const ArgList& a) {
    if (!(abs(a[0]) <= 1)) return Nan();
    return Elementary(Function::Asin, a[0], Nan(), false);
}

Number FnAcos(const ArgList& a) {
    if (!(abs(a[0]) <= 1)) return Nan();
    return Elementary(Function::Acos, a[0], Nan(), false);
}

Number FnAtan(const ArgList& a) {
    return Elementary(Function::Atan, a[0], wide::Evaluate(Function::HalfPi, Number(0)), true);
}

Number FnAtan2(const ArgList& a) {
    return Guarded([&] {
        const Number &y = a[0], &x = a[1];
        if (IsNan(y) || IsNan(x)) return Nan();
        if (y.is_zero() && x.is_zero()) return Number(0);
        if (IsFinite(y) && IsFinite(x)) return wide::Atan2(y, x);
        // An infinite coordinate counts as 1 against 0 for a finite one, and 1 against 1 for
        // another infinity: the angles are multiples of pi/4.
        auto unit = [](const Number& v, bool infinite) {
            if (infinite) return Number(v < 0 ? -1 : 1);
            return Number(0);
        };
        const bool yInfinite = !IsFinite(y), xInfinite = !IsFinite(x);
        const Number angle = wide::Atan2(Number(abs(unit(y, yInfinite))), unit(x, xInfinite));
        return y < 0 ? Number(-angle) : angle;
    });
}

Number FnHypot(const ArgList& a) {
    return Guarded([&] {
        if (!IsFinite(a[0]) && !IsNan(a[0])) return Infinity();
        if (!IsFinite(a[1]) && !IsNan(a[1])) return Infinity();
        if (IsNan(a[0]) || IsNan(a[1])) return Nan();
        return wide::Hypot(a[0], a[1]);
    });
}

// Hyperbolic functions and their inverses.

Number FnSinh(const ArgList& a) { return Elementary(Function::Sinh, a[0], Infinity(), true); }
Number FnCosh(const ArgList& a) { return Elementary(Function::Cosh, a[0], Infinity(), false); }
Number FnTanh(const ArgList& a) { return Elementary(Function::Tanh, a[0], Number(1), true); }
Number FnAsinh(const ArgList& a) { return Elementary(Function::Asinh, a[0], Infinity(), true); }

Number FnAcosh(const ArgList& a) {
    if (IsNan(a[0]) || a[0] < 1) return Nan();
    return Elementary(Function::Acosh, a[0], Infinity(), false);
}

Number FnAtanh(const ArgList& a) {
    const Number& x = a[0];
    if (IsNan(x) || abs(x) > 1) return Nan();
    if (x == 1) return Infinity();
    if (x == -1) return -Infinity();
    return Elementary(Function::Atanh, x, Nan(), false);
}

// Angle conversion.

Number FnDeg(const ArgList& a) { return Elementary(Function::Degrees, a[0], Infinity(), true); }

Number FnRad(const ArgList& a) {
    return Guarded([&] {
        // Minutes and seconds are added whatever the sign of the degrees.
        const Number zero(0);
        const Number& minutes = a.size() > 1 ? a[1] : zero;
        const Number& seconds = a.size() > 2 ? a[2] : zero;
        if (IsFinite(a[0]) && IsFinite(minutes) && IsFinite(seconds)) {
            return wide::Radians(a[0], minutes, seconds);
        }
        Number degrees = a[0];
        AddTo(degrees, minutes);
        AddTo(degrees, seconds);
        return degrees;  // NaN, or the infinity that the sum gives
    });
}

// Decimal and binary exponents.

Number FnLogb(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (IsNan(x)) return Nan();
        if (x == 0) return -Infinity();
        if (!IsFinite(x)) return Infinity();
        return logb(x);
    });
}

// Counts past this bound already give infinity or 0; clamping keeps the powers cheap.
constexpr std::int32_t kMaxScaleCount2 = 1'000'000'000;

Number FnScalbn(const ArgList& a) {
    return Guarded([&] { return ScaleByPowerOfTen(a[0], ToInt32(a[1])); });
}

Number FnLdexp(const ArgList& a) {
    const std::int32_t n = std::clamp(ToInt32(a[1]), -kMaxScaleCount2, kMaxScaleCount2);
    return Guarded([&] {
        const Number& x = a[0];
        if (!IsFinite(x) || x.is_zero()) return x;
        return wide::TimesPowerOfTwo(x, n);
    });
}

}  // namespace numora
