#pragma once
// A value with a unit: the unit is a product of powers of the table's units, each as written
// (prefix and name kept), so that a result reads back as it was typed. Arithmetic on quantities
// checks dimensions and converts with the table's exact factors, multiplying once and dividing
// once.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Number.h"
#include "engine/UnitTable.h"

namespace numora {

// Beyond this a unit's exponent is a mistake, not a unit.
inline constexpr int kMaxUnitPower = 99;

struct UnitTerm {
    std::uint16_t Row = 0;
    std::int8_t Prefix = -1;  // index into UnitPrefixes(), -1 none
    std::uint8_t Alias = 0;   // which of the row's names was written
    std::int16_t Power = 1;

    bool SameName(const UnitTerm& other) const {
        return Row == other.Row && Prefix == other.Prefix && Alias == other.Alias;
    }
    bool operator==(const UnitTerm&) const = default;
};

// Empty: a bare number.
struct Unit {
    std::vector<UnitTerm> Terms;

    bool Empty() const { return Terms.empty(); }
    bool operator==(const Unit&) const = default;
};

struct Quantity {
    Number Value{0};
    Unit Of;
};

Dimension DimensionOf(const Unit& unit);
// The kind of a unit that is one temperature name to the first power; None otherwise.
TemperatureKind TemperatureOf(const Unit& unit);
// True when one of the terms is a scale with its own zero (°C, °F).
bool HasAbsoluteTemperature(const Unit& unit);

// "km/h", "m²", "kg·m/s²", "s^-1": what the reader reads back as the same unit.
std::u16string UnitText(const Unit& unit);
// " [km/h]" after a value's digits, as a result line writes a quantity.
void AppendUnitSuffix(std::u16string& text, const Unit& unit);
// "[km/h]", or "No Unit" for a bare number, as error messages name them.
std::u16string UnitLabel(const Unit& unit);

// `term` multiplied into `unit` as the reader writes it: the same name adds its power.
void AppendTerm(Unit& unit, const UnitTerm& term);

// Each returns false with `message` set when the units do not allow the operation.
// a ± b: the same dimension; the result is in a's unit (temperatures by their own rules).
bool AddQuantity(Number& a, Unit& ua, const Number& b, const Unit& ub, bool subtract,
                 std::u16string& message);
// a × b or a ÷ b (b nonzero): the units composed, identical names cancelled, names of one
// dimension converted to the left one's, and a dimensionless result made a bare number.
bool MultiplyQuantity(Number& a, Unit& ua, const Number& b, const Unit& ub, bool divide,
                      std::u16string& message);
// a ^ b: b a bare number, an integer when a has a unit.
bool PowerQuantity(Number& a, Unit& ua, const Number& b, const Unit& ub, std::u16string& message);
// `value` in `unit` converted to `target`.
bool ConvertQuantity(Number& value, Unit& unit, const Unit& target, std::u16string& message);
// The unit of the q-th root: every power divisible by q.
bool RootUnit(Unit& unit, int q, std::u16string& message);
// An angle as radians (or a bare number as it is).
bool AsRadians(Number& value, const Unit& unit, std::u16string& message);

}  // namespace numora
