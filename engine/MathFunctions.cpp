// The elementary mathematical built-ins: thin wrappers over Boost.Multiprecision and Boost.Math.
// Outside a function's domain the result is NaN, at a pole an infinity; nothing ever throws
// out of these functions.
#include <algorithm>
#include <boost/math/constants/constants.hpp>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/acosh.hpp>
#include <boost/math/special_functions/asinh.hpp>
#include <boost/math/special_functions/atanh.hpp>
#include <boost/math/special_functions/cbrt.hpp>
#include <limits>

#include "engine/BuiltinImpls.h"
#include "engine/ExactArith.h"
#include "engine/IntConvert.h"
#include "engine/MathAngle.h"

namespace numora {

namespace {

namespace bmp = boost::multiprecision;
namespace policies = boost::math::policies;

// Errors set errno and return NaN (domain) or an infinity (pole, overflow); nothing throws.
using ErrnoPolicy =
    policies::policy<policies::domain_error<policies::errno_on_error>,
                     policies::pole_error<policies::errno_on_error>,
                     policies::overflow_error<policies::errno_on_error>,
                     policies::underflow_error<policies::ignore_error>,
                     policies::denorm_error<policies::ignore_error>,
                     policies::evaluation_error<policies::errno_on_error>,
                     policies::rounding_error<policies::errno_on_error>,
                     policies::indeterminate_result_error<policies::errno_on_error>>;

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

const Number& Degree() {
    static const Number value = boost::math::constants::degree<Number>();
    return value;
}

const Number& Radian() {
    static const Number value = boost::math::constants::radian<Number>();
    return value;
}

const Number& LnTwo() {
    static const Number value = boost::math::constants::ln_two<Number>();
    return value;
}

const Number& LnTen() {
    static const Number value = boost::math::constants::ln_ten<Number>();
    return value;
}

bool IsFinite(const Number& x) { return bmp::isfinite(x); }
bool IsNan(const Number& x) { return bmp::isnan(x); }

// The circular functions take huge arguments through an exact reduction of their own, since
// the library returns 0 or 1 there. Beyond what can be reduced the angle means nothing: NaN.
template <class Circular>
Number CircularOf(const Number& x, Circular circular) {
    if (!IsFinite(x)) return Nan();
    if (abs(x) < LargeAngleThreshold()) return circular(x);
    Number reduced;
    if (!ReduceLargeAngle(x, reduced)) return Nan();
    return circular(reduced);
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
    return Guarded([&] { return exp(a[0]); });
}

Number FnExp2(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        // An integral power of two is exact; exponents past the 32-bit range saturate and
        // overflow to infinity or underflow to 0 as they should.
        if (IsFinite(x) && trunc(x) == x) return ldexp(Number(1), ToInt32(x));
        if (IsNan(x)) return Nan();
        if (!IsFinite(x)) return x > 0 ? Infinity() : Number(0);
        return pow(Number(2), x);
    });
}

// Logarithms are rounded to 120 decimals, well below the library's own accuracy, so that a
// multiple of one is exact; the logarithm of an exact power r^k is then k log(r), and logarithms
// of powers of a common root divide to the exact ratio of the exponents (log(16) / log(2) is 4).
Number OnGrid(const Number& logarithm) {
    static const Number kSmall("1e-8"), kLarge("1e8");
    const Number size = abs(logarithm);
    if (size < kSmall || !(size < kLarge)) return logarithm;
    return RoundDecimals(logarithm, 120);
}

template <class Log>
Number LogOfPower(const Number& x, Log log) {
    Number root;
    int k = 0;
    if (PerfectPower(x, root, k)) return OnGrid(log(root)) * k;
    return OnGrid(log(x));
}

Number FnLn(const ArgList& a) {
    return Guarded([&] { return LogOfPower(a[0], [](const Number& x) { return log(x); }); });
}

Number FnLog2(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        const Number result =
            LogOfPower(x, [](const Number& y) { return Divide(log(y), LnTwo()); });
        // An exact power of two gets its exponent exactly, not a value just below it.
        if (IsFinite(result) && abs(result) < 500) {
            const Number n = round(result);
            static const Number kTwo(2), kHalf("0.5");
            if (n >= 0 ? IsExactPower(x, kTwo, n.convert_to<std::int64_t>())
                       : IsExactPower(x, kHalf, -n.convert_to<std::int64_t>())) {
                return n;
            }
        }
        return result;
    });
}

Number FnLog10(const ArgList& a) {
    return Guarded([&] {
        std::int32_t n = 0;
        if (PowerOfTen(a[0], n)) return Number(n);
        return LogOfPower(a[0], [](const Number& y) { return Divide(log(y), LnTen()); });
    });
}

// The root of an exact power is that exact value (cbrt(8) came out just below 2).
Number FnSqrt(const ArgList& a) {
    return Guarded([&] {
        const Number root = sqrt(a[0]);
        Number exact;
        return ExactRoot(a[0], 2, root, exact) ? exact : root;
    });
}

Number FnCbrt(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (!IsFinite(x)) return Nan();
        const Number root = boost::math::cbrt(x, ErrnoPolicy());
        Number exact;
        if (!ExactRoot(abs(x), 3, abs(root), exact)) return root;
        return x < 0 ? -exact : exact;
    });
}

// Circular functions and their inverses.

Number FnSin(const ArgList& a) {
    return Guarded([&] { return CircularOf(a[0], [](const Number& x) { return sin(x); }); });
}

Number FnCos(const ArgList& a) {
    return Guarded([&] { return CircularOf(a[0], [](const Number& x) { return cos(x); }); });
}

Number FnTan(const ArgList& a) {
    return Guarded([&] { return CircularOf(a[0], [](const Number& x) { return tan(x); }); });
}

Number FnAsin(const ArgList& a) {
    return Guarded([&] {
        if (!(abs(a[0]) <= 1)) return Nan();
        return asin(a[0]);
    });
}

Number FnAcos(const ArgList& a) {
    return Guarded([&] {
        if (!(abs(a[0]) <= 1)) return Nan();
        return acos(a[0]);
    });
}

Number FnAtan(const ArgList& a) {
    return Guarded([&] { return atan(a[0]); });
}

Number FnAtan2(const ArgList& a) {
    return Guarded([&] {
        if (IsNan(a[0]) || IsNan(a[1])) return Nan();
        return atan2(a[0], a[1]);
    });
}

Number FnHypot(const ArgList& a) {
    return Guarded([&] {
        // The library scales, so huge arguments do not overflow; only the rounding of an exact
        // result (hypot(8; 15) just below 17) needs correcting.
        const Number h = hypot(a[0], a[1]);
        const Number candidate = RoundSignificant(h, 64);
        return IsExactSumOfSquares(candidate, a[0], a[1]) ? candidate : h;
    });
}

// Hyperbolic functions and their inverses.

Number FnSinh(const ArgList& a) {
    return Guarded([&] { return sinh(a[0]); });
}

Number FnCosh(const ArgList& a) {
    return Guarded([&] { return cosh(a[0]); });
}

Number FnTanh(const ArgList& a) {
    return Guarded([&] { return tanh(a[0]); });
}

Number FnAsinh(const ArgList& a) {
    return Guarded([&] {
        if (!IsFinite(a[0])) return a[0];
        return boost::math::asinh(a[0], ErrnoPolicy());
    });
}

Number FnAcosh(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (IsNan(x) || x < 1) return Nan();
        if (!IsFinite(x)) return x;
        return boost::math::acosh(x, ErrnoPolicy());
    });
}

Number FnAtanh(const ArgList& a) {
    return Guarded([&] {
        const Number& x = a[0];
        if (IsNan(x) || abs(x) > 1) return Nan();
        if (x == 1) return Infinity();
        if (x == -1) return -Infinity();
        return boost::math::atanh(x, ErrnoPolicy());
    });
}

// Angle conversion.

Number FnDeg(const ArgList& a) {
    return Guarded([&] { return a[0] * Radian(); });
}

Number FnRad(const ArgList& a) {
    return Guarded([&] {
        // Minutes and seconds are added whatever the sign of the degrees.
        Number degrees = a[0];
        if (a.size() > 1) AddTo(degrees, Divide(a[1], Number(60)));
        if (a.size() > 2) AddTo(degrees, Divide(a[2], Number(3600)));
        return degrees * Degree();
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

// Counts far beyond the exponent range of Number overflow Boost's own exponent arithmetic
// (12 * 10^2147483647 came out as 1.2e-2147483648). Every count past these bounds already
// gives infinity or 0, so clamping changes no other result.
constexpr std::int32_t kMaxScaleCount10 = 200'000'000;
constexpr std::int32_t kMaxScaleCount2 = 1'000'000'000;

Number FnScalbn(const ArgList& a) {
    const std::int32_t n = std::clamp(ToInt32(a[1]), -kMaxScaleCount10, kMaxScaleCount10);
    return Guarded([&] { return scalbn(a[0], n); });
}

Number FnLdexp(const ArgList& a) {
    const std::int32_t n = std::clamp(ToInt32(a[1]), -kMaxScaleCount2, kMaxScaleCount2);
    return Guarded([&] { return ldexp(a[0], n); });
}

}  // namespace numora
