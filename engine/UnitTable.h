#pragma once
// The units that may stand in square brackets: one row a unit, with its dimension, its exact factor
// to the coherent SI unit of that dimension and the document the factor comes from.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Number.h"

namespace numora {

// Exponents over length, mass, time, current, temperature, amount, luminous intensity,
// information (bit) and plane angle (radian).
inline constexpr std::size_t kDimensionCount = 9;
using Dimension = std::array<std::int8_t, kDimensionCount>;

enum class UnitSource : std::uint8_t {
    SiBrochure,      // BIPM, The International System of Units, 9th edition (2019)
    Nist811,         // NIST Special Publication 811 (2008), appendix B
    YardPound1959,   // the international yard and pound agreement of 1959
    MeasurementLaw,  // Japan's measurement law (計量法) and its ordinances' tables
    Iec80000         // IEC 80000-13, the bit, the byte and the binary prefixes
};

enum class PrefixUse : std::uint8_t { None, All, Large };

enum class TemperatureKind : std::uint8_t {
    None,
    Absolute,    // a scale with its own zero (°C, °F): value + Offset is on the kelvin's scale
    Difference,  // an interval of such a scale (Δ°C, Δ°F)
    Kelvin       // both at once
};

struct UnitRow {
    // The first name is how the unit is written back; the others are read as the same unit.
    std::array<std::u16string_view, 3> Names;
    Dimension Dim;
    // The coherent unit per this unit is Numerator / Denominator * pi^PiPower, exactly.
    std::string_view Numerator;
    std::string_view Denominator;
    std::int8_t PiPower;
    PrefixUse Prefixes;
    TemperatureKind Temperature;
    std::string_view Offset;  // absolute scales: the scale's zero in this unit, below absolute zero
    UnitSource Source;
    // What the completion list says of it: "尺 (しゃく) = 10/33 m", the name alone for a unit the
    // SI defines; in Japanese, and in English.
    std::u16string_view Help;
    std::u16string_view English;
};

struct UnitPrefix {
    std::u16string_view Name;
    std::int8_t Exponent;  // of ten
};

const std::vector<UnitRow>& UnitRows();
const std::vector<UnitPrefix>& UnitPrefixes();

// The row's factor and offset as numbers, read once.
struct UnitFactor {
    Number Numerator;
    Number Denominator;
    Number Offset;
};
const UnitFactor& FactorOf(std::size_t row);

// One name in a bracket, found: the row, the prefix (-1 none) and which of the row's names.
struct UnitName {
    std::uint16_t Row = 0;
    std::int8_t Prefix = -1;
    std::uint8_t Alias = 0;
};

enum class NameLookup { Found, Unknown, Ambiguous };

// Looks a name up exactly (names are case-sensitive): a row's name, or a prefix and a name of a
// row that takes it. `hint` receives, for Unknown, the closest known name or nothing, and for
// Ambiguous, what to write instead.
NameLookup FindUnitName(std::u16string_view name, UnitName& found, std::u16string& hint);

// The row index of the name written exactly `name` without a prefix, or -1.
int FindUnitRow(std::u16string_view name);

// One unit as a list of choices shows it (completion after '['), in the table's order.
struct UnitListing {
    std::u16string_view Symbol;                // as it is written in brackets: "m", "尺", "°C"
    std::vector<std::u16string_view> Aliases;  // other names read as the same unit: "ohm"
    std::u16string_view Name;     // "メートル", "尺"; the Japanese line up to " = "
    std::u16string_view Reading;  // "しゃく" for Japan's units; empty otherwise
    std::u16string_view Help;     // "尺 (しゃく) = 10/33 m"
    std::u16string_view English;  // "shaku = 10/33 m"
    Dimension Dim;
    std::u16string_view DimensionName;     // "長さ"; empty for a dimension without a name
    std::u16string_view DimensionEnglish;  // "length"
    bool TakesPrefixes = false;            // "k", "m", ... may stand before the symbol
    bool LargePrefixesOnly = false;        // only "k" and larger ("kB", "kt")
};
const std::vector<UnitListing>& ListUnits();

// "長さ" / "length" for the dimensions the table's units have; empty for any other.
std::u16string_view DimensionName(const Dimension& dim, bool english);

}  // namespace numora
