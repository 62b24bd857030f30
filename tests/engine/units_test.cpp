// Units in brackets: exact conversions, the arithmetic of quantities, temperatures, names beside
// units, and the errors that point into the bracket.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/Quantity.h"
#include "engine/UnitTable.h"

namespace numora::test {
namespace {

class UnitsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.SetOptions({.Units = true});
    }
};

TEST_F(UnitsTest, ExactConversions) {
    ExpectValues({
        {"5[ft] + 2[in] -> [cm]", "157.48 [cm]"},
        {"33[尺] -> [m]", "10 [m]"},
        {"121[坪] -> [m²]", "400 [m²]"},
        {"1[mi] -> [km]", "1.609344 [km]"},
        {"100[km/h] -> [m/s]", "27.777777777777777777777777777778 [m/s]"},
        {"1[ft] -> [in]", "12 [in]"},
        {"1[yd] → [ft]", "3 [ft]"},
        {"10[升] -> [合]", "100 [合]"},
        {"1[貫] -> [匁]", "1000 [匁]"},
        {"1[kcal] -> [cal]", "1000 [cal]"},
        {"1[cal_IT] -> [J]", "4.1868 [J]"},
        {"1[KiB] -> [B]", "1024 [B]"},
        {"1[kB] -> [bit]", "8000 [bit]"},
        {"180[°] -> [rad]", "3.1415926535897932384626433832795 [rad]"},
        {"1[atm] -> [Torr]", "760 [Torr]"},
        {"1[ha] -> [m^2]", "10000 [m²]"},
        {"1,000[m²] -> [ha]", "0.1 [ha]"},
        {"3.5[寸] -> [mm]", "106.06060606060606060606060606061 [mm]"},
        {"(5+6)[ft] -> [in]", "132 [in]"},
        {"2 [kg] -> [g]", "2000 [g]"},
        {"1[kg·m²] -> [g*cm^2]", "10000000 [g·cm²]"},
        {"1[N*m] -> [J]", "1 [J]"},
        {"1[s^-1] -> [Hz]", "1 [Hz]"},
        {"［ｍ］", "Error : \"[m]\" is Not Variable"},
        {"3［ｍ］ -> [cm]", "300 [cm]"},
    });
}

TEST_F(UnitsTest, Arithmetic) {
    ExpectValues({
        {"1[m] + 20[cm]", "1.2 [m]"},
        {"2[m] * 3[m]", "6 [m²]"},
        {"100[km] / 2[h]", "50 [km/h]"},
        {"6[m] / 2[m]", "3"},
        {"1[km] / 1[m]", "1000"},
        {"3 * 2[kg]", "6 [kg]"},
        {"2[m]^2", "4 [m²]"},
        {"10^3[m] -> [km]", "1 [km]"},
        {"2^3[m]^2", "64 [m²]"},
        {"10[m]^-1", "0.1 [m^-1]"},
        {"sqrt(16[m²])", "4 [m]"},
        {"abs(-2[m])", "2 [m]"},
        {"round(2.6[kg])", "3 [kg]"},
        {"sin(30[°])", "0.5"},
        {"sin(0)", "0"},
        {"5[km/h] * 30[min]", "2.5 [km]"},
        {"-40[°F] -> [°C]", "-40 [°C]"},
        {"77[°F] -> [°C]", "25 [°C]"},
        {"0[°C] -> [K]", "273.15 [K]"},
        {"30[°C] - 20[°C]", "10 [Δ°C]"},
        {"20[°C] + 5[Δ°C]", "25 [°C]"},
        {"20[°C] + 9[Δ°F]", "25 [°C]"},
        {"20[°C] + 5[K]", "25 [°C]"},
        {"1[ddegF] -> [K]", "0.55555555555555555555555555555556 [K]"},
    });
}

TEST_F(UnitsTest, VariablesAndLastAnswer) {
    ExpectValues({
        {"d = 5[km]", "5 [km]"},
        {"d -> [m]", "5000 [m]"},
        {"@ -> [km]", "5 [km]"},
        {"d*2", "10 [km]"},
        {"m = 5", "5"},
        {"2[m] * m", "10 [m]"},
        {"width = 3", "3"},
        {"width[m] -> [cm]", "300 [cm]"},
        {"a[1] = 7", "7"},
        {"a[1]", "7"},
        {"len[m] = 9", "9"},
        {"len[m]", "9"},
    });
}

TEST_F(UnitsTest, ErrorsPointIntoTheBracket) {
    ExpectErrors({
        {"5[KM]", -3, "Error : Unknown Unit \"KM\" (Did you mean [km]?)", 2},
        {"5[qux]", -3, "Error : Unknown Unit \"qux\"", 2},
        {"5[fot]", -3, "Error : Unknown Unit \"fot\" (Did you mean [ft]?)", 2},
        {"5[m/secs]", -3, "Error : Unknown Unit \"secs\"", 4},
        {"1[m] + 2[s]", -1, "Error : Unit Mismatch [m] + [s]", 9},
        {"1[m] - 2", -1, "Error : Unit Mismatch [m] - No Unit", 2},
        {"1[kg] -> [m]", -1, "Error : Cannot Convert [kg] to [m]", 10},
        {"1[KB]", -3, "Error : Ambiguous Unit \"KB\" (Say [kB] or [KiB])", 2},
        {"1[分]", -3, "Error : Ambiguous Unit \"分\" (Say [min], or 0.1[寸])", 2},
        {"20[°C] + 5[°C]", -1, "Error : Absolute Temperatures cannot be Added", 11},
        {"2 * 20[°C]", -1, "Error : Absolute Temperatures cannot be Multiplied", 7},
        {"5[Δ°C] - 1[°C]", -1,
         "Error : Absolute Temperatures cannot be Subtracted from a Difference", 11},
        {"1[°C] -> [Δ°C]", -1, "Error : Cannot Convert [°C] to [Δ°C]", 10},
        {"ln(2[m])", -1, "Error : Invalid Function Parameter (Unit not Allowed)", 0},
        {"2[m]^0.5", -1, "Error : Unit Exponent is not Integer", 2},
        {"5[m", -3, "Error : No Closing Bracket", 3},
        {"5[]", -3, "Error : No Unit", 2},
        {"(1[m] -> [cm])", -3, "Error : No Parenthesis", 6},
    });
}

// With the option off every line reads as before.
TEST_F(EngineTest, UnitsOffKeepsTodaysErrors) {
    ExpectErrors({
        {"10[m]", -3, "Error : Illegal Character", 2},
        {"1 → [m]", -3, "Error : Illegal Character", 2},
    });
}

// Every row's factor against the exact value its source gives, in coherent units.
TEST(UnitTable, EveryRowHasItsSourceFactor) {
    struct Expected {
        const char16_t* Name;
        const char* Coherent;
        const char* Value;
    };
    const Expected cases[] = {
        {u"in", "m", "0.0254"},
        {u"ft", "m", "0.3048"},
        {u"yd", "m", "0.9144"},
        {u"mi", "m", "1609.344"},
        {u"lb", "kg", "0.45359237"},
        {u"oz", "kg", "0.028349523125"},
        {u"acre", "m²", "4046.8564224"},
        {u"nmi", "m", "1852"},
        {u"尺", "m", "0.3030303030303030303030303030303"},
        {u"間", "m", "1.8181818181818181818181818181818"},
        {u"里", "m", "3927.2727272727272727272727272727"},
        {u"坪", "m²", "3.3057851239669421487603305785124"},
        {u"合", "L", "0.18039068369646882043576258452292"},
        {u"貫", "kg", "3.75"},
        {u"匁", "g", "3.75"},
        {u"atm", "Pa", "101325"},
        {u"cal", "J", "4.184"},
        {u"Btu", "J", "1055.05585262"},
        {u"hp", "W", "745.69987158227022"},
        {u"PS", "W", "735.49875"},
        {u"gal", "L", "3.785411784"},
        {u"gal_imp", "L", "4.54609"},
        {u"psi", "Pa", "6894.7572931683613367226734453469"},
        {u"mmHg", "Pa", "133.322387415"},
        {u"eV", "J", "1.602176634e-19"},
        {u"au", "m", "149597870700"},
        {u"ly", "m", "9460730472580800"},
        {u"kn", "m/s", "0.51444444444444444444444444444444"},
        {u"mph", "m/s", "0.44704"},
        {u"ct", "g", "0.2"},
    };
    for (const Expected& c : cases) {
        CalcEngine engine;
        engine.SetOptions({.Units = true});
        std::u16string line =
            u"1[" + std::u16string(c.Name) + u"] -> [" + Utf8ToUtf16(c.Coherent) + u"]";
        std::int32_t position = 0;
        EXPECT_EQ(engine.Evaluate(line, position), 0) << Utf16ToUtf8(line);
        EXPECT_EQ(Utf16ToUtf8(engine.GetValueText()), c.Value) << Utf16ToUtf8(line);
    }
}

}  // namespace
}  // namespace numora::test
