// The one translation unit that instantiates the wide kernels (engine/WideKernels.h).
#include "engine/WideMath.h"

#include <limits>

#include "engine/ExactArith.h"
#include "engine/NumberLimbs.h"
#include "engine/WideKernels.h"

NUMORA_GRANT_DEC_FLOAT_ACCESS(numora::wide::Wide::backend_type);
NUMORA_GRANT_DEC_FLOAT_ACCESS(numora::wide::Wider::backend_type);
NUMORA_GRANT_DEC_FLOAT_ACCESS(numora::wide::Huge::backend_type);

namespace numora::wide {

namespace {

constexpr int kShownDigits = 100;
constexpr std::uint64_t kPowersOfTen[] = {1,      10,      100,      1000,     10000,
                                          100000, 1000000, 10000000, 100000000};

template <class W>
struct Type {
    using type = W;
};

Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }

// True when the eight digits after the 100th significant digit leave the side of a rounding
// boundary open: a tie at 100 digits (…49999999 or …50000000), or a value of 100 digits or fewer
// (…00000000 or …99999999), which may be a tie at fewer digits.
template <class W>
bool NearBoundary(const W& x) {
    if (!bmp::isfinite(x) || x.is_zero()) return false;
    const auto& l = LimbsOf(x);
    int lead = 1;
    for (std::uint32_t v = l[0]; v >= 10; v /= 10) ++lead;
    const int after = kShownDigits - lead;
    const int j = 1 + after / 8;
    const int shown = after % 8;
    const std::uint64_t low = kPowersOfTen[8 - shown];
    const std::uint64_t tail = (l[j] % low) * kPowersOfTen[shown] + l[j + 1] / low;
    return tail == 0 || tail == 99'999'999 || tail == 49'999'999 || tail == 50'000'000;
}

template <class W>
Number ToNumber(const Scaled<W>& s, bool nudge = true) {
    const W& v = s.value;
    if (bmp::isnan(v)) return Nan();
    if (bmp::isinf(v)) {
        return v < 0 ? -std::numeric_limits<Number>::infinity()
                     : std::numeric_limits<Number>::infinity();
    }
    if (v.is_zero()) return Number(0);
    return limbs::RoundLimbs(LimbsOf(v).data(), decfloat::kLimbCount<typename W::backend_type>,
                             ExponentOf(v) + s.scale, false, v < 0, nullptr, nudge);
}

// compute(Type<W>) gives the Scaled<W> result; `exact` may recognise an exact result from a
// candidate (the Wide value rounded to nearest).
template <class Compute, class Exact>
Number Correctly(Compute compute, Exact exact) {
    const Scaled<Wide> w = compute(Type<Wide>{});
    Number result;
    if (exact(ToNumber(w, false), result)) return result;
    if (!NearBoundary(w.value)) return ToNumber(w);
    return ToNumber(compute(Type<Wider>{}));
}

template <class Compute>
Number Correctly(Compute compute) {
    return Correctly(compute, [](const Number&, Number&) { return false; });
}

template <class W>
Scaled<W> Kernel(Function f, const Number& x) {
    const W w(x);
    switch (f) {
        case Function::Exp:
            return Exp(w);
        case Function::Ln:
            return {Log(w), 0};
        case Function::Log2:
            return {W(Log(w) / Ln2<W>()), 0};
        case Function::Log10:
            return {W(Log(w) / Ln10<W>()), 0};
        case Function::Sqrt:
            return {sqrt(w), 0};
        case Function::Cbrt:
            return Cbrt<W>(x);
        case Function::Sin:
        case Function::Cos:
        case Function::Tan: {
            SinCos<W> sc;
            if (!SinCosOf(x, sc)) return {std::numeric_limits<W>::quiet_NaN(), 0};
            if (f == Function::Sin) return {sc.sin, 0};
            if (f == Function::Cos) return {sc.cos, 0};
            return {W(sc.sin / sc.cos), 0};
        }
        case Function::Asin:
            return {Asin(w), 0};
        case Function::Acos:
            return {Acos(w), 0};
        case Function::Atan:
            return {Atan(w), 0};
        case Function::Sinh:
            return SinhCosh(w, false);
        case Function::Cosh:
            return SinhCosh(w, true);
        case Function::Tanh:
            return {Tanh(w), 0};
        case Function::Asinh:
            return {Asinh(w), 0};
        case Function::Acosh:
            return {Acosh(w), 0};
        case Function::Atanh:
            return {Atanh(w), 0};
        case Function::Degrees:
            return {W(w * DegreesPerRadian<W>()), 0};
        case Function::HalfPi:
            return {HalfPi<W>(), 0};
    }
    return {std::numeric_limits<W>::quiet_NaN(), 0};
}

// --- logarithms --------------------------------------------------------------------------------

// The logarithm of r > 0 in the base of f; of 1 / r when r < 1, negated, so that r and 1 / r
// get logarithms of exactly opposite values.
template <class W>
W LogOf(Function f, const Number& r) {
    const bool inverted = r < 1;
    const W x = inverted ? W(1 / W(r)) : W(r);
    W log = Log(x);
    if (f == Function::Log2) log /= Ln2<W>();
    if (f == Function::Log10) log /= Ln10<W>();
    return inverted ? W(-log) : log;
}

// Logarithms of exact powers r^k are k times the logarithm of r rounded to 112 digits: such a
// multiple is exact (k has at most 8 digits), so the quotient of the logarithms of two powers of
// a common root is the exact ratio of the exponents, as LogN(3; 3^41) = 41 needs.
Number Logarithm(Function f, const Number& x) {
    if (x == 1) return Number(0);
    std::int32_t tens = 0;
    if (f == Function::Log10 && PowerOfTen(x, tens)) return Number(tens);
    Number root = x;
    std::int64_t k = 1;
    if (!PerfectPower(x, root, k)) root = x;
    if (f == Function::Log2) {
        static const Number kTwo(2), kHalf("0.5");
        if (root == kTwo) return Number(k);
        if (root == kHalf) return Number(-k);
    }
    const Wide log = LogOf<Wide>(f, root);
    if (!NearBoundary(Wide(log * static_cast<long long>(k)))) {
        const Number rounded = RoundSignificant(ToNumber(Scaled<Wide>{log, 0}, false), 112);
        return Multiply(rounded, Number(k));
    }
    return ToNumber(Scaled<Wider>{Wider(LogOf<Wider>(f, root) * static_cast<long long>(k)), 0});
}

}  // namespace

Number Evaluate(Function f, const Number& x) {
    if (f == Function::Ln || f == Function::Log2 || f == Function::Log10) {
        return Logarithm(f, x);
    }
    auto compute = [&](auto type) { return Kernel<typename decltype(type)::type>(f, x); };
    if (f == Function::Sqrt) {
        return Correctly(compute, [&](const Number& candidate, Number& exact) {
            return ExactRoot(x, 2, candidate, exact);
        });
    }
    if (f == Function::Cbrt) {
        return Correctly(compute, [&](const Number& candidate, Number& exact) {
            return ExactRoot(x, 3, candidate, exact);
        });
    }
    return Correctly(compute);
}

Number Atan2(const Number& y, const Number& x) {
    return Correctly([&](auto type) {
        using W = typename decltype(type)::type;
        return Scaled<W>{Atan2(W(y), W(x)), 0};
    });
}

Number Hypot(const Number& a, const Number& b) {
    if (a.is_zero() || b.is_zero()) return abs(a.is_zero() ? b : a);
    // Both scaled by the larger one's power of ten, so that the squares stay in range.
    const std::int64_t top = std::max(limbs::ExponentOf(a), limbs::ExponentOf(b));
    auto compute = [&](auto type) {
        using W = typename decltype(type)::type;
        auto scaled = [&](const Number& v) {
            const std::int64_t e = limbs::ExponentOf(v) - top;
            if (e < -10'000) return W(0);
            W w(v);
            decfloat::Exponent(w.backend()) = static_cast<std::int32_t>(e);
            return w;
        };
        const W p = scaled(a), q = scaled(b);
        return Scaled<W>{sqrt(W(p * p + q * q)), top};
    };
    return Correctly(compute, [&](const Number& candidate, Number& exact) {
        exact = candidate;
        return IsExactSumOfSquares(candidate, a, b);
    });
}

Number Radians(const Number& degrees, const Number& minutes, const Number& seconds) {
    return Correctly([&](auto type) {
        using W = typename decltype(type)::type;
        const W sum = W(degrees) + W(minutes) / 60 + W(seconds) / 3600;
        return Scaled<W>{W(sum * RadiansPerDegree<W>()), 0};
    });
}

Number Power(const Number& a, const Number& b) {
    static const Number kHalf("0.5");
    if (b == kHalf) return Evaluate(Function::Sqrt, a);
    return Correctly([&](auto type) {
        using W = typename decltype(type)::type;
        return Exp(W(Log(W(a)) * W(b)));
    });
}

Number IntegerPower(const Number& a, std::int64_t n) {
    if (n == 0) return Number(1);
    const std::uint64_t magnitude =
        n > 0 ? static_cast<std::uint64_t>(n) : 0 - static_cast<std::uint64_t>(n);
    const bool negative = a < 0 && (magnitude & 1) != 0;
    const Number base = abs(a);
    const Number result = Correctly([&](auto type) {
        using W = typename decltype(type)::type;
        Scaled<W> p = IntegerPower<W>(base, magnitude);
        if (n < 0) p = {W(1 / p.value), -p.scale};
        return p;
    });
    return negative ? Number(-result) : result;
}

Number TimesPowerOfTwo(const Number& x, std::int64_t n) {
    if (n == 0 || x.is_zero()) return x;
    static const Number kTwo(2), kFive(5);
    // 2^-m = 5^m / 10^m keeps every digit exact.
    return Correctly([&](auto type) {
        using W = typename decltype(type)::type;
        const std::uint64_t m =
            n > 0 ? static_cast<std::uint64_t>(n) : 0 - static_cast<std::uint64_t>(n);
        Scaled<W> p = IntegerPower<W>(n > 0 ? kTwo : kFive, m);
        p.value *= W(x);
        if (n < 0) p.scale -= static_cast<std::int64_t>(m);
        return p;
    });
}

}  // namespace numora::wide
