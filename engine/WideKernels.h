#pragma once
// The elementary functions on wide decimal types, for engine/WideMath.cpp alone: every template
// here is instantiated in that one file, for two widths. Each kernel keeps its error to a few
// units of its type's last digit, far below the digits a Number shows: arguments are reduced
// with constants of the next wider type, and results that leave the exponent range of the
// types keep their power of ten apart (Scaled).
#include <boost/math/constants/constants.hpp>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/ConstantDigits.h"
#include "engine/DecFloatAccess.h"
#include "engine/Number.h"

namespace numora::wide {

namespace bmp = boost::multiprecision;
using Wide = bmp::number<bmp::cpp_dec_float<128>, bmp::et_off>;
using Wider = bmp::number<bmp::cpp_dec_float<256>, bmp::et_off>;
// Only for constants and for reducing arguments: 1200 digits of pi leave some 200 correct
// digits after reducing an angle below 1e1000.
using Huge = bmp::number<bmp::cpp_dec_float<1200>, bmp::et_off>;

// The type whose constants reduce the arguments of W.
template <class W>
struct Next {
    using type = Huge;
};
template <>
struct Next<Wide> {
    using type = Wider;
};

// value * 10^scale.
template <class W>
struct Scaled {
    W value;
    std::int64_t scale = 0;
};

template <class W>
constexpr int kDigits = std::numeric_limits<W>::digits10;

template <class W>
const auto& LimbsOf(const W& x) {
    return decfloat::Limbs(x.backend());
}
template <class W>
std::int64_t ExponentOf(const W& x) {
    return decfloat::Exponent(x.backend());
}
// Moves x's decimal exponent (a multiple of 8) into `scale`, leaving x between 1 and 10^8.
template <class W>
void Normalize(Scaled<W>& s) {
    if (!bmp::isfinite(s.value) || s.value.is_zero()) return;
    s.scale += decfloat::Exponent(s.value.backend());
    decfloat::Exponent(s.value.backend()) = 0;
}

// x = mantissa * 10^exponent with mantissa in [1, 10), to double precision; x finite, not zero.
template <class W>
double Approximate(const W& x, std::int64_t& exponent) {
    const auto& l = LimbsOf(x);
    int lead = 0;
    double unit = 1;
    for (std::uint32_t v = l[0]; v >= 10; v /= 10) {
        ++lead;
        unit *= 10;
    }
    exponent = ExponentOf(x) + lead;
    const double m = (l[0] + l[1] * 1e-8 + l[2] * 1e-16) / unit;
    return x < 0 ? -m : m;
}

// x as a double (0 or an infinity outside the double range).
template <class W>
double ToDouble(const W& x) {
    if (x.is_zero()) return 0;
    std::int64_t e = 0;
    const double m = Approximate(x, e);
    if (e > 300) return m * std::numeric_limits<double>::infinity();
    if (e < -300) return m * 0.0;
    return m * std::pow(10.0, static_cast<double>(e));
}

// A decimal of 17 digits within a unit of d's last digit, exactly representable in W.
template <class W>
W DecimalNear(double d) {
    if (d == 0) return W(0);
    const int e = static_cast<int>(std::floor(std::log10(std::fabs(d))));
    const long long m = std::llround(d * std::pow(10.0, 16 - e));
    return scalbn(W(m), e - 16);
}

// True when `term` no longer changes `sum` at W's precision.
template <class W>
bool Negligible(const W& term, const W& sum) {
    if (term.is_zero()) return true;
    if (sum.is_zero()) return false;
    return ExponentOf(term) + 8 < ExponentOf(sum) - (kDigits<W> + 12);
}

// --- constants ---------------------------------------------------------------------------------

// Read from their digits: summed at run time, the widest type's would cost a process a tenth
// of a second on its first hard-case value.
template <class W>
const W& Ln2() {
    static const W value(kLn2Digits);
    return value;
}

template <class W>
const W& Ln10() {
    static const W value(kLn10Digits);
    return value;
}

template <class W>
const W& Pi() {
    static const W value(kPiDigits);
    return value;
}

template <class W>
const W& HalfPi() {
    static const W value = Pi<W>() / 2;
    return value;
}

// The angle units, as factors: a product by them cannot overflow where its result does not.
template <class W>
const W& DegreesPerRadian() {
    static const W value = 180 / Pi<W>();
    return value;
}

template <class W>
const W& RadiansPerDegree() {
    static const W value = Pi<W>() / 180;
    return value;
}

// --- exponential and logarithm -----------------------------------------------------------------

// e^s - 1 for |s| up to 2.5: the argument is halved until tiny, the series summed, and the
// halvings undone through e^2a - 1 = m (m + 2), which keeps the relative error of small results.
template <class W>
W Expm1Small(const W& s) {
    if (s.is_zero()) return s;
    double size = std::fabs(ToDouble(s));
    unsigned halvings = 0;
    while (size > 1e-6 && halvings < 30) {
        size /= 2;
        ++halvings;
    }
    const W y = halvings > 0 ? W(s / (1u << halvings)) : s;
    W sum = y;
    W term = y;
    for (unsigned j = 2; j < 1000; ++j) {
        term *= y;
        term /= j;
        sum += term;
        if (Negligible(term, sum)) break;
    }
    for (unsigned i = 0; i < halvings; ++i) sum *= sum + 2;
    return sum;
}

// e^x, with x reduced by a multiple n of ln 10 taken from the next wider type so that even
// |x| near 1.5e8 leaves every digit of the remainder right; 10^n is kept apart.
template <class W>
Scaled<W> Exp(const W& x) {
    if (x.is_zero()) return {W(1), 0};
    const double xd = ToDouble(x);
    if (std::fabs(xd) <= 2.4) return {W(1 + Expm1Small(x)), 0};
    if (xd > 1.6e8) return {std::numeric_limits<W>::infinity(), 0};
    if (xd < -1.6e8) return {W(0), 0};
    using R = typename Next<W>::type;
    const long long n = std::llround(xd / 2.302585092994046);
    const W r(R(x) - Ln10<R>() * n);
    return {W(1 + Expm1Small(r)), n};
}

// log(1 + z) for tiny z, by its series.
template <class W>
W Log1pSeries(const W& z) {
    W sum = z;
    W power = z;
    for (unsigned j = 2; j < 1000; ++j) {
        power *= z;
        const W term = power / j;
        if (j % 2 == 0) {
            sum -= term;
        } else {
            sum += term;
        }
        if (Negligible(term, sum)) break;
    }
    return sum;
}

template <class W>
W Log(const W& x);

// log(1 + u) for u > -1, with the relative precision of u kept for small u: y close to the
// result (from double arithmetic) is corrected by log(1 + z), z = (u - (e^y - 1)) / e^y.
template <class W>
W Log1p(const W& u) {
    if (u.is_zero()) return u;
    const double ud = ToDouble(u);
    if (std::fabs(ud) < 1e-8) return Log1pSeries(u);
    if (ud > 9 || ud < -0.9) return Log(W(1 + u));
    const W y = DecimalNear<W>(std::log1p(ud));
    const W m = Expm1Small(y);
    return y + Log1pSeries(W((u - m) / (1 + m)));
}

// log x for finite x > 0: near 1 through log1p, elsewhere y close to log x corrected by
// log(x e^-y).
template <class W>
W Log(const W& x) {
    std::int64_t e10 = 0;
    const double mantissa = Approximate(x, e10);
    if ((e10 == 0 && mantissa <= 2) || (e10 == -1 && mantissa >= 5)) return Log1p(W(x - 1));
    const double y0 = std::log(mantissa) + static_cast<double>(e10) * 2.302585092994046;
    const W y = DecimalNear<W>(y0);
    const Scaled<W> e = Exp(W(-y));
    W t = scalbn(x, e.scale);
    t *= e.value;
    return y + Log1pSeries(W(t - 1));
}

// --- circular functions ------------------------------------------------------------------------

template <class W>
struct SinCos {
    W sin;
    W cos;
};

// sin r and cos r for |r| up to about pi/4: the argument is halved, the series of sin and of
// 1 - cos summed together, and the halvings undone through sin 2a = 2 sin a (1 - v),
// v(2a) = 2 sin^2 a, where v = 1 - cos.
template <class W>
SinCos<W> SinCosSmall(const W& r) {
    if (r.is_zero()) return {W(0), W(1)};
    double size = std::fabs(ToDouble(r));
    unsigned halvings = 0;
    while (size > 4e-3 && halvings < 30) {
        size /= 2;
        ++halvings;
    }
    const W y = halvings > 0 ? W(r / (1u << halvings)) : r;
    W s = y;
    W v = 0;
    W term = y;
    for (unsigned j = 2; j < 1000; ++j) {
        term *= y;
        term /= j;
        switch (j % 4) {
            case 0:
                v -= term;
                break;
            case 1:
                s += term;
                break;
            case 2:
                v += term;
                break;
            default:
                s -= term;
                break;
        }
        if (j % 2 == 0 && Negligible(term, v)) break;
    }
    for (unsigned i = 0; i < halvings; ++i) {
        const W square = s * s;
        s *= 1 - v;
        s *= 2;
        v = 2 * square;
    }
    return {s, W(1 - v)};
}

// The integer k (as a wide integer) modulo 4.
template <class W>
int QuadrantOf(const W& k) {
    if (k.is_zero()) return 0;
    const auto& l = LimbsOf(k);
    const std::int64_t units = ExponentOf(k) / 8;
    const int count = decfloat::kLimbCount<typename W::backend_type>;
    const int m = units < count ? static_cast<int>(l[static_cast<std::size_t>(units)] % 4) : 0;
    return k < 0 ? (4 - m) % 4 : m;
}

// x minus the nearest multiple k of pi/2, and k modulo 4. False beyond 1e1000, where no digit
// of the reduced angle is known.
template <class W>
bool ReduceAngle(const Number& x, W& reduced, int& quadrant) {
    using R = typename Next<W>::type;
    const W wide(x);
    const double xd = ToDouble(wide);
    if (std::fabs(xd) <= 0.785) {
        reduced = wide;
        quadrant = 0;
        return true;
    }
    if (std::fabs(xd) < 1e15) {
        const long long k = std::llround(xd / 1.5707963267948966);
        reduced = W(R(x) - HalfPi<R>() * k);
        quadrant = static_cast<int>(((k % 4) + 4) % 4);
        return true;
    }
    static const Number kLimit("1e1000");
    if (abs(x) >= kLimit) return false;
    const Huge h(x);
    const Huge k = round(h / HalfPi<Huge>());
    reduced = W(Huge(h - k * HalfPi<Huge>()));
    quadrant = QuadrantOf(k);
    return true;
}

template <class W>
bool SinCosOf(const Number& x, SinCos<W>& result) {
    W r;
    int quadrant = 0;
    if (!ReduceAngle(x, r, quadrant)) return false;
    const SinCos<W> small = SinCosSmall(r);
    switch (quadrant) {
        case 0:
            result = small;
            break;
        case 1:
            result = {small.cos, -small.sin};
            break;
        case 2:
            result = {-small.sin, -small.cos};
            break;
        default:
            result = {-small.cos, small.sin};
            break;
    }
    return true;
}

// --- inverse circular functions ----------------------------------------------------------------

template <class W>
W AtanSeries(const W& z) {
    W sum = z;
    W power = z;
    const W square = z * z;
    for (unsigned j = 3; j < 2000; j += 2) {
        power *= square;
        const W term = power / j;
        if ((j / 2) % 2 != 0) {
            sum -= term;
        } else {
            sum += term;
        }
        if (Negligible(term, sum)) break;
    }
    return sum;
}

// atan a for 0 < a <= 1: y close to the result corrected by atan(tan(atan a - y)).
template <class W>
W AtanUnit(const W& a) {
    const double ad = ToDouble(a);
    if (ad < 1e-8) return AtanSeries(a);
    const W y = DecimalNear<W>(std::atan(ad));
    const SinCos<W> sc = SinCosSmall(y);
    return y + AtanSeries(W((a * sc.cos - sc.sin) / (sc.cos + a * sc.sin)));
}

template <class W>
W Atan(const W& x) {
    if (x.is_zero()) return x;
    const W a = abs(x);
    const W result = a > 1 ? W(HalfPi<W>() - AtanUnit(W(1 / a))) : AtanUnit(a);
    return x < 0 ? W(-result) : result;
}

// atan2(y, x) for finite y and x, not both zero.
template <class W>
W Atan2(const W& y, const W& x) {
    if (x.is_zero()) return y < 0 ? W(-HalfPi<W>()) : HalfPi<W>();
    if (y.is_zero()) return x < 0 ? Pi<W>() : W(0);
    if (abs(y) <= abs(x)) {
        const W angle = Atan(W(y / x));
        if (x > 0) return angle;
        return y < 0 ? W(angle - Pi<W>()) : W(angle + Pi<W>());
    }
    // atan2(y, x) = -atan2(-y, x).
    const W angle = HalfPi<W>() - Atan(W(x / abs(y)));
    return y < 0 ? W(-angle) : angle;
}

// asin of |a| <= 1/2.
template <class W>
W AsinHalf(const W& a) {
    if (a.is_zero()) return a;
    return Atan(W(a / sqrt(W(1 - a * a))));
}

// Near 1 through asin x = pi/2 - 2 asin sqrt((1 - x) / 2), where 1 - x is exact.
template <class W>
W Asin(const W& x) {
    const W a = abs(x);
    if (a <= 0.5) return AsinHalf(x);
    const W result = HalfPi<W>() - 2 * AsinHalf(W(sqrt(W((1 - a) / 2))));
    return x < 0 ? W(-result) : result;
}

template <class W>
W Acos(const W& x) {
    if (abs(x) <= 0.5) return HalfPi<W>() - AsinHalf(x);
    const W angle = 2 * AsinHalf(W(sqrt(W((1 - abs(x)) / 2))));
    return x > 0 ? angle : W(Pi<W>() - angle);
}

// --- hyperbolic functions ----------------------------------------------------------------------

// Beyond this power of ten e^-|x| no longer reaches W's digits beside e^|x|.
template <class W>
constexpr std::int64_t kNegligibleScale = kDigits<W> / 2 + 10;

// sinh x, or cosh x when `cosh`.
template <class W>
Scaled<W> SinhCosh(const W& x, bool cosh) {
    const W a = abs(x);
    if (ToDouble(a) < 1) {
        const W m = Expm1Small(a);
        // e^a - e^-a = m + m / (1 + m); e^a + e^-a = 2 + m^2 / (1 + m).
        const W value = cosh ? W(1 + m * m / (2 * (1 + m))) : W((m + m / (1 + m)) / 2);
        return {x < 0 && !cosh ? W(-value) : value, 0};
    }
    Scaled<W> e = Exp(a);
    if (e.scale > kNegligibleScale<W>) {
        e.value /= 2;
    } else {
        const W big = scalbn(e.value, e.scale);
        e = {W((cosh ? big + 1 / big : big - 1 / big) / 2), 0};
    }
    if (x < 0 && !cosh) e.value = -e.value;
    return e;
}

template <class W>
W Tanh(const W& x) {
    const W a = abs(x);
    const double ad = ToDouble(a);
    W value;
    if (ad > 200) {
        value = 1;
    } else if (ad < 1) {
        const W m = Expm1Small(W(2 * a));
        value = m / (m + 2);
    } else {
        const Scaled<W> e = Exp(W(2 * a));
        value = 1 - 2 / (scalbn(e.value, e.scale) + 1);
    }
    return x < 0 ? W(-value) : value;
}

template <class W>
W Asinh(const W& x) {
    const W a = abs(x);
    const double ad = ToDouble(a);
    W value;
    if (ad < 0.5) {
        value = Log1p(W(a + a * a / (1 + sqrt(W(1 + a * a)))));
    } else if (ad < 1e60) {
        value = Log(W(a + sqrt(W(a * a + 1))));
    } else {
        value = Log(a) + Ln2<W>();
        if (ad < 1e100) value += 1 / (4 * a * a);
    }
    return x < 0 ? W(-value) : value;
}

// x >= 1.
template <class W>
W Acosh(const W& x) {
    const W u = x - 1;
    const double ud = ToDouble(u);
    if (ud < 1) return Log1p(W(u + sqrt(W(u * (2 + u)))));
    if (ud < 1e60) return Log(W(x + sqrt(W(x * x - 1))));
    W value = Log(x) + Ln2<W>();
    if (ud < 1e100) value -= 1 / (4 * x * x);
    return value;
}

// |x| < 1; odd, so that 1 - |x| is exact and log1p never cancels.
template <class W>
W Atanh(const W& x) {
    const W a = abs(x);
    const W value = Log1p(W(2 * a / (1 - a))) / 2;
    return x < 0 ? W(-value) : value;
}

// --- roots and powers --------------------------------------------------------------------------

// The cube root of x > 0: x = m 10^(24q) with m below 10^24, three Halley steps from a double.
template <class W>
Scaled<W> Cbrt(const Number& x) {
    W m(x);
    auto& exponent = decfloat::Exponent(m.backend());
    const std::int64_t e = exponent;
    const std::int64_t q = (e >= 0 ? e : e - 23) / 24;
    exponent = static_cast<std::int32_t>(e - 24 * q);
    W y = DecimalNear<W>(std::cbrt(ToDouble(m)));
    for (int i = 0; i < 3; ++i) {
        const W cube = y * y * y;
        y = y * (cube + 2 * m) / (2 * cube + m);
    }
    return {y, 8 * q};
}

// a^n for finite non-zero a and n >= 1 by squaring, the powers of ten kept apart so that no
// intermediate power leaves the exponent range.
template <class W>
Scaled<W> IntegerPower(const Number& a, std::uint64_t n) {
    Scaled<W> base{W(a), 0};
    Normalize(base);
    Scaled<W> result{W(1), 0};
    for (;;) {
        if (n & 1) {
            result.value *= base.value;
            result.scale += base.scale;
            Normalize(result);
        }
        n >>= 1;
        if (n == 0) break;
        // Far outside the range already, and every further factor pushes the same way.
        constexpr std::int64_t kFar = 1'000'000'000'000'000;
        if (base.scale > kFar || base.scale < -kFar) {
            result = {base.scale > 0 ? std::numeric_limits<W>::infinity() : W(0), 0};
            break;
        }
        base.value *= base.value;
        base.scale *= 2;
        Normalize(base);
    }
    return result;
}

}  // namespace numora::wide
