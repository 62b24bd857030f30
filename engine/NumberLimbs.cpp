#include "engine/NumberLimbs.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/DecFloatAccess.h"

NUMORA_GRANT_DEC_FLOAT_ACCESS(numora::limbs::Backend);

namespace numora::limbs {

static_assert(Backend::cpp_dec_float_max_digits10 == kLimbs * kLimbDigits,
              "Number's layout changed: 16 limbs of 8 digits expected");

const LimbArray& LimbsOf(const Number& x) { return decfloat::Limbs(x.backend()); }
std::int32_t ExponentOf(const Number& x) { return decfloat::Exponent(x.backend()); }

int LowLimbsOf(const Number& x, std::uint32_t* out, int& shift) {
    const LimbArray& limbs = LimbsOf(x);
    int used = kLimbs;
    while (used > 1 && limbs[used - 1] == 0) --used;
    for (int i = 0; i < used; ++i) out[i] = limbs[used - 1 - i];
    shift = kLimbs - used;
    return used;
}

std::int64_t UnitOf(const Number& x, int shift) {
    return static_cast<std::int64_t>(ExponentOf(x)) - kLimbDigits * (kLimbs - 1 - shift);
}

Number MakeNumber(const std::uint32_t* limbs, std::int32_t exponent, bool negative) {
    Number result(1);
    Backend& backend = result.backend();
    std::copy(limbs, limbs + kLimbs, decfloat::Limbs(backend).begin());
    decfloat::Exponent(backend) = exponent;
    decfloat::Negative(backend) = negative;
    return result;
}

namespace {

Number Infinity(bool negative) {
    const Number inf = std::numeric_limits<Number>::infinity();
    return negative ? -inf : inf;
}

// Adds one unit to the last of 16 limbs; true when it carried out of the first.
bool Increment(std::uint32_t* limbs) {
    for (int i = kLimbs - 1; i >= 0; --i) {
        if (++limbs[i] < kBase) return false;
        limbs[i] = 0;
    }
    return true;
}

constexpr std::uint32_t kPowersOfTen[] = {1,      10,      100,      1000, 10000,
                                          100000, 1000000, 10000000, kBase};

}  // namespace

Number FinishRounding(const std::uint32_t* source, std::int64_t exponent, Rest rest, bool negative,
                      bool nudge) {
    std::array<std::uint32_t, kLimbs> limbs{};
    std::copy(source, source + kLimbs, limbs.begin());
    bool up = rest == Rest::AboveHalf || (rest == Rest::Half && (limbs[kLimbs - 1] & 1) != 0);
    if (nudge && rest != Rest::Zero) {
        // A last digit of 0 or 5 could be read as a shorter number or a tie by a later rounding:
        // take the neighbour on the exact value's side instead.
        const std::uint32_t last = (limbs[kLimbs - 1] + (up ? 1 : 0)) % 10;
        if (last == 0 || last == 5) up = !up;
    }
    if (up && Increment(limbs.data())) {
        limbs.fill(0);
        limbs[0] = 1;
        exponent += kLimbDigits;
    }
    const bool beyondLargest =
        exponent > kMaxExp ||
        (exponent == kMaxExp &&
         (limbs[0] > 1 || std::any_of(limbs.begin() + 1, limbs.end(), [](auto l) { return l; })));
    if (beyondLargest) return Infinity(negative);
    if (exponent < kMinExp) return Number(0);
    return MakeNumber(limbs.data(), static_cast<std::int32_t>(exponent), negative);
}

Number RoundLimbs(const std::uint32_t* limbs, int count, std::int64_t exponent, bool sticky,
                  bool negative, bool* inexact, bool nudge) {
    int first = 0;
    while (first < count && limbs[first] == 0) ++first;
    if (first == count) {
        if (inexact != nullptr) *inexact = sticky;
        return Number(0);
    }
    exponent -= static_cast<std::int64_t>(kLimbDigits) * first;
    limbs += first;
    count -= first;

    // Seventeen limbs on the grid of multiples of 8: when the exponent is not one, every digit
    // moves up by `shift` places and a limb is opened at the front.
    std::array<std::uint32_t, kLimbs + 2> grid{};
    const int shift = static_cast<int>(((exponent % kLimbDigits) + kLimbDigits) % kLimbDigits);
    const int taken = std::min(count, kLimbs + 1);
    bool below = sticky;
    for (int i = kLimbs + 1; i < count && !below; ++i) below = limbs[i] != 0;
    if (shift == 0) {
        std::copy(limbs, limbs + taken, grid.begin());
    } else {
        const std::uint64_t factor = kPowersOfTen[shift];
        for (int i = 0; i < taken; ++i) {
            const std::uint64_t moved = limbs[i] * factor;
            grid[i] += static_cast<std::uint32_t>(moved / kBase);
            grid[i + 1] = static_cast<std::uint32_t>(moved % kBase);
        }
        exponent += kLimbDigits - shift;
    }
    const std::uint32_t* top = grid.data();
    if (grid[0] == 0) {
        ++top;
        exponent -= kLimbDigits;
    } else {
        // The limb opened at the front is used; the last of the 18 holds only dropped digits.
        below = below || grid[kLimbs + 1] != 0;
    }
    const std::uint32_t next = top[kLimbs];
    Rest rest = Rest::Zero;
    if (next > kBase / 2 || (next == kBase / 2 && below)) {
        rest = Rest::AboveHalf;
    } else if (next == kBase / 2) {
        rest = Rest::Half;
    } else if (next != 0 || below) {
        rest = Rest::BelowHalf;
    }
    if (inexact != nullptr) *inexact = rest != Rest::Zero;
    return FinishRounding(top, exponent, rest, negative, nudge);
}

}  // namespace numora::limbs

namespace numora {

Number WithinRange(const Number& x) {
    if (!boost::multiprecision::isfinite(x) || x.is_zero()) return x;
    const std::int32_t exponent = limbs::ExponentOf(x);
    if (exponent < limbs::kMaxExp && exponent >= limbs::kMinExp) return x;
    return limbs::RoundLimbs(limbs::LimbsOf(x).data(), limbs::kLimbs, exponent, false,
                             x.backend().isneg());
}

Number ScaleByPowerOfTen(const Number& x, std::int64_t n) {
    if (!boost::multiprecision::isfinite(x) || x.is_zero()) return x;
    // Far beyond the range either way: avoid exponent arithmetic near the integer limits.
    constexpr std::int64_t kFar = std::int64_t{1} << 40;
    n = std::clamp(n, -kFar, kFar);
    return limbs::RoundLimbs(limbs::LimbsOf(x).data(), limbs::kLimbs,
                             static_cast<std::int64_t>(limbs::ExponentOf(x)) + n, false,
                             x.backend().isneg());
}

}  // namespace numora
