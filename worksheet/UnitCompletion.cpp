#include "worksheet/UnitCompletion.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "base/Text.h"
#include "engine/UnitTable.h"

namespace numora {

namespace {

// What people write most often, the most first: these lead the list right after "[".
constexpr std::u16string_view kCommon[] = {
    u"m",  u"cm",  u"mm",  u"km",  u"kg",  u"g",    u"L",   u"mL",  u"s",   u"min", u"h",
    u"°C", u"°F",  u"K",   u"in",  u"ft",  u"yd",   u"mi",  u"lb",  u"oz",  u"坪",  u"尺",
    u"寸", u"間",  u"合",  u"升",  u"ha",  u"t",    u"d",   u"mg",  u"µm",  u"nm",  u"kWh",
    u"Wh", u"kW",  u"W",   u"kJ",  u"J",   u"kcal", u"cal", u"kPa", u"hPa", u"MPa", u"Pa",
    u"N",  u"kN",  u"Hz",  u"kHz", u"MHz", u"GHz",  u"ms",  u"µs",  u"ns",  u"A",   u"mA",
    u"V",  u"kV",  u"mV",  u"B",   u"kB",  u"MB",   u"GB",  u"TB",  u"KiB", u"MiB", u"GiB",
    u"°",  u"rad", u"mph", u"kn",  u"gal", u"acre"};

bool TakesPrefix(const UnitRow& row, const UnitPrefix& prefix) {
    return row.Prefixes == PrefixUse::All ||
           (row.Prefixes == PrefixUse::Large && prefix.Exponent >= 3);
}

std::int32_t UsageOf(std::u16string_view name) {
    const auto* found = std::find(std::begin(kCommon), std::end(kCommon), name);
    return static_cast<std::int32_t>(std::end(kCommon) - found);
}

bool StartsIgnoringCase(std::u16string_view name, std::u16string_view typed) {
    return name.size() >= typed.size() &&
           ToLowerAscii(name.substr(0, typed.size())) == ToLowerAscii(typed);
}

struct Candidate {
    bool otherCase;
    std::int32_t rarity;
    std::size_t length;
    std::size_t order;
    UnitChoice choice;
};

}  // namespace

std::u16string_view ReadingOf(std::size_t row) {
    const UnitRow& unit = UnitRows()[row];
    const std::u16string_view help = unit.Help;
    const std::u16string_view name = unit.Names[0];
    if (!help.starts_with(name) || help.substr(name.size()).rfind(u" (", 0) != 0) return {};
    const std::size_t open = name.size() + 2;
    const std::size_t close = help.find(u')', open);
    return close == help.npos ? std::u16string_view() : help.substr(open, close - open);
}

std::vector<UnitChoice> FindUnits(std::u16string_view typed, std::size_t limit) {
    const std::vector<UnitRow>& rows = UnitRows();
    const std::vector<UnitPrefix>& prefixes = UnitPrefixes();
    std::vector<Candidate> found;
    const auto offer = [&](std::u16string name, std::size_t row, int prefix, bool byReading) {
        const bool exact = byReading || std::u16string_view(name).starts_with(typed);
        if (!exact && !StartsIgnoringCase(name, typed)) return;
        if (std::any_of(found.begin(), found.end(),
                        [&](const Candidate& c) { return c.choice.name == name; })) {
            return;
        }
        const std::int32_t usage = UsageOf(name);
        const std::size_t length = name.size();
        found.push_back({!exact,
                         -usage,
                         length,
                         found.size(),
                         {std::move(name), static_cast<std::int32_t>(row), prefix}});
    };
    // The common prefixed units, as if they were the table's own.
    for (const std::u16string_view common : kCommon) {
        UnitName unit;
        std::u16string hint;
        if (FindUnitName(common, unit, hint) == NameLookup::Found && unit.Prefix >= 0) {
            offer(std::u16string(common), unit.Row, unit.Prefix, false);
        }
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (const std::u16string_view alias : rows[row].Names) {
            if (!alias.empty()) offer(std::u16string(alias), row, -1, false);
        }
        const std::u16string_view reading = ReadingOf(row);
        if (!typed.empty() && !reading.empty() && reading.starts_with(typed)) {
            offer(std::u16string(rows[row].Names[0]), row, -1, true);
        }
    }
    // A prefix with the start of a unit after it.
    for (std::size_t p = 0; p < prefixes.size(); ++p) {
        const std::u16string_view prefix = prefixes[p].Name;
        if (typed.size() <= prefix.size() || !typed.starts_with(prefix)) continue;
        const std::u16string_view rest = typed.substr(prefix.size());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (!TakesPrefix(rows[row], prefixes[p])) continue;
            const std::u16string_view name = rows[row].Names[0];
            if (name.starts_with(rest)) {
                offer(std::u16string(prefix) + std::u16string(name), row, static_cast<int>(p),
                      false);
            }
        }
    }
    const auto better = [](const Candidate& a, const Candidate& b) {
        return std::tie(a.otherCase, a.rarity, a.length, a.order) <
               std::tie(b.otherCase, b.rarity, b.length, b.order);
    };
    const std::size_t kept = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(),
                      better);
    std::vector<UnitChoice> best;
    best.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) best.push_back(std::move(found[i].choice));
    return best;
}

}  // namespace numora
