#include "engine/UnitReader.h"

#include "engine/CharClass.h"
#include "engine/EngineTexts.h"

namespace numora {

namespace {

bool EndsName(char16_t c) {
    switch (c) {
        case u']':
        case u'[':
        case u'(':
        case u')':
        case u'*':
        case u'\u00B7':
        case u'\u00D7':
        case u'/':
        case u'\u00F7':
        case u'^':
        case u'\u00B2':
        case u'\u00B3':
        case u'+':
        case u'-':
        case u';':
            return true;
        default:
            return IsBlank(c);
    }
}

char16_t At(std::u16string_view text, std::size_t i) { return i < text.size() ? text[i] : u'\0'; }

bool Fail(std::u16string_view message, std::size_t at, std::u16string& out, std::size_t& position) {
    out = message;
    position = at;
    return false;
}

// The power after a name; 1 when none is written.
bool ReadPower(std::u16string_view text, std::size_t& position, int& power,
               std::u16string& message) {
    power = 1;
    const char16_t c = At(text, position);
    if (c == u'\u00B2' || c == u'\u00B3') {
        power = c == u'\u00B2' ? 2 : 3;
        ++position;
        return true;
    }
    if (c != u'^') return true;
    ++position;
    bool negative = false;
    if (At(text, position) == u'-' || At(text, position) == u'+') {
        negative = At(text, position) == u'-';
        ++position;
    }
    if (!IsDigit(At(text, position))) return Fail(texts::kInvalidUnit, position, message, position);
    power = 0;
    while (IsDigit(At(text, position))) {
        power = power * 10 + (text[position] - u'0');
        if (power > kMaxUnitPower) {
            return Fail(texts::kUnitExponentRange, position, message, position);
        }
        ++position;
    }
    if (negative) power = -power;
    return true;
}

}  // namespace

bool ReadUnitBracket(std::u16string_view text, std::size_t& position, Unit& unit,
                     std::u16string& message) {
    unit.Terms.clear();
    const std::size_t open = position;
    ++position;
    SkipBlanks(text, position);
    if (At(text, position) == u']') return Fail(texts::kNoUnit, position, message, position);
    bool divide = false;
    if (At(text, position) == u'1') {
        std::size_t after = position + 1;
        SkipBlanks(text, after);
        if (At(text, after) == u'/' || At(text, after) == u'\u00F7') position = after;
    }
    if (At(text, position) == u'/' || At(text, position) == u'\u00F7') {
        if (position == open + 1) return Fail(texts::kInvalidUnit, position, message, position);
        divide = true;
        ++position;
    }
    std::u16string hint;
    for (;;) {
        SkipBlanks(text, position);
        const std::size_t start = position;
        while (position < text.size() && !EndsName(text[position])) ++position;
        if (position == start) {
            if (position >= text.size()) {
                return Fail(texts::kNoUnitBracket, position, message, position);
            }
            return Fail(texts::kInvalidUnit, position, message, position);
        }
        const std::u16string_view name = text.substr(start, position - start);
        UnitName found;
        switch (FindUnitName(name, found, hint)) {
            case NameLookup::Found:
                break;
            case NameLookup::Ambiguous:
                message = FormatMessage(FormatMessage(texts::kAmbiguousUnit, name), hint);
                position = start;
                return false;
            case NameLookup::Unknown:
                message = FormatMessage(texts::kUnknownUnit, name);
                if (!hint.empty()) message += FormatMessage(texts::kDidYouMean, hint);
                position = start;
                return false;
        }
        int power = 1;
        if (!ReadPower(text, position, power, message)) return false;
        const UnitTerm term{found.Row, found.Prefix, found.Alias,
                            static_cast<std::int16_t>(divide ? -power : power)};
        if (UnitRows()[term.Row].Temperature == TemperatureKind::Absolute &&
            (term.Power != 1 || !unit.Empty())) {
            return Fail(texts::kTemperatureScaled, start, message, position);
        }
        if (HasAbsoluteTemperature(unit)) {
            return Fail(texts::kTemperatureScaled, start, message, position);
        }
        AppendTerm(unit, term);
        SkipBlanks(text, position);
        const char16_t c = At(text, position);
        if (c == u']') {
            ++position;
            return true;
        }
        if (c == u'*' || c == u'\u00B7' || c == u'\u00D7') {
            divide = false;
        } else if (c == u'/' || c == u'\u00F7') {
            divide = true;
        } else if (position >= text.size() || c == u'[') {
            return Fail(texts::kNoUnitBracket, position, message, position);
        } else {
            return Fail(texts::kInvalidUnit, position, message, position);
        }
        ++position;
    }
}

}  // namespace numora
