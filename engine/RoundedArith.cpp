// Sums, differences and products on the digits of Number: the exact result is formed in base
// 10^8 and rounded once, so a result that fits is exact and one that does not is never first
// truncated and then rounded again when printed.
#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/ExactArith.h"
#include "engine/NumberLimbs.h"

namespace numora {

namespace {

using namespace limbs;
namespace bmp = boost::multiprecision;

bool IsFinite(const Number& x) { return bmp::isfinite(x); }

// |a| compared with |b|, both finite and not zero.
int CompareMagnitudes(const Number& a, const Number& b) {
    const std::int32_t ea = ExponentOf(a), eb = ExponentOf(b);
    if (ea != eb) return ea < eb ? -1 : 1;
    const LimbArray& x = LimbsOf(a);
    const LimbArray& y = LimbsOf(b);
    for (int i = 0; i < kLimbs; ++i) {
        if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
    }
    return 0;
}

// a + b with b negated when `subtract`.
Number Sum(const Number& a, const Number& b, bool subtract, bool* inexact) {
    if (inexact != nullptr) *inexact = false;
    if (bmp::isnan(a) || bmp::isnan(b)) return std::numeric_limits<Number>::quiet_NaN();
    if (!IsFinite(a) || !IsFinite(b)) return subtract ? a - b : a + b;
    if (b.is_zero()) return a;
    if (a.is_zero()) return subtract ? -b : b;

    const bool negativeA = a.backend().isneg();
    const bool negativeB = b.backend().isneg() != subtract;
    const int order = CompareMagnitudes(a, b);
    if (negativeA != negativeB && order == 0) return Number(0);
    // x is the larger in magnitude; the result has its sign.
    const Number& x = order >= 0 ? a : b;
    const Number& y = order >= 0 ? b : a;
    const bool negative = order >= 0 ? negativeA : negativeB;
    const bool add = negativeA == negativeB;

    // Limb 0 takes a carry, x occupies limbs 1..16 and y starts `distance` limbs lower.
    const std::int64_t distance =
        (static_cast<std::int64_t>(ExponentOf(x)) - ExponentOf(y)) / kLimbDigits;
    constexpr int kSpan = 2 * kLimbs + 3;
    std::array<std::uint32_t, kSpan> sum{};
    const LimbArray& xs = LimbsOf(x);
    std::copy(xs.begin(), xs.end(), sum.begin() + 1);
    int count = kLimbs + 1;
    bool sticky = false;
    if (distance <= kLimbs + 2) {
        const LimbArray& ys = LimbsOf(y);
        const int offset = 1 + static_cast<int>(distance);
        int used = kLimbs;
        while (ys[used - 1] == 0) --used;
        count = std::max(count, offset + used);
        if (add) {
            std::uint32_t carry = 0;
            for (int i = used - 1; i >= 0; --i) {
                std::uint32_t& digit = sum[static_cast<std::size_t>(offset + i)];
                const std::uint32_t t = digit + ys[i] + carry;
                carry = t >= kBase ? 1 : 0;
                digit = t - carry * kBase;
            }
            for (int i = offset - 1; carry != 0 && i >= 0; --i) {
                const std::uint32_t t = sum[static_cast<std::size_t>(i)] + carry;
                carry = t >= kBase ? 1 : 0;
                sum[static_cast<std::size_t>(i)] = t - carry * kBase;
            }
        } else {
            std::uint32_t borrow = 0;
            for (int i = used - 1; i >= 0; --i) {
                std::uint32_t& digit = sum[static_cast<std::size_t>(offset + i)];
                const std::uint32_t t = ys[i] + borrow;
                borrow = digit < t ? 1 : 0;
                digit = digit + borrow * kBase - t;
            }
            for (int i = offset - 1; borrow != 0 && i >= 0; --i) {
                std::uint32_t& digit = sum[static_cast<std::size_t>(i)];
                borrow = digit == 0 ? 1 : 0;
                digit = borrow != 0 ? kBase - 1 : digit - 1;
            }
        }
    } else {
        // y lies wholly below two limbs past x's last: it only decides the rounding. Taking one
        // unit of the lowest limb off x leaves a positive remainder below it.
        count = kLimbs + 3;
        sticky = true;
        if (!add) {
            for (int i = count - 1; i >= 0; --i) {
                if (sum[static_cast<std::size_t>(i)] != 0) {
                    --sum[static_cast<std::size_t>(i)];
                    break;
                }
                sum[static_cast<std::size_t>(i)] = kBase - 1;
            }
        }
    }
    return RoundLimbs(sum.data(), count, static_cast<std::int64_t>(ExponentOf(x)) + kLimbDigits,
                      sticky, negative, inexact);
}

}  // namespace

Number Add(const Number& a, const Number& b, bool* inexact) { return Sum(a, b, false, inexact); }

Number Subtract(const Number& a, const Number& b, bool* inexact) {
    return Sum(a, b, true, inexact);
}

Number Multiply(const Number& a, const Number& b, bool* inexact) {
    if (inexact != nullptr) *inexact = false;
    if (bmp::isnan(a) || bmp::isnan(b)) return std::numeric_limits<Number>::quiet_NaN();
    if (!IsFinite(a) || !IsFinite(b) || a.is_zero() || b.is_zero()) return a * b;
    const LimbArray& x = LimbsOf(a);
    const LimbArray& y = LimbsOf(b);
    int nx = kLimbs, ny = kLimbs;
    while (x[nx - 1] == 0) --nx;
    while (y[ny - 1] == 0) --ny;
    // Column k + 1 gathers x[i] * y[j] with i + j = k; 16 products of two limbs stay below 2^64.
    std::array<std::uint64_t, 2 * kLimbs + 1> columns{};
    for (int i = 0; i < nx; ++i) {
        const std::uint64_t xi = x[i];
        for (int j = 0; j < ny; ++j) columns[static_cast<std::size_t>(i + j + 1)] += xi * y[j];
    }
    const int count = nx + ny;
    std::array<std::uint32_t, 2 * kLimbs + 1> product{};
    std::uint64_t carry = 0;
    for (int k = count - 1; k >= 0; --k) {
        const std::uint64_t t = columns[static_cast<std::size_t>(k)] + carry;
        product[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(t % kBase);
        carry = t / kBase;
    }
    const std::int64_t exponent =
        static_cast<std::int64_t>(ExponentOf(a)) + ExponentOf(b) + kLimbDigits;
    return RoundLimbs(product.data(), count, exponent, false,
                      a.backend().isneg() != b.backend().isneg(), inexact);
}

}  // namespace numora
