#include "engine/UnitTable.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace numora {

namespace {

//                            L  M  T  I  Θ  N  J  B  A
constexpr Dimension kLength{1, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Dimension kMass{0, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr Dimension kTime{0, 0, 1, 0, 0, 0, 0, 0, 0};
constexpr Dimension kCurrent{0, 0, 0, 1, 0, 0, 0, 0, 0};
constexpr Dimension kTemperature{0, 0, 0, 0, 1, 0, 0, 0, 0};
constexpr Dimension kAmount{0, 0, 0, 0, 0, 1, 0, 0, 0};
constexpr Dimension kLuminous{0, 0, 0, 0, 0, 0, 1, 0, 0};
constexpr Dimension kInformation{0, 0, 0, 0, 0, 0, 0, 1, 0};
constexpr Dimension kAngle{0, 0, 0, 0, 0, 0, 0, 0, 1};
constexpr Dimension kArea{2, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Dimension kVolume{3, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Dimension kFrequency{0, 0, -1, 0, 0, 0, 0, 0, 0};
constexpr Dimension kSpeed{1, 0, -1, 0, 0, 0, 0, 0, 0};
constexpr Dimension kForce{1, 1, -2, 0, 0, 0, 0, 0, 0};
constexpr Dimension kPressure{-1, 1, -2, 0, 0, 0, 0, 0, 0};
constexpr Dimension kEnergy{2, 1, -2, 0, 0, 0, 0, 0, 0};
constexpr Dimension kPower{2, 1, -3, 0, 0, 0, 0, 0, 0};
constexpr Dimension kCharge{0, 0, 1, 1, 0, 0, 0, 0, 0};
constexpr Dimension kVoltage{2, 1, -3, -1, 0, 0, 0, 0, 0};
constexpr Dimension kResistance{2, 1, -3, -2, 0, 0, 0, 0, 0};
constexpr Dimension kCapacitance{-2, -1, 4, 2, 0, 0, 0, 0, 0};
constexpr Dimension kFlux{2, 1, -2, -1, 0, 0, 0, 0, 0};
constexpr Dimension kFluxDensity{0, 1, -2, -1, 0, 0, 0, 0, 0};

using S = UnitSource;
using P = PrefixUse;
using K = TemperatureKind;

UnitRow Row(std::array<std::u16string_view, 3> names, Dimension dim, std::string_view numerator,
            std::string_view denominator, PrefixUse prefixes, UnitSource source,
            std::u16string_view help, std::u16string_view english, std::int8_t piPower = 0) {
    return {names,   dim, numerator, denominator, piPower, prefixes,
            K::None, {},  source,    help,        english};
}

UnitRow Temperature(std::array<std::u16string_view, 3> names, std::string_view numerator,
                    std::string_view denominator, TemperatureKind kind, std::string_view offset,
                    UnitSource source, std::u16string_view help, std::u16string_view english) {
    const PrefixUse prefixes = kind == K::Kelvin ? P::All : P::None;
    return {names, kTemperature, numerator, denominator, 0,      prefixes,
            kind,  offset,       source,    help,        english};
}

std::vector<UnitRow> MakeRows() {
    return {
        // The SI base units (the kilogram is the gram with its prefix) and the radian.
        Row({u"m"}, kLength, "1", "1", P::All, S::SiBrochure, u"メートル", u"metre"),
        Row({u"g"}, kMass, "1", "1000", P::All, S::SiBrochure, u"グラム", u"gram"),
        Row({u"s"}, kTime, "1", "1", P::All, S::SiBrochure, u"秒", u"second"),
        Row({u"A"}, kCurrent, "1", "1", P::All, S::SiBrochure, u"アンペア", u"ampere"),
        Temperature({u"K"}, "1", "1", K::Kelvin, {}, S::SiBrochure, u"ケルビン", u"kelvin"),
        Row({u"mol"}, kAmount, "1", "1", P::All, S::SiBrochure, u"モル", u"mole"),
        Row({u"cd"}, kLuminous, "1", "1", P::All, S::SiBrochure, u"カンデラ", u"candela"),
        Row({u"rad"}, kAngle, "1", "1", P::None, S::SiBrochure, u"ラジアン", u"radian"),
        // Derived units with special names.
        Row({u"Hz"}, kFrequency, "1", "1", P::All, S::SiBrochure, u"ヘルツ", u"hertz"),
        Row({u"N"}, kForce, "1", "1", P::All, S::SiBrochure, u"ニュートン", u"newton"),
        Row({u"Pa"}, kPressure, "1", "1", P::All, S::SiBrochure, u"パスカル", u"pascal"),
        Row({u"J"}, kEnergy, "1", "1", P::All, S::SiBrochure, u"ジュール", u"joule"),
        Row({u"W"}, kPower, "1", "1", P::All, S::SiBrochure, u"ワット", u"watt"),
        Row({u"C"}, kCharge, "1", "1", P::All, S::SiBrochure, u"クーロン", u"coulomb"),
        Row({u"V"}, kVoltage, "1", "1", P::All, S::SiBrochure, u"ボルト", u"volt"),
        Row({u"Ω", u"ohm"}, kResistance, "1", "1", P::All, S::SiBrochure, u"オーム", u"ohm"),
        Row({u"F"}, kCapacitance, "1", "1", P::All, S::SiBrochure, u"ファラド", u"farad"),
        Row({u"Wb"}, kFlux, "1", "1", P::All, S::SiBrochure, u"ウェーバ", u"weber"),
        Row({u"T"}, kFluxDensity, "1", "1", P::All, S::SiBrochure, u"テスラ", u"tesla"),
        // Units accepted for use with the SI.
        Row({u"min"}, kTime, "60", "1", P::None, S::SiBrochure, u"分 = 60 s", u"minute = 60 s"),
        Row({u"h"}, kTime, "3600", "1", P::None, S::SiBrochure, u"時 = 3600 s", u"hour = 3600 s"),
        Row({u"d"}, kTime, "86400", "1", P::None, S::SiBrochure, u"日 = 86400 s", u"day = 86400 s"),
        Row({u"°", u"deg"}, kAngle, "1", "180", P::None, S::SiBrochure, u"度 = π/180 rad",
            u"degree = π/180 rad", 1),
        Row({u"ha"}, kArea, "10000", "1", P::None, S::SiBrochure, u"ヘクタール = 10000 m²",
            u"hectare = 10000 m²"),
        Row({u"L", u"l"}, kVolume, "1", "1000", P::All, S::SiBrochure, u"リットル = 1/1000 m³",
            u"litre = 1/1000 m³"),
        Row({u"t"}, kMass, "1000", "1", P::Large, S::SiBrochure, u"トン = 1000 kg",
            u"tonne = 1000 kg"),
        Row({u"eV"}, kEnergy, "1.602176634e-19", "1", P::All, S::SiBrochure,
            u"電子ボルト = 1.602176634×10⁻¹⁹ J", u"electronvolt = 1.602176634×10⁻¹⁹ J"),
        Row({u"au"}, kLength, "149597870700", "1", P::None, S::SiBrochure,
            u"天文単位 = 149597870700 m", u"astronomical unit = 149597870700 m"),
        Row({u"Wh"}, kEnergy, "3600", "1", P::Large, S::SiBrochure, u"ワット時 = 3600 J",
            u"watt hour = 3600 J"),
        // Temperatures: the scales and their intervals.
        Temperature({u"°C", u"degC"}, "1", "1", K::Absolute, "273.15", S::SiBrochure,
                    u"セルシウス度", u"degree Celsius"),
        Temperature({u"Δ°C", u"ddegC"}, "1", "1", K::Difference, {}, S::SiBrochure,
                    u"セルシウス度の差 = 1 K", u"Celsius difference = 1 K"),
        Temperature({u"°F", u"degF"}, "5", "9", K::Absolute, "459.67", S::Nist811, u"華氏度",
                    u"degree Fahrenheit"),
        Temperature({u"Δ°F", u"ddegF"}, "5", "9", K::Difference, {}, S::Nist811,
                    u"華氏度の差 = 5/9 K", u"Fahrenheit difference = 5/9 K"),
        // Other units of NIST SP 811, appendix B.
        Row({u"gon"}, kAngle, "1", "200", P::None, S::Nist811, u"グラード = π/200 rad",
            u"gon = π/200 rad", 1),
        Row({u"bar"}, kPressure, "100000", "1", P::All, S::Nist811, u"バール = 100000 Pa",
            u"bar = 100000 Pa"),
        Row({u"atm"}, kPressure, "101325", "1", P::None, S::Nist811, u"標準気圧 = 101325 Pa",
            u"standard atmosphere = 101325 Pa"),
        Row({u"Torr"}, kPressure, "101325", "760", P::None, S::Nist811, u"トル = 101325/760 Pa",
            u"torr = 101325/760 Pa"),
        Row({u"mmHg"}, kPressure, "133.322387415", "1", P::None, S::Nist811,
            u"水銀柱ミリメートル = 133.322387415 Pa", u"millimetre of mercury = 133.322387415 Pa"),
        Row({u"psi"}, kPressure, "4.4482216152605", "0.00064516", P::None, S::Nist811,
            u"重量ポンド毎平方インチ = 1 lbf/in²", u"pound-force per square inch = 1 lbf/in²"),
        Row({u"cal"}, kEnergy, "4.184", "1", P::None, S::Nist811, u"カロリー = 4.184 J",
            u"calorie = 4.184 J"),
        Row({u"kcal"}, kEnergy, "4184", "1", P::None, S::Nist811, u"キロカロリー = 4184 J",
            u"kilocalorie = 4184 J"),
        Row({u"cal_IT"}, kEnergy, "4.1868", "1", P::None, S::Nist811,
            u"国際蒸気表カロリー = 4.1868 J", u"international table calorie = 4.1868 J"),
        Row({u"Btu"}, kEnergy, "1055.05585262", "1", P::None, S::Nist811,
            u"英熱量 = 1055.05585262 J", u"British thermal unit = 1055.05585262 J"),
        Row({u"hp"}, kPower, "745.69987158227022", "1", P::None, S::Nist811,
            u"英馬力 = 550 ft·lbf/s", u"horsepower = 550 ft·lbf/s"),
        Row({u"PS"}, kPower, "735.49875", "1", P::None, S::Nist811, u"仏馬力 = 75 kgf·m/s",
            u"metric horsepower = 75 kgf·m/s"),
        Row({u"nmi"}, kLength, "1852", "1", P::None, S::Nist811, u"海里 = 1852 m",
            u"nautical mile = 1852 m"),
        Row({u"kn"}, kSpeed, "1852", "3600", P::None, S::Nist811, u"ノット = 1852 m/h",
            u"knot = 1852 m/h"),
        Row({u"gal"}, kVolume, "0.003785411784", "1", P::None, S::Nist811, u"米ガロン = 231 in³",
            u"US gallon = 231 in³"),
        Row({u"gal_imp"}, kVolume, "0.00454609", "1", P::None, S::Nist811, u"英ガロン = 4.54609 L",
            u"imperial gallon = 4.54609 L"),
        Row({u"ly"}, kLength, "9460730472580800", "1", P::None, S::Nist811,
            u"光年 = 9460730472580800 m", u"light-year = 9460730472580800 m"),
        Row({u"pc"}, kLength, "96939420213600000", "1", P::None, S::Nist811,
            u"パーセク = 648000/π au", u"parsec = 648000/π au", -1),
        Row({u"ct"}, kMass, "0.0002", "1", P::None, S::Nist811, u"カラット = 200 mg",
            u"carat = 200 mg"),
        // The international yard and pound.
        Row({u"in"}, kLength, "0.0254", "1", P::None, S::YardPound1959, u"インチ = 25.4 mm",
            u"inch = 25.4 mm"),
        Row({u"ft"}, kLength, "0.3048", "1", P::None, S::YardPound1959, u"フィート = 12 in",
            u"foot = 12 in"),
        Row({u"yd"}, kLength, "0.9144", "1", P::None, S::YardPound1959, u"ヤード = 3 ft",
            u"yard = 3 ft"),
        Row({u"mi"}, kLength, "1609.344", "1", P::None, S::YardPound1959, u"マイル = 1760 yd",
            u"mile = 1760 yd"),
        Row({u"acre"}, kArea, "4046.8564224", "1", P::None, S::YardPound1959,
            u"エーカー = 4840 yd²", u"acre = 4840 yd²"),
        Row({u"mph"}, kSpeed, "1609.344", "3600", P::None, S::YardPound1959, u"マイル毎時 = 1 mi/h",
            u"mile per hour = 1 mi/h"),
        Row({u"lb"}, kMass, "0.45359237", "1", P::None, S::YardPound1959, u"ポンド = 0.45359237 kg",
            u"pound = 0.45359237 kg"),
        Row({u"oz"}, kMass, "0.028349523125", "1", P::None, S::YardPound1959, u"オンス = 1/16 lb",
            u"ounce = 1/16 lb"),
        // Information.
        Row({u"bit", u"b"}, kInformation, "1", "1", P::Large, S::Iec80000, u"ビット", u"bit"),
        Row({u"B"}, kInformation, "8", "1", P::Large, S::Iec80000, u"バイト = 8 bit",
            u"byte = 8 bit"),
        Row({u"KiB"}, kInformation, "8192", "1", P::None, S::Iec80000, u"キビバイト = 1024 B",
            u"kibibyte = 1024 B"),
        Row({u"MiB"}, kInformation, "8388608", "1", P::None, S::Iec80000, u"メビバイト = 1024 KiB",
            u"mebibyte = 1024 KiB"),
        Row({u"GiB"}, kInformation, "8589934592", "1", P::None, S::Iec80000,
            u"ギビバイト = 1024 MiB", u"gibibyte = 1024 MiB"),
        Row({u"TiB"}, kInformation, "8796093022208", "1", P::None, S::Iec80000,
            u"テビバイト = 1024 GiB", u"tebibyte = 1024 GiB"),
        // Japan's units, as the measurement law defines them.
        Row({u"尺"}, kLength, "10", "33", P::None, S::MeasurementLaw, u"尺 (しゃく) = 10/33 m",
            u"shaku = 10/33 m"),
        Row({u"寸"}, kLength, "1", "33", P::None, S::MeasurementLaw, u"寸 (すん) = 1/10 尺",
            u"sun = 1/10 shaku"),
        Row({u"間"}, kLength, "20", "11", P::None, S::MeasurementLaw, u"間 (けん) = 6 尺",
            u"ken = 6 shaku"),
        Row({u"里"}, kLength, "43200", "11", P::None, S::MeasurementLaw, u"里 (り) = 12960 尺",
            u"ri = 12960 shaku"),
        Row({u"坪"}, kArea, "400", "121", P::None, S::MeasurementLaw, u"坪 (つぼ) = 400/121 m²",
            u"tsubo = 400/121 m²"),
        Row({u"合"}, kVolume, "2401", "13310000", P::None, S::MeasurementLaw,
            u"合 (ごう) = 2401/13310 L", u"gō = 2401/13310 L"),
        Row({u"升"}, kVolume, "2401", "1331000", P::None, S::MeasurementLaw, u"升 (しょう) = 10 合",
            u"shō = 10 gō"),
        Row({u"貫"}, kMass, "3.75", "1", P::None, S::MeasurementLaw, u"貫 (かん) = 3.75 kg",
            u"kan = 3.75 kg"),
        Row({u"匁"}, kMass, "0.00375", "1", P::None, S::MeasurementLaw, u"匁 (もんめ) = 3.75 g",
            u"monme = 3.75 g"),
    };
}

std::vector<UnitPrefix> MakePrefixes() {
    // Two-letter "da" before "d", so that "dam" is a decametre.
    return {{u"da", 1}, {u"k", 3},   {u"m", -3}, {u"c", -2},  {u"M", 6},  {u"G", 9},
            {u"T", 12}, {u"µ", -6},  {u"μ", -6}, {u"u", -6},  {u"n", -9}, {u"d", -1},
            {u"h", 2},  {u"p", -12}, {u"P", 15}, {u"f", -15}, {u"E", 18}, {u"a", -18},
            {u"Z", 21}, {u"z", -21}, {u"Y", 24}, {u"y", -24}, {u"R", 27}, {u"r", -27},
            {u"Q", 30}, {u"q", -30}};
}

// Names no one can read one way only.
struct AmbiguousName {
    std::u16string_view Name;
    std::u16string_view Hint;
};
constexpr AmbiguousName kAmbiguous[] = {
    {u"KB", u"[kB] or [KiB]"},
    {u"Kb", u"[kbit] or [kB]"},
    {u"分", u"[min], or 0.1[寸]"},
    {u"ton", u"[t], or 2000[lb]"},
};

bool Takes(PrefixUse use, const UnitPrefix& prefix) {
    return use == PrefixUse::All || (use == PrefixUse::Large && prefix.Exponent >= 3);
}

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

// One letter left out, put in, changed or two swapped ("fot", "foot" is too far).
bool OneEditApart(std::u16string_view a, std::u16string_view b) {
    if (a.size() < b.size()) std::swap(a, b);
    if (a.size() - b.size() > 1 || b.size() < 2) return false;
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i]) ++i;
    if (i == b.size()) return a.size() != b.size();
    if (a.size() != b.size()) return a.substr(i + 1) == b.substr(i);
    if (a.substr(i + 1) == b.substr(i + 1)) return true;
    return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] &&
           a.substr(i + 2) == b.substr(i + 2);
}

// A prefix and a name that differ from `name` in case only.
std::u16string ClosestWithPrefix(std::u16string_view name) {
    const auto& rows = UnitRows();
    for (const UnitPrefix& prefix : UnitPrefixes()) {
        if (name.size() <= prefix.Name.size() ||
            !SameIgnoringCase(name.substr(0, prefix.Name.size()), prefix.Name)) {
            continue;
        }
        const std::u16string_view rest = name.substr(prefix.Name.size());
        for (const UnitRow& row : rows) {
            if (!Takes(row.Prefixes, prefix)) continue;
            for (std::u16string_view alias : row.Names) {
                if (!alias.empty() && SameIgnoringCase(alias, rest)) {
                    return std::u16string(prefix.Name) + std::u16string(alias);
                }
            }
        }
    }
    return {};
}

// The known name close to `name`: the same but for the case of its letters, else one edit away.
std::u16string ClosestName(std::u16string_view name) {
    const auto& rows = UnitRows();
    for (const UnitRow& row : rows) {
        for (std::u16string_view alias : row.Names) {
            if (!alias.empty() && SameIgnoringCase(alias, name)) return std::u16string(alias);
        }
    }
    if (std::u16string cased = ClosestWithPrefix(name); !cased.empty()) return cased;
    for (const UnitRow& row : rows) {
        for (std::u16string_view alias : row.Names) {
            if (!alias.empty() && OneEditApart(alias, name)) return std::u16string(alias);
        }
    }
    return {};
}

// Every name of every row, found in one look: a bracket is read at each keystroke.
bool FindExact(std::u16string_view name, std::uint16_t& row, std::uint8_t& alias) {
    static const auto names = [] {
        std::unordered_map<std::u16string_view, std::pair<std::uint16_t, std::uint8_t>> all;
        const auto& rows = UnitRows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (std::size_t a = 0; a < rows[i].Names.size(); ++a) {
                if (rows[i].Names[a].empty()) continue;
                all.try_emplace(rows[i].Names[a], static_cast<std::uint16_t>(i),
                                static_cast<std::uint8_t>(a));
            }
        }
        return all;
    }();
    const auto it = names.find(name);
    if (it == names.end()) return false;
    row = it->second.first;
    alias = it->second.second;
    return true;
}

}  // namespace

const std::vector<UnitRow>& UnitRows() {
    static const std::vector<UnitRow> rows = MakeRows();
    return rows;
}

const std::vector<UnitPrefix>& UnitPrefixes() {
    static const std::vector<UnitPrefix> prefixes = MakePrefixes();
    return prefixes;
}

const UnitFactor& FactorOf(std::size_t row) {
    static const std::vector<UnitFactor> factors = [] {
        std::vector<UnitFactor> all;
        for (const UnitRow& r : UnitRows()) {
            all.push_back({Number(std::string(r.Numerator)), Number(std::string(r.Denominator)),
                           r.Offset.empty() ? Number(0) : Number(std::string(r.Offset))});
        }
        return all;
    }();
    return factors[row];
}

int FindUnitRow(std::u16string_view name) {
    std::uint16_t row = 0;
    std::uint8_t alias = 0;
    return FindExact(name, row, alias) ? row : -1;
}

NameLookup FindUnitName(std::u16string_view name, UnitName& found, std::u16string& hint) {
    hint.clear();
    found = UnitName{};
    if (FindExact(name, found.Row, found.Alias)) return NameLookup::Found;
    for (const AmbiguousName& a : kAmbiguous) {
        if (a.Name == name) {
            hint = a.Hint;
            return NameLookup::Ambiguous;
        }
    }
    const auto& prefixes = UnitPrefixes();
    for (std::size_t p = 0; p < prefixes.size(); ++p) {
        const UnitPrefix& prefix = prefixes[p];
        if (name.size() <= prefix.Name.size() ||
            name.substr(0, prefix.Name.size()) != prefix.Name) {
            continue;
        }
        if (FindExact(name.substr(prefix.Name.size()), found.Row, found.Alias) &&
            Takes(UnitRows()[found.Row].Prefixes, prefix)) {
            found.Prefix = static_cast<std::int8_t>(p);
            return NameLookup::Found;
        }
    }
    found = UnitName{};
    hint = ClosestName(name);
    return NameLookup::Unknown;
}

}  // namespace numora
