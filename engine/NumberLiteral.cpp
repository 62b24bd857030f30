#include "engine/NumberLiteral.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/NumberLimbs.h"

namespace numora {

namespace {

char16_t At(std::u16string_view text, std::size_t i) { return i < text.size() ? text[i] : u'\0'; }

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// Hexadecimal (bits 4) or binary (bits 1) digits after the two prefix characters. Bits shifted
// out of the top are lost; the result is read as two's complement.
bool ReadIntegerLiteral(std::u16string_view text, std::size_t& position, int bits, Number& value,
                        std::u16string& detail) {
    const int radix = 1 << bits;
    auto digitValue = [radix](char16_t c) {
        const int v = HexDigitValue(c);
        return v < radix ? v : -1;
    };
    position += 2;
    while (At(text, position) == u'_') ++position;
    if (position >= text.size() || digitValue(text[position]) < 0) {
        detail = bits == 4 ? texts::kNoHexadecimalValue : texts::kNoBinaryValue;
        return false;
    }
    std::uint64_t acc = 0;
    for (; position < text.size(); ++position) {
        const char16_t c = text[position];
        if (c == u'_') continue;
        const int v = digitValue(c);
        if (v < 0) break;
        acc = (acc << bits) | static_cast<std::uint64_t>(v);
    }
    value = Number(static_cast<std::int64_t>(acc));
    return true;
}

// Converts the collected digit text (digits, an optional point, then the exponent part whose
// value is `exponent`), rounded once like every result: digits beyond those a Number holds
// only decide the rounding, and magnitudes beyond its range give infinity or 0.
bool ConvertDecimal(std::string_view text, std::int64_t exponent, Number& value) {
    const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
    // Short digit runs are exact in 64 bits.
    if (mantissa.size() <= 18 && mantissa.find('.') == std::string_view::npos &&
        mantissa.size() == text.size()) {
        std::int64_t integer = 0;
        for (char c : mantissa) integer = integer * 10 + (c - '0');
        value = Number(integer);
        return true;
    }
    // Eighteen limbs of significant digits, the first digit at the top of the first limb.
    constexpr int kTaken = limbs::kLimbs + 2;
    std::array<std::uint32_t, kTaken> digits{};
    int count = 0;  // significant digits taken
    bool sticky = false;
    std::int64_t beforePoint = 0, leadingZeros = 0;
    bool seenPoint = false;
    for (const char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!seenPoint) ++beforePoint;
        if (count == 0 && c == '0') {
            ++leadingZeros;
            continue;
        }
        if (count < kTaken * limbs::kLimbDigits) {
            std::uint32_t& limb = digits[static_cast<std::size_t>(count / limbs::kLimbDigits)];
            limb = limb * 10 + static_cast<std::uint32_t>(c - '0');
            ++count;
        } else if (c != '0') {
            sticky = true;
        }
    }
    if (count == 0) {
        value = Number(0);
        return true;
    }
    for (int i = count; i % limbs::kLimbDigits != 0; ++i) {
        digits[static_cast<std::size_t>(i / limbs::kLimbDigits)] *= 10;
    }
    // The first significant digit weighs 10^(exponent + beforePoint - leadingZeros - 1); it is
    // the eighth digit of the first limb.
    const std::int64_t lead = exponent + beforePoint - leadingZeros - 1;
    value =
        limbs::RoundLimbs(digits.data(), kTaken, lead - (limbs::kLimbDigits - 1), sticky, false);
    return true;
}

bool ReadDecimalLiteral(std::u16string_view text, std::size_t& position, Number& value,
                        std::u16string& detail) {
    enum ExponentState { kNone, kAfterE, kAfterSign, kDigits };
    thread_local std::string collected;  // reused: a thread reads one literal at a time
    collected.clear();
    bool seenPoint = false;
    ExponentState exponentState = kNone;
    bool exponentNegative = false;
    std::int64_t exponent = 0;
    constexpr std::int64_t kSaturated = std::int64_t{1} << 40;

    auto failWith = [&](std::u16string_view suffix) {
        detail = Widen(collected);
        detail += suffix;
        return false;
    };

    for (; position < text.size(); ++position) {
        const char16_t c = text[position];
        if (IsDigit(c)) {
            collected.push_back(static_cast<char>(c));
            if (exponentState != kNone) {
                exponentState = kDigits;
                exponent = std::min(exponent * 10 + (c - u'0'), kSaturated);
            }
        } else if (c == u'e' || c == u'E') {
            collected.push_back(static_cast<char>(c));
            if (exponentState != kNone) {
                ++position;
                return failWith(texts::kMultipleE);
            }
            exponentState = kAfterE;
        } else if (c == u'.') {
            collected.push_back('.');
            if (exponentState != kNone) {
                ++position;
                return failWith(texts::kExponentNotInteger);
            }
            if (seenPoint) {
                ++position;
                return failWith(texts::kMultipleDot);
            }
            seenPoint = true;
        } else if ((c == u'+' || c == u'-') && exponentState == kAfterE) {
            collected.push_back(static_cast<char>(c));
            exponentNegative = c == u'-';
            exponentState = kAfterSign;
        } else if (c == u',') {
            // digit grouping: skipped
        } else {
            break;
        }
    }
    if (exponentState == kAfterE || exponentState == kAfterSign) {
        return failWith(texts::kNoExponentValue);
    }
    if (collected.empty()) {
        detail = texts::kNoDecimalValue;
        return false;
    }
    if (exponentNegative) exponent = -exponent;
    if (exponent > std::numeric_limits<std::int32_t>::max() ||
        exponent < std::numeric_limits<std::int32_t>::min()) {
        return failWith(texts::kExponentOutOfRange);
    }
    return ConvertDecimal(collected, exponent, value);
}

}  // namespace

bool ParseNumberLiteral(std::u16string_view text, std::size_t& position, Number& value,
                        std::u16string& detail) {
    detail.clear();
    const char16_t c0 = At(text, position);
    const char16_t c1 = At(text, position + 1);
    if (c0 == u'0') {
        if (c1 == u'x' || c1 == u'X') return ReadIntegerLiteral(text, position, 4, value, detail);
        if (c1 == u'b' || c1 == u'B') return ReadIntegerLiteral(text, position, 1, value, detail);
        if (c1 == u'd' || c1 == u'D' || c1 == u',') position += 2;
    }
    return ReadDecimalLiteral(text, position, value, detail);
}

}  // namespace numora
