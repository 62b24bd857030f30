#include "engine/Quantity.h"

#include <boost/math/constants/constants.hpp>
#include <cstdlib>

#include "engine/EngineTexts.h"
#include "engine/ExactArith.h"

namespace numora {

namespace {

// A unit's size in coherent units: N / D * pi^Pi. N and D are exact while they fit a Number.
// A side that is exactly 1 is marked so, and never multiplied by or with: most units have a
// denominator of 1 and most conversions one side of 1.
struct Ratio {
    Number N{1};
    Number D{1};
    int Pi = 0;
    bool NOne = true;
    bool DOne = true;
    int Ten = 0;  // the prefixes' powers of ten, kept apart so that they never divide
};

const Number& Pi() {
    static const Number pi = boost::math::constants::pi<Number>();
    return pi;
}

Number PowerOfTen(int exponent) {
    static const std::vector<Number> powers = [] {
        std::vector<Number> all;
        for (int e = -30; e <= 30; ++e) all.emplace_back("1e" + std::to_string(e));
        return all;
    }();
    if (exponent < -30 || exponent > 30) return Number("1e" + std::to_string(exponent));
    return powers[static_cast<std::size_t>(exponent + 30)];
}

void Times(Number& x, bool& one, const Number& factor) {
    if (factor == 1) return;
    if (one) {
        x = factor;
        one = false;
    } else {
        MultiplyBy(x, factor);
    }
}

void MultiplyTerm(Ratio& ratio, const UnitTerm& term) {
    const UnitFactor& factor = FactorOf(term.Row);
    const bool up = term.Power > 0;
    const int count = std::abs(term.Power);
    for (int i = 0; i < count; ++i) {
        Times(up ? ratio.N : ratio.D, up ? ratio.NOne : ratio.DOne, factor.Numerator);
        Times(up ? ratio.D : ratio.N, up ? ratio.DOne : ratio.NOne, factor.Denominator);
    }
    ratio.Pi += UnitRows()[term.Row].PiPower * term.Power;
    if (term.Prefix >= 0) ratio.Ten += UnitPrefixes()[term.Prefix].Exponent * term.Power;
}

Ratio RatioOf(const Unit& unit) {
    Ratio ratio;
    for (const UnitTerm& term : unit.Terms) MultiplyTerm(ratio, term);
    return ratio;
}

// value × from / to, multiplying once and dividing once.
Number Rescale(const Number& value, const Ratio& from, const Ratio& to) {
    Number n{1}, d{1};
    bool nOne = true, dOne = true;
    if (!from.NOne) Times(n, nOne, from.N);
    if (!to.DOne) Times(n, nOne, to.D);
    if (!from.DOne) Times(d, dOne, from.D);
    if (!to.NOne) Times(d, dOne, to.N);
    // Exact: a power of ten only moves the decimal point.
    if (from.Ten != to.Ten) Times(n, nOne, PowerOfTen(from.Ten - to.Ten));
    Number result = nOne ? value : Multiply(value, n);
    if (!dOne) result = Divide(result, d);
    for (int k = from.Pi - to.Pi; k > 0; --k) MultiplyBy(result, Pi());
    for (int k = from.Pi - to.Pi; k < 0; ++k) result = Divide(result, Pi());
    return result;
}

bool IsZero(const Dimension& d) {
    for (const auto e : d) {
        if (e != 0) return false;
    }
    return true;
}

std::u16string PowerSuffix(int power) {
    if (power == 1) return {};
    if (power == 2) return u"\u00B2";
    if (power == 3) return u"\u00B3";
    const std::string digits = std::to_string(power);
    return u"^" + std::u16string(digits.begin(), digits.end());
}

std::u16string TermName(const UnitTerm& term) {
    std::u16string name;
    if (term.Prefix >= 0) name = UnitPrefixes()[term.Prefix].Name;
    name += UnitRows()[term.Row].Names[term.Alias];
    return name;
}

std::u16string Mismatch(const Unit& a, const Unit& b, bool subtract) {
    std::u16string message(texts::kUnitMismatch);
    message += UnitLabel(a);
    message += subtract ? u" - " : u" + ";
    message += UnitLabel(b);
    return message;
}

std::u16string CannotConvert(const Unit& from, const Unit& to) {
    return FormatMessage(FormatMessage(texts::kCannotConvert, UnitLabel(from)), UnitLabel(to));
}

// Between two temperature scales, each a single name: through the kelvin, zeros included.
Number ConvertAbsolute(const Number& value, const Unit& from, const Unit& to) {
    const Number& fromZero = FactorOf(from.Terms.front().Row).Offset;
    const Number& toZero = FactorOf(to.Terms.front().Row).Offset;
    const Number kelvin = Rescale(Add(value, fromZero), RatioOf(from), RatioOf(to));
    return Subtract(kelvin, toZero);
}

// The interval unit of an absolute scale (°C gives Δ°C), written as the scale was.
Unit DifferenceOf(const Unit& absolute) {
    UnitTerm term = absolute.Terms.front();
    const int row = FindUnitRow(u"\u0394" + std::u16string(UnitRows()[term.Row].Names[0]));
    if (row >= 0) term.Row = static_cast<std::uint16_t>(row);
    return Unit{{term}};
}

}  // namespace

Dimension DimensionOf(const Unit& unit) {
    Dimension d{};
    for (const UnitTerm& term : unit.Terms) {
        const Dimension& row = UnitRows()[term.Row].Dim;
        for (std::size_t i = 0; i < kDimensionCount; ++i) {
            d[i] = static_cast<std::int8_t>(d[i] + row[i] * term.Power);
        }
    }
    return d;
}

TemperatureKind TemperatureOf(const Unit& unit) {
    if (unit.Terms.size() != 1 || unit.Terms.front().Power != 1) return TemperatureKind::None;
    return UnitRows()[unit.Terms.front().Row].Temperature;
}

bool HasAbsoluteTemperature(const Unit& unit) {
    for (const UnitTerm& term : unit.Terms) {
        if (UnitRows()[term.Row].Temperature == TemperatureKind::Absolute) return true;
    }
    return false;
}

std::u16string UnitText(const Unit& unit) {
    std::u16string text;
    bool anyPositive = false;
    for (const UnitTerm& term : unit.Terms) {
        if (term.Power <= 0) continue;
        if (anyPositive) text += u'\u00B7';
        text += TermName(term) + PowerSuffix(term.Power);
        anyPositive = true;
    }
    bool first = true;
    for (const UnitTerm& term : unit.Terms) {
        if (term.Power >= 0) continue;
        if (anyPositive) {
            text += u'/';
            text += TermName(term) + PowerSuffix(-term.Power);
        } else {
            if (!first) text += u'\u00B7';
            text += TermName(term) + PowerSuffix(term.Power);
        }
        first = false;
    }
    return text;
}

void AppendUnitSuffix(std::u16string& text, const Unit& unit) {
    text += u" [";
    text += UnitText(unit);
    text += u']';
}

std::u16string UnitLabel(const Unit& unit) {
    if (unit.Empty()) return std::u16string(texts::kNoUnitLabel);
    return u"[" + UnitText(unit) + u"]";
}

void AppendTerm(Unit& unit, const UnitTerm& term) {
    for (auto it = unit.Terms.begin(); it != unit.Terms.end(); ++it) {
        if (it->SameName(term)) {
            it->Power = static_cast<std::int16_t>(it->Power + term.Power);
            if (it->Power == 0) unit.Terms.erase(it);
            return;
        }
    }
    if (term.Power != 0) unit.Terms.push_back(term);
}

bool AddQuantity(Number& a, Unit& ua, const Number& b, const Unit& ub, bool subtract,
                 std::u16string& message) {
    if (DimensionOf(ua) != DimensionOf(ub)) {
        message = Mismatch(ua, ub, subtract);
        return false;
    }
    const TemperatureKind ka = TemperatureOf(ua);
    const TemperatureKind kb = TemperatureOf(ub);
    using K = TemperatureKind;
    if (ka == K::Absolute || kb == K::Absolute) {
        if (!subtract) {
            if (ka == K::Absolute && kb == K::Absolute) {
                message = texts::kTemperaturesAdded;
                return false;
            }
            if (ka == K::Absolute) {
                a = Add(a, Rescale(b, RatioOf(ub), RatioOf(ua)));
            } else {
                a = Add(Rescale(a, RatioOf(ua), RatioOf(ub)), b);
                ua = ub;
            }
            return true;
        }
        if (ka == K::Absolute && kb == K::Absolute) {
            a = Subtract(a, ConvertAbsolute(b, ub, ua));
            ua = DifferenceOf(ua);
        } else if (ka == K::Absolute) {
            a = Subtract(a, Rescale(b, RatioOf(ub), RatioOf(ua)));
        } else if (ka == K::Kelvin) {
            a = Subtract(a, ConvertAbsolute(b, ub, ua));
        } else {
            message = texts::kTemperatureSubtracted;
            return false;
        }
        return true;
    }
    if (ua == ub) {
        a = subtract ? Subtract(a, b) : Add(a, b);
    } else {
        const Number scaled = Rescale(b, RatioOf(ub), RatioOf(ua));
        a = subtract ? Subtract(a, scaled) : Add(a, scaled);
    }
    return true;
}

bool MultiplyQuantity(Number& a, Unit& ua, const Number& b, const Unit& ub, bool divide,
                      std::u16string& message) {
    if (HasAbsoluteTemperature(ua) || HasAbsoluteTemperature(ub)) {
        message = texts::kTemperatureScaled;
        return false;
    }
    a = divide ? Divide(a, b) : Multiply(a, b);
    for (UnitTerm term : ub.Terms) {
        if (divide) term.Power = static_cast<std::int16_t>(-term.Power);
        // A name of the same dimension as one on the left is converted to it first.
        const Dimension& dim = UnitRows()[term.Row].Dim;
        for (const UnitTerm& left : ua.Terms) {
            if (left.SameName(term) || UnitRows()[left.Row].Dim != dim) continue;
            UnitTerm one = term;
            one.Power = 1;
            UnitTerm target = left;
            target.Power = 1;
            const Ratio from = RatioOf(Unit{{one}});
            const Ratio to = RatioOf(Unit{{target}});
            for (int k = 0; k < std::abs(term.Power); ++k) {
                a = term.Power > 0 ? Rescale(a, from, to) : Rescale(a, to, from);
            }
            term.Row = left.Row;
            term.Prefix = left.Prefix;
            term.Alias = left.Alias;
            break;
        }
        AppendTerm(ua, term);
    }
    for (const UnitTerm& term : ua.Terms) {
        if (std::abs(term.Power) > kMaxUnitPower) {
            message = texts::kUnitExponentRange;
            return false;
        }
    }
    if (!ua.Empty() && IsZero(DimensionOf(ua))) {
        a = Rescale(a, RatioOf(ua), Ratio{});
        ua.Terms.clear();
    }
    return true;
}

bool PowerQuantity(Number& a, Unit& ua, const Number& b, const Unit& ub, std::u16string& message) {
    if (!ub.Empty()) {
        message = texts::kExponentWithUnit;
        return false;
    }
    if (ua.Empty()) {
        a = Power(a, b);
        return true;
    }
    if (HasAbsoluteTemperature(ua)) {
        message = texts::kTemperatureScaled;
        return false;
    }
    if (!IsInteger(b)) {
        message = texts::kUnitExponent;
        return false;
    }
    if (abs(b) > kMaxUnitPower) {
        message = texts::kUnitExponentRange;
        return false;
    }
    const int n = b.convert_to<int>();
    for (UnitTerm& term : ua.Terms) {
        if (std::abs(term.Power * n) > kMaxUnitPower) {
            message = texts::kUnitExponentRange;
            return false;
        }
        term.Power = static_cast<std::int16_t>(term.Power * n);
    }
    if (n == 0) ua.Terms.clear();
    a = Power(a, b);
    return true;
}

bool ConvertQuantity(Number& value, Unit& unit, const Unit& target, std::u16string& message) {
    if (unit.Empty() || DimensionOf(unit) != DimensionOf(target)) {
        message = CannotConvert(unit, target);
        return false;
    }
    using K = TemperatureKind;
    const K from = TemperatureOf(unit);
    const K to = TemperatureOf(target);
    const bool fromAbsolute = from == K::Absolute || from == K::Kelvin;
    const bool toAbsolute = to == K::Absolute || to == K::Kelvin;
    if (from == K::Absolute || to == K::Absolute) {
        // A scale converts to a scale; an interval never becomes a point on one.
        if (!fromAbsolute || !toAbsolute) {
            message = CannotConvert(unit, target);
            return false;
        }
        value = ConvertAbsolute(value, unit, target);
    } else if (unit != target) {
        value = Rescale(value, RatioOf(unit), RatioOf(target));
    }
    unit = target;
    return true;
}

bool RootUnit(Unit& unit, int q, std::u16string& message) {
    if (HasAbsoluteTemperature(unit)) {
        message = texts::kTemperatureScaled;
        return false;
    }
    for (const UnitTerm& term : unit.Terms) {
        if (term.Power % q != 0) {
            message = texts::kUnitExponent;
            return false;
        }
    }
    for (UnitTerm& term : unit.Terms) term.Power = static_cast<std::int16_t>(term.Power / q);
    return true;
}

bool AsRadians(Number& value, const Unit& unit, std::u16string& message) {
    if (unit.Empty()) return true;
    Dimension angle{};
    angle[kDimensionCount - 1] = 1;
    if (DimensionOf(unit) != angle) {
        message = texts::kUnitNotAllowed;
        return false;
    }
    value = Rescale(value, RatioOf(unit), Ratio{});
    return true;
}

}  // namespace numora
