// Division and remainder on the digits of Number: the significands are divided as integers with
// a long division in base 10^8, so a quotient is rounded once and a remainder not at all.
#include "engine/ExactArith.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "engine/NumberLimbs.h"
#include "engine/WideMath.h"

namespace numora {

namespace {

using namespace limbs;
namespace bmp = boost::multiprecision;

Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }

bool IsFinite(const Number& x) { return bmp::isfinite(x); }
bool IsNan(const Number& x) { return bmp::isnan(x); }

// --- integers in base 10^8, least significant limb first --------------------------------------

constexpr int kCapacity = 72;

// q = u / v and r = u % v for u of m limbs and v of n limbs (v[n-1] != 0, m >= n): Knuth's
// long division. q gets m - n + 1 limbs, r gets n limbs.
void DivMod(const std::uint32_t* u, int m, const std::uint32_t* v, int n, std::uint32_t* q,
            std::uint32_t* r) {
    if (n == 1) {
        std::uint64_t rest = 0;
        for (int i = m - 1; i >= 0; --i) {
            const std::uint64_t current = rest * kBase + u[i];
            q[i] = static_cast<std::uint32_t>(current / v[0]);
            rest = current % v[0];
        }
        r[0] = static_cast<std::uint32_t>(rest);
        return;
    }
    // Scale both so that the divisor's top limb is at least half the base; the trial quotient
    // from the top two limbs is then at most two too large.
    const std::uint64_t scale = kBase / (static_cast<std::uint64_t>(v[n - 1]) + 1);
    std::array<std::int64_t, kCapacity + 1> un{};
    std::array<std::uint64_t, kCapacity> vn{};
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint64_t p = v[i] * scale + carry;
        vn[i] = p % kBase;
        carry = p / kBase;
    }
    carry = 0;
    for (int i = 0; i < m; ++i) {
        const std::uint64_t p = u[i] * scale + carry;
        un[i] = static_cast<std::int64_t>(p % kBase);
        carry = p / kBase;
    }
    un[m] = static_cast<std::int64_t>(carry);

    const std::uint64_t top = vn[n - 1], second = vn[n - 2];
    for (int j = m - n; j >= 0; --j) {
        const std::uint64_t numerator = static_cast<std::uint64_t>(un[j + n]) * kBase +
                                        static_cast<std::uint64_t>(un[j + n - 1]);
        std::uint64_t qhat = numerator / top;
        std::uint64_t rhat = numerator % top;
        while (qhat >= kBase ||
               qhat * second > rhat * kBase + static_cast<std::uint64_t>(un[j + n - 2])) {
            --qhat;
            rhat += top;
            if (rhat >= kBase) break;
        }
        std::int64_t borrow = 0;
        carry = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t p = qhat * vn[i] + carry;
            carry = p / kBase;
            std::int64_t t = un[i + j] - static_cast<std::int64_t>(p % kBase) - borrow;
            borrow = t < 0 ? 1 : 0;
            un[i + j] = t + borrow * kBase;
        }
        std::int64_t t = un[j + n] - static_cast<std::int64_t>(carry) - borrow;
        if (t < 0) {  // the trial quotient was one too large: add the divisor back
            --qhat;
            carry = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t s = static_cast<std::uint64_t>(un[i + j]) + vn[i] + carry;
                carry = s >= kBase ? 1 : 0;
                un[i + j] = static_cast<std::int64_t>(s - carry * kBase);
            }
            t += static_cast<std::int64_t>(carry);
        }
        un[j + n] = t;
        q[j] = static_cast<std::uint32_t>(qhat);
    }
    std::uint64_t rest = 0;
    for (int i = n - 1; i >= 0; --i) {
        const std::uint64_t current = rest * kBase + static_cast<std::uint64_t>(un[i]);
        r[i] = static_cast<std::uint32_t>(current / scale);
        rest = current % scale;
    }
}

// -1, 0 or 1 as a (n limbs) compares with b (n limbs).
int Compare(const std::uint32_t* a, const std::uint32_t* b, int n) {
    for (int i = n - 1; i >= 0; --i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// x mod v for x of m limbs (any m up to the capacity), v of n limbs; r gets n limbs.
void Reduce(const std::uint32_t* x, int m, const std::uint32_t* v, int n, std::uint32_t* r) {
    if (m < n) {
        std::fill(r, r + n, 0u);
        std::copy(x, x + m, r);
        return;
    }
    std::array<std::uint32_t, kCapacity> q{};
    DivMod(x, m, v, n, q.data(), r);
}

// r = a * b mod v, all of n limbs.
void MulMod(const std::uint32_t* a, const std::uint32_t* b, const std::uint32_t* v, int n,
            std::uint32_t* r) {
    std::array<std::uint64_t, kCapacity> wide{};
    for (int i = 0; i < n; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < n; ++j) {
            const std::uint64_t t = wide[i + j] + static_cast<std::uint64_t>(a[i]) * b[j] + carry;
            wide[i + j] = t % kBase;
            carry = t / kBase;
        }
        wide[i + n] += carry;
    }
    std::array<std::uint32_t, kCapacity> product{};
    for (int i = 0; i < 2 * n; ++i) product[i] = static_cast<std::uint32_t>(wide[i]);
    Reduce(product.data(), 2 * n, v, n, r);
}

// r = (10^8)^e mod v, v of n limbs: square and multiply, so that the size of e hardly matters.
void PowerOfBaseMod(std::int64_t e, const std::uint32_t* v, int n, std::uint32_t* r) {
    std::array<std::uint32_t, kCapacity> base{}, result{}, t{};
    const std::uint32_t one[2] = {1, 0}, limb[2] = {0, 1};
    Reduce(one, 1, v, n, result.data());
    Reduce(limb, 2, v, n, base.data());
    while (e > 0) {
        if (e & 1) {
            MulMod(result.data(), base.data(), v, n, t.data());
            result = t;
        }
        e >>= 1;
        if (e > 0) {
            MulMod(base.data(), base.data(), v, n, t.data());
            base = t;
        }
    }
    std::copy(result.begin(), result.begin() + n, r);
}

// base^n for an integral n, the sign left to the caller: the product of exact squarings while
// they stay exact (2^10, 3^4), otherwise the power rounded once. A negative n divides 1 by an
// exact base^-n with one rounding, so 0.2^-3 is 125.
Number IntegerPower(const Number& base, const Number& n) {
    if (!IsFinite(base) || base.is_zero()) return pow(base, n);
    static const Number kLimit("4611686018427387904");  // 2^62
    if (abs(n) > kLimit) return wide::Power(abs(base), n);
    const std::int64_t e = n.convert_to<std::int64_t>();
    std::uint64_t m = e < 0 ? 0 - static_cast<std::uint64_t>(e) : static_cast<std::uint64_t>(e);
    Number result(1), square = base;
    bool inexact = false;
    for (;;) {
        if (m & 1) {
            result = Multiply(result, square, &inexact);
            if (inexact) break;
        }
        m >>= 1;
        if (m == 0) break;
        square = Multiply(square, square, &inexact);
        if (inexact) break;
    }
    if (!inexact && IsFinite(result) && !result.is_zero()) {
        return e < 0 ? Divide(Number(1), result) : result;
    }
    return wide::IntegerPower(base, e);
}

}  // namespace

bool IsInteger(const Number& x) {
    if (!IsFinite(x)) return false;
    if (x.is_zero()) return true;
    const std::int32_t exponent = ExponentOf(x);
    if (exponent < 0) return false;
    const LimbArray& limbs = LimbsOf(x);
    // The limb of the units digit is exponent / 8; those after it are the fraction.
    for (std::int64_t j = exponent / kLimbDigits + 1; j < kLimbs; ++j) {
        if (limbs[j] != 0) return false;
    }
    return true;
}

bool IsOddInteger(const Number& x) {
    if (!IsInteger(x) || x.is_zero()) return false;
    const std::int64_t units = ExponentOf(x) / kLimbDigits;
    return units < kLimbs && (LimbsOf(x)[units] & 1) != 0;
}

Number Divide(const Number& a, const Number& b) {
    if (!IsFinite(a) || !IsFinite(b) || a.is_zero() || b.is_zero()) return a / b;
    const LimbArray& x = LimbsOf(a);
    const LimbArray& y = LimbsOf(b);

    // The significands as 16-limb integers A and B; the quotient A * 10^(8k) / B gets exactly
    // 16 limbs with k = 15 when A >= B and k = 16 otherwise.
    std::array<std::uint32_t, kLimbs> divisor{};
    int zeroLimbs = 0;
    const int n = LowLimbsOf(b, divisor.data(), zeroLimbs);
    const int k = std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end()) ? 16 : 15;
    // A * 10^(8k) / B = A * 10^(8(k - zeroLimbs)) / (B / 10^(8 zeroLimbs)), remainders scaled
    // alike, so the zero limbs of B need not be divided by.
    const int low = k - zeroLimbs;
    const int m = kLimbs + low;
    std::array<std::uint32_t, 2 * kLimbs + 1> dividend{};
    for (int i = 0; i < kLimbs; ++i) dividend[low + i] = x[kLimbs - 1 - i];
    std::array<std::uint32_t, 2 * kLimbs + 1> quotient{};
    std::array<std::uint32_t, kLimbs> rest{};
    DivMod(dividend.data(), m, divisor.data(), n, quotient.data(), rest.data());

    // Round once: compare twice the remainder with the divisor.
    Rest position = Rest::Zero;
    if (std::any_of(rest.begin(), rest.begin() + n, [](auto l) { return l != 0; })) {
        std::array<std::uint32_t, kLimbs + 1> twice{};
        std::uint32_t carry = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t t = rest[i] * 2 + carry;
            carry = t >= kBase ? 1 : 0;
            twice[i] = t - carry * kBase;
        }
        const int half = carry != 0 ? 1 : Compare(twice.data(), divisor.data(), n);
        position = half > 0 ? Rest::AboveHalf : half < 0 ? Rest::BelowHalf : Rest::Half;
    }
    const std::int64_t exponent =
        static_cast<std::int64_t>(ExponentOf(a)) - ExponentOf(b) - (k == 16 ? kLimbDigits : 0);
    std::array<std::uint32_t, kLimbs> limbs{};
    for (int i = 0; i < kLimbs; ++i) limbs[i] = quotient[kLimbs - 1 - i];
    const bool negative = a.backend().isneg() != b.backend().isneg();
    return FinishRounding(limbs.data(), exponent, position, negative);
}

Number Remainder(const Number& a, const Number& b) {
    if (!IsFinite(a) || !IsFinite(b) || b.is_zero()) return Nan();
    if (a.is_zero()) return Number(0);
    if (abs(a) < abs(b)) return a;

    // Both as integers times the lower of their lowest limbs' weights U: |a| = A * 10^(8 sa) * U
    // and |b| = B * 10^(8 sb) * U, one of sa and sb being 0. The remainder is a whole number of
    // U below |b|, so it fits b's limbs.
    std::array<std::uint32_t, kLimbs> numerator{};
    std::array<std::uint32_t, kCapacity> modulus{};
    int zeroA = 0, zeroB = 0;
    const int na = LowLimbsOf(a, numerator.data(), zeroA);
    const int nb = LowLimbsOf(b, modulus.data(), zeroB);
    const std::int64_t unitA =
        static_cast<std::int64_t>(ExponentOf(a)) - kLimbDigits * (kLimbs - 1 - zeroA);
    const std::int64_t unitB =
        static_cast<std::int64_t>(ExponentOf(b)) - kLimbDigits * (kLimbs - 1 - zeroB);
    const std::int64_t unit = std::min(unitA, unitB);
    const std::int64_t sa = (unitA - unit) / kLimbDigits;
    const int sb = static_cast<int>((unitB - unit) / kLimbDigits);  // |b| <= |a|: under 16
    int n = nb;
    if (sb > 0) {
        std::copy_backward(modulus.begin(), modulus.begin() + nb, modulus.begin() + nb + sb);
        std::fill(modulus.begin(), modulus.begin() + sb, 0u);
        n += sb;
    }

    std::array<std::uint32_t, kCapacity> r{};
    if (sa + na < kCapacity) {
        std::array<std::uint32_t, kCapacity> dividend{};
        std::copy(numerator.begin(), numerator.begin() + na, dividend.begin() + sa);
        Reduce(dividend.data(), static_cast<int>(sa) + na, modulus.data(), n, r.data());
    } else {
        // A huge distance (1e67108864 % 7): modular exponentiation instead of a huge integer.
        std::array<std::uint32_t, kCapacity> reduced{}, power{};
        Reduce(numerator.data(), na, modulus.data(), n, reduced.data());
        PowerOfBaseMod(sa, modulus.data(), n, power.data());
        MulMod(reduced.data(), power.data(), modulus.data(), n, r.data());
    }
    int top = n - 1;
    while (top > 0 && r[top] == 0) --top;
    if (r[top] == 0) return Number(0);
    std::array<std::uint32_t, kLimbs> limbs{};
    for (int i = 0; i <= top && i < kLimbs; ++i) limbs[i] = r[top - i];
    const std::int64_t exponent = unit + static_cast<std::int64_t>(kLimbDigits) * top;
    return MakeNumber(limbs.data(), static_cast<std::int32_t>(exponent), a.backend().isneg());
}

Number Power(const Number& a, const Number& b) {
    if (IsNan(a) || IsNan(b)) return Nan();
    if (IsInteger(b)) {
        if (!a.backend().isneg()) return IntegerPower(a, b);
        // The library loses the sign once the magnitude overflows or the exponent passes 64
        // bits; the parity of the exponent decides it.
        Number magnitude = IntegerPower(-a, b);
        if (IsOddInteger(b) && !magnitude.is_zero()) magnitude = -magnitude;
        return magnitude;
    }
    if (!IsFinite(a) || !(a > 0) || !IsFinite(b)) return pow(a, b);
    // An exponent p / q with q among the small denominators of decimal fractions: when a is
    // exactly the q-th power of some r, the result is r^p, exact wherever that fits.
    if (abs(b) < 1000000) {
        for (const int q : {2, 4, 5, 8, 10}) {
            const Number p = Multiply(b, Number(q));
            if (!IsInteger(p)) continue;
            if (!MayBeExactPower(a, q)) break;
            const Number approximation = q == 2 ? wide::Evaluate(wide::Function::Sqrt, a)
                                                : wide::Power(a, Divide(Number(1), Number(q)));
            Number root;
            if (ExactRoot(a, q, approximation, root)) return IntegerPower(root, p);
            break;
        }
    }
    return wide::Power(a, b);
}

}  // namespace numora
