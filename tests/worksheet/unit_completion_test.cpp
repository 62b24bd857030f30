// Help while typing a unit in square brackets, as text: which unit name is being typed and what
// it may become.
#include <gtest/gtest.h>

#include <optional>

#include "base/Text.h"
#include "engine/UnitTable.h"
#include "worksheet/Completion.h"
#include "worksheet/UnitCompletion.h"

namespace numora {
namespace {

std::vector<std::string> Names(std::u16string_view typed, std::size_t limit = 16) {
    std::vector<std::string> names;
    for (const UnitChoice& choice : FindUnits(typed, limit)) {
        names.push_back(Utf16ToUtf8(choice.name));
    }
    return names;
}

TEST(UnitCompletion, TheUnitBeingTypedStandsInAnOpenBracket) {
    struct Case {
        const char16_t* paragraph;
        std::int32_t column;  // -1: the end
        std::optional<std::u16string> unit;
        std::int32_t start = 0;
    };
    const Case cases[] = {
        {u"5[", -1, u"", 2},  // right after the bracket: every unit may follow
        {u"5[ft] + 2[i", -1, u"i", 10},
        {u"100 [km/h", -1, u"h", 8},
        {u"1[kg·m", -1, u"m", 5},
        {u"1[m^2*k", -1, u"k", 6},
        {u"@ -> [尺", -1, u"尺", 6},
        {u"5［ｋ", -1, u"ｋ", 2},  // full width, as the engine folds it
        {u"x = 3[ft] -> [c]", 15, u"c", 14},
        {u"1[m^2", -1, std::nullopt},     // a power
        {u"a[1", -1, std::nullopt},       // an index of a name
        {u"5[m] * k", -1, std::nullopt},  // the bracket is closed
        {u"5[m] + (2", -1, std::nullopt},
        {u"sin(x", -1, std::nullopt},
        {u"[km]", 2, std::nullopt},       // inside a longer name
        {u"1 // 5[k", -1, std::nullopt},  // a comment
        {u">5 [k", -1, std::nullopt},     // a result line
    };
    for (const Case& c : cases) {
        const std::u16string_view paragraph = c.paragraph;
        const std::int32_t column =
            c.column < 0 ? static_cast<std::int32_t>(paragraph.size()) : c.column;
        const auto typed = UnitBeforeCaret(paragraph, column);
        ASSERT_EQ(typed.has_value(), c.unit.has_value()) << Utf16ToUtf8(paragraph);
        if (!typed) continue;
        EXPECT_EQ(typed->text, *c.unit) << Utf16ToUtf8(paragraph);
        EXPECT_EQ(typed->start, c.start) << Utf16ToUtf8(paragraph);
    }
}

TEST(UnitCompletion, UnitsAreFoundByTheStartOfTheirNamesBestFirst) {
    struct Case {
        const char16_t* typed;
        std::size_t limit;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        // The common ones lead an empty bracket.
        {u"", 5, {"m", "cm", "mm", "km", "kg"}},
        // Letter case decides first: the metre's prefixes before the mega ones.
        {u"m", 6, {"m", "mm", "mL", "min", "mi", "mg"}},
        {u"M", 4, {"MPa", "MHz", "MB", "MiB"}},
        // A prefix alone gives the common prefixed units; with more typed, every unit it fits.
        {u"k", 4, {"km", "kg", "kWh", "kW"}},
        {u"kP", 16, {"kPa"}},  // PS takes no prefix
        {u"kc", 16, {"kcal", "kcd"}},
        // Another case only where nothing else fits.
        {u"KM", 16, {"km"}},
        {u"deg", 16, {"deg", "degC", "degF"}},
        // Japan's units by their readings.
        {u"しゃ", 16, {"尺"}},
        {u"つ", 16, {"坪"}},
        {u"坪", 16, {"坪"}},
        {u"xyz", 16, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Names(c.typed, c.limit), c.names) << Utf16ToUtf8(c.typed);
    }
}

TEST(UnitCompletion, EveryFoundNameReadsAsItsUnit) {
    for (const char16_t* typed : {u"", u"m", u"k", u"G", u"µ", u"d", u"°", u"Δ", u"c"}) {
        for (const UnitChoice& choice : FindUnits(typed, 1000)) {
            UnitName unit;
            std::u16string hint;
            ASSERT_EQ(FindUnitName(choice.name, unit, hint), NameLookup::Found)
                << Utf16ToUtf8(choice.name);
            EXPECT_EQ(unit.Row, choice.row) << Utf16ToUtf8(choice.name);
            EXPECT_EQ(unit.Prefix, choice.prefix) << Utf16ToUtf8(choice.name);
        }
    }
}

TEST(UnitCompletion, JapansUnitsHaveTheirReadings) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"尺", u"しゃく"}, {u"寸", u"すん"}, {u"間", u"けん"},   {u"里", u"り"},
        {u"坪", u"つぼ"},   {u"合", u"ごう"}, {u"升", u"しょう"}, {u"貫", u"かん"},
        {u"匁", u"もんめ"}, {u"m", u""},      {u"min", u""},
    };
    for (const auto& [name, reading] : cases) {
        const int row = FindUnitRow(name);
        ASSERT_GE(row, 0) << Utf16ToUtf8(name);
        EXPECT_EQ(ReadingOf(static_cast<std::size_t>(row)), reading) << Utf16ToUtf8(name);
    }
}

}  // namespace
}  // namespace numora
