// The 64-bit bitwise family: not, or, and, xor, nor, nand, bsl, bsr and bit.
#include <cstdint>

#include "engine/BuiltinImpls.h"
#include "engine/IntConvert.h"

namespace numora {

namespace {

// Counts of 64 or more move every bit out; using them directly in C++ would be undefined.
constexpr std::int64_t kWordBits = 64;

Number Signed(std::int64_t v) { return Number(v); }
Number Unsigned(std::uint64_t v) { return Number(v); }

// Magnitude of a count, widened first so that the most negative 32-bit count has one.
std::int64_t Magnitude(std::int32_t n) {
    const std::int64_t m = n < 0 ? -static_cast<std::int64_t>(n) : n;
    return m < kWordBits ? m : kWordBits;
}

std::uint64_t ShiftLeft(std::uint64_t v, std::int64_t count) {
    return count >= kWordBits ? 0 : v << count;
}

std::uint64_t ShiftRightLogical(std::uint64_t v, std::int64_t count) {
    return count >= kWordBits ? 0 : v >> count;
}

std::int64_t ShiftRightArithmetic(std::int64_t v, std::int64_t count) {
    if (count >= kWordBits) return v < 0 ? -1 : 0;
    return v >> count;
}

}  // namespace

Number FnNot(const ArgList& a) { return Signed(~ToInt64(a[0])); }

Number FnOr(const ArgList& a) { return Signed(ToInt64(a[0]) | ToInt64(a[1])); }

Number FnAnd(const ArgList& a) { return Signed(ToInt64(a[0]) & ToInt64(a[1])); }

Number FnXor(const ArgList& a) { return Signed(ToInt64(a[0]) ^ ToInt64(a[1])); }

Number FnNor(const ArgList& a) { return Signed(~(ToInt64(a[0]) | ToInt64(a[1]))); }

Number FnNand(const ArgList& a) { return Signed(~(ToInt64(a[0]) & ToInt64(a[1]))); }

// The sign of the count only chooses how x is read; the direction is always left.
Number FnBsl(const ArgList& a) {
    const std::int32_t n = ToInt32(a[1]);
    if (n >= 0) return Unsigned(ShiftLeft(ToUInt64(a[0]), Magnitude(n)));
    const auto bits = static_cast<std::uint64_t>(ToInt64(a[0]));
    return Signed(static_cast<std::int64_t>(ShiftLeft(bits, Magnitude(n))));
}

// Non-negative count: logical shift of the unsigned reading; negative: arithmetic shift.
Number FnBsr(const ArgList& a) {
    const std::int32_t n = ToInt32(a[1]);
    if (n >= 0) return Unsigned(ShiftRightLogical(ToUInt64(a[0]), Magnitude(n)));
    return Signed(ShiftRightArithmetic(ToInt64(a[0]), Magnitude(n)));
}

// Keeps the low |w| bits: zero-extended for w >= 0, sign-extended from the top kept bit for w < 0.
Number FnBit(const ArgList& a) {
    const std::int32_t w = ToInt32(a[1]);
    const std::int64_t k = Magnitude(w);
    if (w >= 0) {
        return Unsigned(ShiftRightLogical(ShiftLeft(ToUInt64(a[0]), kWordBits - k), kWordBits - k));
    }
    const auto bits = static_cast<std::uint64_t>(ToInt64(a[0]));
    const auto raised = static_cast<std::int64_t>(ShiftLeft(bits, kWordBits - k));
    return Signed(ShiftRightArithmetic(raised, kWordBits - k));
}

}  // namespace numora
