// The built-ins that hand back a text beside their value: hex and format.
#include <cstdint>
#include <cstdio>
#include <ios>
#include <string>

#include "engine/BuiltinImpls.h"
#include "engine/IntConvert.h"

namespace numora {

namespace {

constexpr const char* kHexWide = "0x%X%08X";
constexpr const char* kHexNarrow = "0x%0X";

// Digits a Number stores (its 100 plus guard digits); a digit count of 0 asks for all of them.
constexpr std::int32_t kAllDigits = 128;
// Bounds that keep the text of a huge count or a huge value to a few thousand characters
// instead of exhausting memory.
constexpr std::int32_t kMaxDigits = 4096;
constexpr std::int64_t kMaxFixedExponent = 4096;

std::u16string WidenAscii(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

std::ios_base::fmtflags NotationFlags(const ArgList& a) {
    if (a.size() < 3) return {};
    switch (ToInt32(a[2])) {
        case 1:
            return std::ios_base::fixed;
        case 2:
            return std::ios_base::scientific;
        default:
            return {};
    }
}

// Decimal exponent of a finite non-zero value (its first digit stands for 10^e).
std::int64_t DecimalExponent(const Number& x) { return x.backend().order(); }

}  // namespace

Number FnHex(const ArgList& a, std::u16string& text) {
    const std::uint64_t u = ToUInt64(a[0]);
    const auto high = static_cast<unsigned>(u >> 32);
    const auto low = static_cast<unsigned>(u & 0xFFFFFFFFu);
    char buffer[32];
    if (high != 0) {
        std::snprintf(buffer, sizeof buffer, kHexWide, high, low);
    } else {
        std::snprintf(buffer, sizeof buffer, kHexNarrow, low);
    }
    text = WidenAscii(buffer);
    return a[0];
}

Number FnFormat(const ArgList& a, std::u16string& text) {
    const Number& x = a[0];
    std::int32_t digits = ToInt32(a[1]);
    // A negative count has no meaning in any notation; read it like 0.
    if (digits <= 0) digits = kAllDigits;
    if (digits > kMaxDigits) digits = kMaxDigits;
    std::ios_base::fmtflags flags = NotationFlags(a);
    using boost::multiprecision::isfinite;
    if (flags == std::ios_base::fixed && isfinite(x) && x != 0 &&
        DecimalExponent(x) >= kMaxFixedExponent) {
        // Fixed notation would write every integer digit of an astronomically large value.
        flags = std::ios_base::scientific;
    }
    text = WidenAscii(x.str(digits, flags));
    return x;
}

}  // namespace numora
