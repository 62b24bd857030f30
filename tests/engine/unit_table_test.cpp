// The unit table against its sources: every row's factor is the exact rational the source
// defines, every row is listed for completion, and every dimension converts both ways.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "EngineTestSupport.h"
#include "engine/ExactArith.h"
#include "engine/UnitTable.h"

namespace numora::test {
namespace {

// A product and quotient of exact decimals ("0.45359237*9.80665/0.0254/0.0254") as the pair of
// its numerator and denominator; every product here fits the Number's digits exactly.
std::pair<Number, Number> Rational(const std::string& text) {
    Number n(1), d(1);
    bool divide = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '*' && text[i] != '/') continue;
        const Number factor(text.substr(start, i - start));
        (divide ? d : n) = Multiply(divide ? d : n, factor);
        if (i < text.size()) divide = text[i] == '/';
        start = i + 1;
    }
    return {n, d};
}

struct Source {
    const char* Definition;  // the coherent SI unit per this unit, as the source writes it
    int PiPower = 0;
};

// Written from the documents, not from the table: BIPM SI Brochure (9th ed.), NIST SP 811
// appendix B, the 1959 yard and pound (1 yd = 0.9144 m, 1 lb = 0.45359237 kg), Japan's
// measurement law (1 尺 = 10/33 m, 1 坪 = 400/121 m², 1 升 = 2401/1331 L, 1 貫 = 3.75 kg),
// IEC 80000-13. Standard gravity 9.80665 m/s² for the force units.
const std::map<std::u16string, Source>& Sources() {
    static const std::map<std::u16string, Source> sources = {
        {u"m", {"1"}},
        {u"g", {"1/1000"}},
        {u"s", {"1"}},
        {u"A", {"1"}},
        {u"K", {"1"}},
        {u"mol", {"1"}},
        {u"cd", {"1"}},
        {u"rad", {"1"}},
        {u"Hz", {"1"}},
        {u"N", {"1"}},
        {u"Pa", {"1"}},
        {u"J", {"1"}},
        {u"W", {"1"}},
        {u"C", {"1"}},
        {u"V", {"1"}},
        {u"Ω", {"1"}},
        {u"F", {"1"}},
        {u"Wb", {"1"}},
        {u"T", {"1"}},
        {u"min", {"60"}},
        {u"h", {"60*60"}},
        {u"d", {"24*60*60"}},
        {u"°", {"1/180", 1}},
        {u"ha", {"100*100"}},
        {u"L", {"1/1000"}},
        {u"t", {"1000"}},
        {u"eV", {"1.602176634/10000000000000000000"}},
        {u"au", {"149597870700"}},
        {u"Wh", {"3600"}},
        {u"°C", {"1"}},
        {u"Δ°C", {"1"}},
        {u"°F", {"5/9"}},
        {u"Δ°F", {"5/9"}},
        {u"gon", {"1/200", 1}},
        {u"bar", {"100000"}},
        {u"atm", {"101325"}},
        {u"Torr", {"101325/760"}},
        {u"mmHg", {"13.5951*9.80665"}},
        {u"psi", {"0.45359237*9.80665/0.0254/0.0254"}},
        {u"cal", {"4.184"}},
        {u"kcal", {"4184"}},
        {u"cal_IT", {"4.1868"}},
        {u"Btu", {"1055.05585262"}},
        {u"hp", {"550*0.3048*0.45359237*9.80665"}},
        {u"PS", {"75*9.80665"}},
        {u"nmi", {"1852"}},
        {u"kn", {"1852/3600"}},
        {u"gal", {"231*0.0254*0.0254*0.0254"}},
        {u"gal_imp", {"4.54609/1000"}},
        {u"ly", {"299792458*365.25*86400"}},
        {u"pc", {"648000*149597870700", -1}},
        {u"ct", {"0.2/1000"}},
        {u"in", {"0.9144/36"}},
        {u"ft", {"0.9144/3"}},
        {u"yd", {"0.9144"}},
        {u"mi", {"1760*0.9144"}},
        {u"acre", {"4840*0.9144*0.9144"}},
        {u"mph", {"1760*0.9144/3600"}},
        {u"lb", {"0.45359237"}},
        {u"oz", {"0.45359237/16"}},
        {u"bit", {"1"}},
        {u"B", {"8"}},
        {u"KiB", {"8*1024"}},
        {u"MiB", {"8*1024*1024"}},
        {u"GiB", {"8*1024*1024*1024"}},
        {u"TiB", {"8*1024*1024*1024*1024"}},
        {u"尺", {"10/33"}},
        {u"寸", {"1/33"}},
        {u"間", {"6*10/33"}},
        {u"里", {"12960*10/33"}},
        {u"坪", {"400/121"}},
        {u"合", {"2401/1331/10/1000"}},
        {u"升", {"2401/1331/1000"}},
        {u"貫", {"3.75"}},
        {u"匁", {"3.75/1000"}},
    };
    return sources;
}

TEST(UnitTable, EveryRowIsTheExactRationalItsSourceGives) {
    std::set<std::u16string> seen;
    for (std::size_t row = 0; row < UnitRows().size(); ++row) {
        const UnitRow& unit = UnitRows()[row];
        const std::u16string symbol(unit.Names[0]);
        SCOPED_TRACE(Utf16ToUtf8(symbol));
        const auto it = Sources().find(symbol);
        ASSERT_NE(it, Sources().end()) << "a row without its source in this test";
        seen.insert(symbol);
        const auto [n, d] = Rational(it->second.Definition);
        const UnitFactor& factor = FactorOf(row);
        // N/D = n/d exactly: the cross products are exact integers' products here.
        EXPECT_EQ(Multiply(factor.Numerator, d), Multiply(factor.Denominator, n));
        EXPECT_EQ(unit.PiPower, it->second.PiPower);
    }
    EXPECT_EQ(seen.size(), Sources().size());
}

class UnitConversions : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.SetOptions({.Units = true});
    }
};

TEST_F(UnitConversions, AbsoluteScalesHaveTheirZeros) {
    ExpectValues({
        {"0[°C] -> [K]", "273.15 [K]"},
        {"0[°F] -> [K]", "255.37222222222222222222222222222 [K]"},
        {"32[°F] -> [°C]", "0 [°C]"},
        {"212[degF] -> [degC]", "100 [degC]"},
        {"0[K] -> [°F]", "-459.67 [°F]"},
    });
}

// Every dimension the table has, there and back, exactly where the factors allow.
TEST_F(UnitConversions, GoBothWaysInEveryDimension) {
    ExpectValues({
        {"1[km] -> [尺]", "3300 [尺]"},
        {"3300[尺] -> [km]", "1 [km]"},
        {"1[里] -> [m]", "3927.2727272727272727272727272727 [m]"},
        {"1[間] -> [尺]", "6 [尺]"},
        {"1[坪] -> [尺²]", "36 [尺²]"},
        {"36[尺²] -> [坪]", "1 [坪]"},
        {"1[acre] -> [yd²]", "4840 [yd²]"},
        {"1[ha] -> [acre]", "2.4710538146716534224824392919881 [acre]"},
        {"1[升] -> [合]", "10 [合]"},
        {"1[gal] -> [in³]", "231 [in³]"},
        {"1[gal_imp] -> [L]", "4.54609 [L]"},
        {"1[L] -> [cm³]", "1000 [cm³]"},
        {"1[lb] -> [oz]", "16 [oz]"},
        {"16[oz] -> [lb]", "1 [lb]"},
        {"1[貫] -> [kg]", "3.75 [kg]"},
        {"1[t] -> [lb]", "2204.6226218487758072297380134503 [lb]"},
        {"1[ct] -> [mg]", "200 [mg]"},
        {"1[d] -> [min]", "1440 [min]"},
        {"1440[min] -> [d]", "1 [d]"},
        {"1[h] -> [ms]", "3600000 [ms]"},
        {"1[kn] -> [m/h]", "1852 [m/h]"},
        {"1[mph] -> [ft/s]", "1.4666666666666666666666666666667 [ft/s]"},
        {"100[km/h] -> [m/s]", "27.777777777777777777777777777778 [m/s]"},
        {"1[atm] -> [hPa]", "1013.25 [hPa]"},
        {"760[Torr] -> [atm]", "1 [atm]"},
        {"1[psi] -> [kPa]", "6.8947572931683613367226734453469 [kPa]"},
        {"1[bar] -> [mbar]", "1000 [mbar]"},
        {"1[kWh] -> [MJ]", "3.6 [MJ]"},
        {"1[kcal] -> [kJ]", "4.184 [kJ]"},
        {"1[Btu] -> [cal_IT]", "251.99576111111111111111111111111 [cal_IT]"},
        {"1[eV] -> [J]", "1.602176634e-19 [J]"},
        {"1[hp] -> [W]", "745.69987158227022 [W]"},
        {"1[PS] -> [W]", "735.49875 [W]"},
        {"1[GiB] -> [MiB]", "1024 [MiB]"},
        {"1[TB] -> [GB]", "1000 [GB]"},
        {"1[MB] -> [Mbit]", "8 [Mbit]"},
        {"1[B] -> [b]", "8 [b]"},
        {"1[TiB] -> [B]", "1099511627776 [B]"},
        {"90[°] -> [gon]", "100 [gon]"},
        {"100[gon] -> [deg]", "90 [deg]"},
        {"1[pc] -> [au]", "206264.80624709635515647335733078 [au]"},
        {"1[ly] -> [km]", "9460730472580.8 [km]"},
        {"1[au] -> [Gm]", "149.5978707 [Gm]"},
        {"1[kHz] -> [s^-1]", "1000 [s^-1]"},
        {"1[kN] -> [kg·m/s²]", "1000 [kg·m/s²]"},
        {"1[V*A] -> [W]", "1 [W]"},
        {"1[C] -> [A*s]", "1 [A·s]"},
        {"1[Wb/m²] -> [T]", "1 [T]"},
        {"1[kΩ] -> [ohm]", "1000 [ohm]"},
        {"1[µF] -> [nF]", "1000 [nF]"},
        {"1[mol] -> [mmol]", "1000 [mmol]"},
        {"1[cd] -> [mcd]", "1000 [mcd]"},
        {"1[mA] -> [µA]", "1000 [µA]"},
        {"1[Δ°F] -> [Δ°C]", "0.55555555555555555555555555555556 [Δ°C]"},
        {"9[ddegF] -> [ddegC]", "5 [ddegC]"},
    });
}

TEST(UnitTable, ListingForCompletion) {
    const auto& list = ListUnits();
    ASSERT_EQ(list.size(), UnitRows().size());
    const auto find = [&](std::u16string_view symbol) -> const UnitListing* {
        for (const UnitListing& entry : list) {
            if (entry.Symbol == symbol) return &entry;
        }
        return nullptr;
    };
    const UnitListing* shaku = find(u"尺");
    ASSERT_NE(shaku, nullptr);
    EXPECT_EQ(shaku->Help, u"尺 (しゃく) = 10/33 m");
    EXPECT_EQ(shaku->Name, u"尺");
    EXPECT_EQ(shaku->Reading, u"しゃく");
    EXPECT_EQ(shaku->English, u"shaku = 10/33 m");
    EXPECT_EQ(shaku->DimensionName, u"長さ");
    EXPECT_EQ(shaku->DimensionEnglish, u"length");
    EXPECT_FALSE(shaku->TakesPrefixes);
    const UnitListing* ohm = find(u"Ω");
    ASSERT_NE(ohm, nullptr);
    EXPECT_EQ(ohm->Aliases, std::vector<std::u16string_view>{u"ohm"});
    EXPECT_EQ(ohm->Name, u"オーム");
    EXPECT_TRUE(ohm->TakesPrefixes);
    const UnitListing* byte = find(u"B");
    ASSERT_NE(byte, nullptr);
    EXPECT_TRUE(byte->LargePrefixesOnly);
    EXPECT_EQ(byte->DimensionEnglish, u"information");
    for (const UnitListing& entry : list) {
        SCOPED_TRACE(Utf16ToUtf8(std::u16string(entry.Symbol)));
        EXPECT_FALSE(entry.Name.empty());
        EXPECT_FALSE(entry.English.empty());
        EXPECT_FALSE(entry.DimensionName.empty());
    }
}

}  // namespace
}  // namespace numora::test
