// The unit table as a list of choices: names, readings and help lines for completion.
#include <utility>

#include "engine/UnitTable.h"

namespace numora {

namespace {

struct NamedDimension {
    Dimension Dim;
    std::u16string_view Japanese;
    std::u16string_view English;
};

//                           L  M  T  I  Θ  N  J  B  A
constexpr NamedDimension kNamed[] = {
    {{1, 0, 0, 0, 0, 0, 0, 0, 0}, u"長さ", u"length"},
    {{0, 1, 0, 0, 0, 0, 0, 0, 0}, u"質量", u"mass"},
    {{0, 0, 1, 0, 0, 0, 0, 0, 0}, u"時間", u"time"},
    {{0, 0, 0, 1, 0, 0, 0, 0, 0}, u"電流", u"electric current"},
    {{0, 0, 0, 0, 1, 0, 0, 0, 0}, u"温度", u"temperature"},
    {{0, 0, 0, 0, 0, 1, 0, 0, 0}, u"物質量", u"amount of substance"},
    {{0, 0, 0, 0, 0, 0, 1, 0, 0}, u"光度", u"luminous intensity"},
    {{0, 0, 0, 0, 0, 0, 0, 1, 0}, u"情報量", u"information"},
    {{0, 0, 0, 0, 0, 0, 0, 0, 1}, u"角度", u"angle"},
    {{2, 0, 0, 0, 0, 0, 0, 0, 0}, u"面積", u"area"},
    {{3, 0, 0, 0, 0, 0, 0, 0, 0}, u"体積", u"volume"},
    {{0, 0, -1, 0, 0, 0, 0, 0, 0}, u"周波数", u"frequency"},
    {{1, 0, -1, 0, 0, 0, 0, 0, 0}, u"速さ", u"speed"},
    {{1, 1, -2, 0, 0, 0, 0, 0, 0}, u"力", u"force"},
    {{-1, 1, -2, 0, 0, 0, 0, 0, 0}, u"圧力", u"pressure"},
    {{2, 1, -2, 0, 0, 0, 0, 0, 0}, u"エネルギー", u"energy"},
    {{2, 1, -3, 0, 0, 0, 0, 0, 0}, u"仕事率", u"power"},
    {{0, 0, 1, 1, 0, 0, 0, 0, 0}, u"電荷", u"electric charge"},
    {{2, 1, -3, -1, 0, 0, 0, 0, 0}, u"電圧", u"voltage"},
    {{2, 1, -3, -2, 0, 0, 0, 0, 0}, u"電気抵抗", u"resistance"},
    {{-2, -1, 4, 2, 0, 0, 0, 0, 0}, u"静電容量", u"capacitance"},
    {{2, 1, -2, -1, 0, 0, 0, 0, 0}, u"磁束", u"magnetic flux"},
    {{0, 1, -2, -1, 0, 0, 0, 0, 0}, u"磁束密度", u"magnetic flux density"},
};

UnitListing ListingOf(const UnitRow& row) {
    UnitListing entry;
    entry.Symbol = row.Names[0];
    for (std::size_t i = 1; i < row.Names.size(); ++i) {
        if (!row.Names[i].empty()) entry.Aliases.push_back(row.Names[i]);
    }
    // The help line reads "name (reading) = definition"; each part but the name may be missing.
    std::u16string_view name = row.Help.substr(0, row.Help.find(u" = "));
    if (const std::size_t open = name.find(u" ("); open != std::u16string_view::npos) {
        const std::size_t close = name.find(u')', open);
        if (close != std::u16string_view::npos)
            entry.Reading = name.substr(open + 2, close - open - 2);
        name = name.substr(0, open);
    }
    entry.Name = name;
    entry.Help = row.Help;
    entry.English = row.English;
    entry.Dim = row.Dim;
    entry.DimensionName = DimensionName(row.Dim, false);
    entry.DimensionEnglish = DimensionName(row.Dim, true);
    entry.TakesPrefixes = row.Prefixes != PrefixUse::None;
    entry.LargePrefixesOnly = row.Prefixes == PrefixUse::Large;
    return entry;
}

}  // namespace

std::u16string_view DimensionName(const Dimension& dim, bool english) {
    for (const NamedDimension& named : kNamed) {
        if (named.Dim == dim) return english ? named.English : named.Japanese;
    }
    return {};
}

const std::vector<UnitListing>& ListUnits() {
    static const std::vector<UnitListing> all = [] {
        std::vector<UnitListing> list;
        for (const UnitRow& row : UnitRows()) list.push_back(ListingOf(row));
        return list;
    }();
    return all;
}

}  // namespace numora
