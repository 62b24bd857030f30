#pragma once
// Exact decimals of up to 576 digits for the exactness checks: limb[0..n) in base 10^8, least
// significant first, times 10^unit.
#include <array>
#include <cstdint>

#include "engine/Number.h"

namespace numora::exact {

constexpr int kCapacity = 72;

struct Exact {
    std::array<std::uint32_t, kCapacity> limb{};
    int n = 0;
    std::int64_t unit = 0;
};

// Of a finite non-zero x, the sign left out.
Exact ExactOf(const Number& x);

// a * b and a + b, or false when the result would not fit.
bool Multiply(const Exact& a, const Exact& b, Exact& out);
bool Add(const Exact& a, const Exact& b, Exact& out);

bool SameValue(Exact a, Exact b);

// base^n for n >= 0, or false when it grows beyond `maxLimbs`.
bool ExactPower(const Exact& base, std::int64_t n, int maxLimbs, Exact& out);

}  // namespace numora::exact
