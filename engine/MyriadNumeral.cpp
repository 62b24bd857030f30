#include "engine/MyriadNumeral.h"

#include <algorithm>
#include <array>

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"
#include "engine/NumberLiteral.h"

namespace numora {

namespace {

constexpr char16_t kThousand = u'\u5343';  // 千
constexpr char16_t kHundred = u'\u767E';   // 百
// 万 億 兆 京: 10^4, 10^8, 10^12, 10^16; index 1 to 4, 0 for the units' place.
constexpr std::array<char16_t, 5> kBig = {u'\0', u'\u4E07', u'\u5104', u'\u5146', u'\u4EAC'};

int BigIndex(char16_t c) {
    for (int i = 1; i < static_cast<int>(kBig.size()); ++i) {
        if (kBig[static_cast<std::size_t>(i)] == c) return i;
    }
    return 0;
}

char16_t At(std::u16string_view text, std::size_t i) { return i < text.size() ? text[i] : u'\0'; }

// 10^0 to 10^16, made once: every numeral with a unit scales by them.
const Number& TenTo(int exponent) {
    static const std::array<Number, 17> powers = [] {
        std::array<Number, 17> table;
        table[0] = Number(1);
        for (std::size_t i = 1; i < table.size(); ++i)
            table[i] = Multiply(table[i - 1], Number(10));
        return table;
    }();
    return powers[static_cast<std::size_t>(exponent)];
}

class Reader {
public:
    Reader(std::u16string_view text, std::size_t start, std::u16string& detail)
        : text_(text), start_(start), detail_(detail) {}

    // One group before a big unit or at the end: a literal, or literals scaled by 千 and 百.
    // `limit` (0 for none) is what the group must stay below.
    bool Group(std::size_t& position, const Number& limit, char16_t after, Number& group) {
        group = Number(0);
        int lastSmall = 4;  // 千 is 3, 百 is 2
        for (;;) {
            Number part;
            if (!ParseNumberLiteral(text_, position, part, detail_)) return false;
            const char16_t c = At(text_, position);
            const int small = c == kThousand ? 3 : c == kHundred ? 2 : 0;
            if (small != 0) {
                if (small >= lastSmall) return Fault(position, texts::kMyriadOrder);
                if (lastSmall != 4 && !(part < TenTo(lastSmall - small))) {
                    return Digits(position, lastSmall);
                }
                group = Add(group, Multiply(part, TenTo(small)));
                lastSmall = small;
                ++position;
                const char16_t next = At(text_, position);
                if (next == kThousand || next == kHundred) {
                    return Fault(position, texts::kMyriadOrder);
                }
                if (!IsDigit(next)) break;
                continue;
            }
            if (lastSmall != 4 && !(part < TenTo(lastSmall))) return Digits(position, lastSmall);
            group = Add(group, part);
            break;
        }
        if (!limit.is_zero() && !(group < limit)) {
            return Fault(position, FormatMessage(texts::kMyriadDigits, std::u16string(1, after)));
        }
        return true;
    }

    bool Fault(std::size_t& position, std::u16string_view suffix) {
        const std::size_t end = std::min(position + 1, text_.size());
        detail_.assign(text_.substr(start_, end - start_));
        detail_ += suffix;
        return false;
    }

private:
    bool Digits(std::size_t& position, int unit) {
        return Fault(position, FormatMessage(texts::kMyriadDigits,
                                             std::u16string(1, unit == 3 ? kThousand : kHundred)));
    }

    std::u16string_view text_;
    std::size_t start_;
    std::u16string& detail_;
};

}  // namespace

bool IsMyriadCharacter(char16_t c) { return c == kThousand || c == kHundred || BigIndex(c) != 0; }

bool ParseMyriadNumeral(std::u16string_view text, std::size_t& position, Number& value,
                        std::u16string& detail) {
    const std::size_t start = position;
    if (!ParseNumberLiteral(text, position, value, detail)) return false;
    if (!IsMyriadCharacter(At(text, position))) return true;
    // Hexadecimal and binary literals take no units.
    if (At(text, start) == u'0' && (At(text, start + 1) == u'x' || At(text, start + 1) == u'X' ||
                                    At(text, start + 1) == u'b' || At(text, start + 1) == u'B')) {
        return true;
    }
    position = start;
    Reader reader(text, start, detail);
    Number total(0);
    int lastBig = static_cast<int>(kBig.size());
    char16_t lastUnit = 0;
    for (;;) {
        Number group;
        static const Number none(0);
        const Number& limit = lastUnit == 0 ? none : TenTo(4);
        if (!reader.Group(position, limit, lastUnit, group)) return false;
        const int big = BigIndex(At(text, position));
        if (big == 0) {
            total = Add(total, group);
            break;
        }
        if (big >= lastBig) return reader.Fault(position, texts::kMyriadOrder);
        total = Add(total, Multiply(group, TenTo(4 * big)));
        lastBig = big;
        lastUnit = text[position];
        ++position;
        if (IsMyriadCharacter(At(text, position))) {
            return reader.Fault(position, texts::kMyriadOrder);
        }
        if (!IsDigit(At(text, position))) break;
    }
    value = total;
    detail.clear();
    return true;
}

std::u16string MyriadGrouped(std::u16string_view plain) {
    const std::size_t sign = !plain.empty() && plain.front() == u'-' ? 1 : 0;
    const std::size_t point = std::min(plain.find(u'.'), plain.size());
    for (std::size_t i = sign; i < plain.size(); ++i) {
        if (i != point && !IsDigit(plain[i])) return std::u16string(plain);
    }
    const std::size_t digits = point - sign;
    if (digits <= 4 || digits > 20) return std::u16string(plain);
    std::u16string out(plain.substr(0, sign));
    const std::u16string_view integer = plain.substr(sign, digits);
    // The first group holds what is left over above the groups of four.
    std::size_t at = 0;
    std::size_t groupLength = digits % 4 == 0 ? 4 : digits % 4;
    for (int index = static_cast<int>((digits - 1) / 4); index >= 0; --index) {
        std::u16string_view group = integer.substr(at, groupLength);
        at += groupLength;
        groupLength = 4;
        const std::size_t first = group.find_first_not_of(u'0');
        if (first == std::u16string_view::npos) {
            // A zero units' group is written only to carry a fraction: "1万0.5".
            if (index == 0 && point < plain.size()) out.push_back(u'0');
            continue;
        }
        out += group.substr(first);
        if (index > 0) out.push_back(kBig[static_cast<std::size_t>(index)]);
    }
    out += plain.substr(point);
    return out;
}

}  // namespace numora
