#include "engine/Format.h"

#include <algorithm>
#include <cstdint>

#include "base/DigitLimits.h"
#include "engine/CalcEngine.h"
#include "engine/IntConvert.h"

namespace numora {

std::u16string FormatNumber(const Number& value, int digits) {
    const std::string text =
        value.str(std::clamp(digits, 0, kMaxResultDigits), std::ios_base::fmtflags{});
    return std::u16string(text.begin(), text.end());
}

std::u16string GroupedDigits(std::u16string_view text) {
    const std::size_t sign = !text.empty() && text.front() == u'-' ? 1 : 0;
    const std::size_t point = std::min(text.find(u'.'), text.size());
    for (std::size_t i = sign; i < text.size(); ++i) {
        if (i != point && (text[i] < u'0' || text[i] > u'9')) return std::u16string(text);
    }
    const std::size_t digits = point - sign;
    if (digits <= 3) return std::u16string(text);
    std::u16string out(text.substr(0, sign));
    out.reserve(text.size() + digits / 3);
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out.push_back(u',');
        out.push_back(text[sign + i]);
    }
    out += text.substr(point);
    return out;
}

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// Four digits per group, each group followed by a space.
std::u16string Grouped(const std::u16string& digits) {
    std::u16string out;
    out.reserve(digits.size() + digits.size() / 4);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        out.push_back(digits[i]);
        if (i % 4 == 3) out.push_back(u' ');
    }
    return out;
}

std::u16string Hexadecimal(std::uint64_t bits, bool grouped) {
    std::u16string all(16, u'0');
    for (int i = 15; i >= 0; --i, bits >>= 4)
        all[static_cast<std::size_t>(i)] = kHexDigits[bits & 0xF];
    if (grouped) return Grouped(all);
    const std::size_t first = std::min(all.find_first_not_of(u'0'), all.size() - 1);
    return u"0x" + all.substr(first);
}

std::u16string Binary(std::uint64_t bits, bool grouped) {
    std::u16string all(64, u'0');
    for (int i = 63; i >= 0; --i, bits >>= 1)
        all[static_cast<std::size_t>(i)] = (bits & 1) ? u'1' : u'0';
    if (grouped) return Grouped(all.substr(32));  // the low 32 bits fit the pane
    const std::size_t first = all.find(u'1');
    return first == std::u16string::npos ? std::u16string(u"0b") : u"0b" + all.substr(first);
}

}  // namespace

std::u16string FormatStatusText(StatusFormat format, bool grouped, const Number& value,
                                const std::u16string& decimalText) {
    switch (format) {
        case StatusFormat::Hexadecimal:
            return Hexadecimal(ToUInt64(value), grouped);
        case StatusFormat::Binary:
            return Binary(ToUInt64(value), grouped);
        case StatusFormat::Decimal:
            break;
    }
    return decimalText;
}

}  // namespace numora
