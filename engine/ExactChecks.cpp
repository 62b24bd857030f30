// Exactness checks on the digits of Number: exact products, powers and sums taken without
// rounding, so that a rounded root or logarithm can be confirmed as the exact answer.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "engine/ExactArith.h"
#include "engine/ExactInteger.h"
#include "engine/NumberLimbs.h"

namespace numora {

namespace exact {

using namespace limbs;

Exact ExactOf(const Number& x) {
    Exact e;
    int zeroLimbs = 0;
    e.n = LowLimbsOf(x, e.limb.data(), zeroLimbs);
    e.unit = UnitOf(x, zeroLimbs);
    return e;
}

// a * b, or false when it would not fit.
bool Multiply(const Exact& a, const Exact& b, Exact& out) {
    if (a.n + b.n > kCapacity) return false;
    std::array<std::uint64_t, kCapacity> wide{};
    for (int i = 0; i < a.n; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < b.n; ++j) {
            const std::uint64_t t =
                wide[i + j] + static_cast<std::uint64_t>(a.limb[i]) * b.limb[j] + carry;
            wide[i + j] = t % kBase;
            carry = t / kBase;
        }
        wide[i + b.n] += carry;
    }
    Exact r;
    r.n = a.n + b.n;
    r.unit = a.unit + b.unit;
    int low = 0;
    while (low < r.n - 1 && wide[low] == 0) ++low;
    for (int i = low; i < r.n; ++i) r.limb[i - low] = static_cast<std::uint32_t>(wide[i]);
    r.n -= low;
    r.unit += static_cast<std::int64_t>(kLimbDigits) * low;
    while (r.n > 1 && r.limb[r.n - 1] == 0) --r.n;
    out = r;
    return true;
}

// a + b (both not negative), or false when it would not fit.
bool Add(const Exact& a, const Exact& b, Exact& out) {
    const std::int64_t unit = std::min(a.unit, b.unit);
    const std::int64_t sa = (a.unit - unit) / kLimbDigits, sb = (b.unit - unit) / kLimbDigits;
    if (std::max(sa + a.n, sb + b.n) + 1 > kCapacity) return false;
    Exact r;
    r.unit = unit;
    r.n = static_cast<int>(std::max(sa + a.n, sb + b.n)) + 1;
    std::uint32_t carry = 0;
    for (int i = 0; i < r.n; ++i) {
        std::uint32_t t = carry;
        if (i >= sa && i - sa < a.n) t += a.limb[i - sa];
        if (i >= sb && i - sb < b.n) t += b.limb[i - sb];
        carry = t >= kBase ? 1 : 0;
        r.limb[i] = t - carry * kBase;
    }
    while (r.n > 1 && r.limb[r.n - 1] == 0) --r.n;
    out = r;
    return true;
}

bool SameValue(Exact a, Exact b) {
    for (Exact* e : {&a, &b}) {
        int low = 0;
        while (low < e->n - 1 && e->limb[low] == 0) ++low;
        std::copy(e->limb.begin() + low, e->limb.begin() + e->n, e->limb.begin());
        e->n -= low;
        e->unit += static_cast<std::int64_t>(kLimbDigits) * low;
        while (e->n > 1 && e->limb[e->n - 1] == 0) --e->n;
    }
    return a.n == b.n && a.unit == b.unit &&
           std::equal(a.limb.begin(), a.limb.begin() + a.n, b.limb.begin());
}

// base^n for n >= 0, or false when it grows beyond `maxLimbs`.
bool ExactPower(const Exact& base, std::int64_t n, int maxLimbs, Exact& out) {
    Exact result;
    result.n = 1;
    result.limb[0] = 1;
    Exact square = base;
    while (n > 0) {
        if (n & 1) {
            if (!Multiply(result, square, result) || result.n > maxLimbs) return false;
        }
        n >>= 1;
        if (n > 0 && (!Multiply(square, square, square) || square.n > maxLimbs)) return false;
    }
    out = result;
    return true;
}

}  // namespace exact

namespace {

using namespace limbs;
using namespace exact;

bool IsFinite(const Number& x) { return boost::multiprecision::isfinite(x); }

// True when the last two digits of some integer's q-th power can be `last`.
bool PowerResidue(int q, int last) {
    static const auto table = [] {
        std::array<std::array<bool, 100>, 11> t{};
        for (int power = 1; power <= 10; ++power) {
            for (int digit = 0; digit < 100; ++digit) {
                int v = 1;
                for (int i = 0; i < power; ++i) v = v * digit % 100;
                t[power][v] = true;
            }
        }
        return t;
    }();
    return q >= 1 && q <= 10 && table[q][last];
}

}  // namespace

// Quick test that a finite positive x can be the q-th power of a decimal: without its
// trailing zeros it is S * 10^t with t a multiple of q and S ending in digits of a q-th power.
bool MayBeExactPower(const Number& x, int q) {
    if (!IsFinite(x) || !(x > 0) || q < 1) return false;
    std::array<std::uint32_t, kLimbs> low{};
    int zeroLimbs = 0;
    const int used = LowLimbsOf(x, low.data(), zeroLimbs);
    std::int64_t t = UnitOf(x, zeroLimbs);
    std::uint64_t last = low[0] + (used > 1 ? static_cast<std::uint64_t>(low[1]) * kBase : 0);
    while (last % 10 == 0) {
        last /= 10;
        ++t;
    }
    return ((t % q) + q) % q == 0 && PowerResidue(q, static_cast<int>(last % 100));
}

bool PowerOfTen(const Number& x, std::int32_t& n) {
    if (!IsFinite(x) || x.is_zero() || x.backend().isneg()) return false;
    const LimbArray& limbs = LimbsOf(x);
    if (std::any_of(limbs.begin() + 1, limbs.end(), [](auto l) { return l != 0; })) return false;
    std::uint32_t first = limbs[0];
    int digits = 0;
    while (first % 10 == 0) {
        first /= 10;
        ++digits;
    }
    if (first != 1) return false;
    n = ExponentOf(x) + digits;
    return true;
}

Number RoundSignificant(const Number& x, int digits) {
    if (!IsFinite(x) || x.is_zero() || digits < 1) return x;
    std::array<std::uint32_t, kLimbs> limbs{};
    std::copy(LimbsOf(x).begin(), LimbsOf(x).end(), limbs.begin());
    int lead = 1;
    for (std::uint32_t v = limbs[0]; v >= 10; v /= 10) ++lead;
    if (digits >= lead + (kLimbs - 1) * kLimbDigits) return x;
    // The last kept digit lies in limb i; `drop` digits of that limb go.
    int i = 0, drop = lead - digits;
    if (digits > lead) {
        i = 1 + (digits - lead - 1) / kLimbDigits;
        drop = kLimbDigits - (digits - lead - kLimbDigits * (i - 1));
    }
    std::uint32_t unit = 1;
    for (int d = 0; d < drop; ++d) unit *= 10;
    const std::uint32_t rest = limbs[i] % unit;
    const bool up = drop > 0 ? rest >= unit / 2 : (i + 1 < kLimbs && limbs[i + 1] >= kBase / 2);
    limbs[i] -= rest;
    std::fill(limbs.begin() + i + 1, limbs.end(), 0u);
    std::int32_t exponent = ExponentOf(x);
    if (up) {
        limbs[i] += unit;
        for (int j = i; j > 0 && limbs[j] >= kBase; --j) {
            limbs[j] -= kBase;
            ++limbs[j - 1];
        }
        if (limbs[0] >= kBase) {  // 99..9 became 10^8
            limbs.fill(0);
            limbs[0] = 1;
            exponent += kLimbDigits;
        }
    }
    return MakeNumber(limbs.data(), exponent, x.backend().isneg());
}

Number RoundDecimals(const Number& x, int places) {
    if (!IsFinite(x) || x.is_zero()) return x;
    int lead = 0;
    for (std::uint32_t v = LimbsOf(x)[0]; v > 0; v /= 10) ++lead;
    const std::int64_t digits = static_cast<std::int64_t>(ExponentOf(x)) + lead + places;
    if (digits < 0) return Number(0);
    if (digits == 0) {
        // Below the unit 10^-places and at least a tenth of it: the unit itself from a half on.
        const Number unit("1e" + std::to_string(-places));
        const Number twice = Add(x, x);
        if (twice.backend().isneg() ? -twice < unit : twice < unit) return Number(0);
        return x.backend().isneg() ? Number(-unit) : unit;
    }
    if (digits >= kLimbs * kLimbDigits) return x;
    return RoundSignificant(x, static_cast<int>(digits));
}

bool IsExactProduct(const Number& x, const Number& a, const Number& b) {
    if (!IsFinite(x) || !IsFinite(a) || !IsFinite(b)) return false;
    if (x.is_zero() || a.is_zero() || b.is_zero())
        return x.is_zero() && (a.is_zero() || b.is_zero());
    if (x.backend().isneg() != (a.backend().isneg() != b.backend().isneg())) return false;
    Exact product;
    return Multiply(ExactOf(a), ExactOf(b), product) && SameValue(product, ExactOf(x));
}

bool IsExactSumOfSquares(const Number& r, const Number& a, const Number& b) {
    if (!IsFinite(r) || !IsFinite(a) || !IsFinite(b) || r.backend().isneg()) return false;
    const Exact er = ExactOf(r), ea = ExactOf(a), eb = ExactOf(b);
    Exact rr, aa, bb, sum;
    if (!Multiply(er, er, rr)) return false;
    if (a.is_zero() || b.is_zero()) {
        return Multiply(a.is_zero() ? eb : ea, a.is_zero() ? eb : ea, sum) && SameValue(rr, sum);
    }
    return Multiply(ea, ea, aa) && Multiply(eb, eb, bb) && Add(aa, bb, sum) && SameValue(rr, sum);
}

bool ExactRoot(const Number& x, int q, const Number& approximation, Number& root) {
    if (!IsFinite(x) || !(x > 0) || !IsFinite(approximation) || !MayBeExactPower(x, q)) {
        return false;
    }
    // A q-th root of a number of at most 128 digits has at most ceil(128 / q) digits.
    const Number candidate = RoundSignificant(approximation, (kLimbs * kLimbDigits + q - 1) / q);
    Exact power;
    if (!ExactPower(ExactOf(candidate), q, kLimbs + 2, power) || !SameValue(power, ExactOf(x))) {
        return false;
    }
    root = candidate;
    return true;
}

bool IsExactPower(const Number& x, const Number& base, std::int64_t n) {
    if (!IsFinite(x) || x.is_zero() || !IsFinite(base) || base.is_zero() || n < 0) return false;
    Exact power;
    return ExactPower(ExactOf(base), n, kLimbs + 2, power) && SameValue(power, ExactOf(x));
}

}  // namespace numora
