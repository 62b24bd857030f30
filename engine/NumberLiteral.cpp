#include "engine/NumberLiteral.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"

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

// Beyond these magnitudes the decimal-string constructor could overflow its own exponent
// arithmetic, so such texts are normalised first; both bounds are far outside Number's range.
constexpr std::int64_t kDirectExponentLimit = 1'000'000'000;
constexpr std::size_t kDirectLengthLimit = 100'000'000;

// Converts the collected digit text. `exponent` is the value of its exponent part (0 when
// absent) and lies within the signed 32-bit range.
bool ConvertDecimal(const std::string& digits, std::int64_t exponent, Number& value,
                    std::u16string& detail) {
    // Short digit runs are exact in 64 bits and skip the slower string conversion.
    if (digits.size() <= 18 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        std::int64_t integer = 0;
        for (char c : digits) integer = integer * 10 + (c - '0');
        value = Number(integer);
        return true;
    }
    try {
        if (digits.size() < kDirectLengthLimit && exponent >= -kDirectExponentLimit &&
            exponent <= kDirectExponentLimit) {
            value = Number(digits);
            return true;
        }
        // Decimal exponent of the first significant digit, computed without overflow.
        std::string significant;
        std::int64_t beforePoint = 0;
        bool seenPoint = false;
        std::int64_t leadingZeros = 0;
        for (char c : digits) {
            if (c == 'e' || c == 'E') break;
            if (c == '.') {
                seenPoint = true;
                continue;
            }
            if (!seenPoint) ++beforePoint;
            if (significant.empty() && c == '0') {
                ++leadingZeros;
                continue;
            }
            significant.push_back(c);
        }
        if (significant.empty()) {
            value = Number(0);
            return true;
        }
        const std::int64_t leading = exponent + beforePoint - leadingZeros - 1;
        if (leading > kDirectExponentLimit) {
            value = std::numeric_limits<Number>::infinity();
        } else if (leading < -kDirectExponentLimit) {
            value = Number(0);
        } else {
            value = Number("0." + significant + "e" + std::to_string(leading + 1));
        }
        return true;
    } catch (...) {
        // The checks above leave nothing the constructor should reject; stay safe regardless.
        detail = Widen(digits);
        detail += texts::kUnreadableValue;
        return false;
    }
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
    return ConvertDecimal(collected, exponent, value, detail);
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
