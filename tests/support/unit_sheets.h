#pragma once
// Worksheets with units in brackets, and each one as recalculating it top to bottom leaves it.
// The worksheet tests (Enter line by line, automatic recalculation, Recalculate All, the live
// preview) and numora-calc's tests run the same table, so they agree on every row.
#include <string>
#include <vector>

namespace numora::testing {

struct UnitSheet {
    const char* name;
    std::u16string sheet;
    std::u16string recalculated;
};

inline const std::vector<UnitSheet>& UnitSheets() {
    static const std::vector<UnitSheet> sheets = {
        {"carpentry: a board in 尺 and 寸, in metres exactly",
         u"board = 6[尺] + 5[寸]\nboard -> [cm]\n33[尺] -> [m]\n",
         u"board = 6[尺] + 5[寸]\n>6.5 [尺]\nboard -> [cm]\n>196.9696969696969696969696969697 "
         u"[cm]\n"
         u"33[尺] -> [m]\n>10 [m]\n"},
        {"land: 坪 and square metres", u"plot = 121[坪]\nplot -> [m²]\n@ -> [ha]\n",
         u"plot = 121[坪]\n>121 [坪]\nplot -> [m²]\n>400 [m²]\n@ -> [ha]\n>0.04 [ha]\n"},
        {"a result line pastes back and means the same", u"5[ft] + 2[in] -> [cm]\n157.48 [cm]\n",
         u"5[ft] + 2[in] -> [cm]\n>157.48 [cm]\n157.48 [cm]\n>157.48 [cm]\n"},
        {"a subtotal of lengths is in the first item's unit",
         u"1[m]\n20[cm]\n3[ft]\nsubtotal\nsubtotal -> [mm]\n",
         u"1[m]\n>1 [m]\n20[cm]\n>20 [cm]\n3[ft]\n>3 [ft]\nsubtotal\n>2.1144 [m]\n"
         u"subtotal -> [mm]\n>2114.4 [mm]\n"},
        {"a total over blocks of one dimension, an average in the block's unit",
         u"2[kg]\n500[g]\nsubtotal\n\n1[lb]\naverage\ntotal\n",
         u"2[kg]\n>2 [kg]\n500[g]\n>500 [g]\nsubtotal\n>2.5 [kg]\n\n1[lb]\n>1 [lb]\naverage\n"
         u">1 [lb]\ntotal\n>2.95359237 [kg]\n"},
        {"mixed dimensions fail with the mismatch", u"1[m]\n2[s]\nsubtotal\n",
         u"1[m]\n>1 [m]\n2[s]\n>2 [s]\nsubtotal\n>Error : Unit Mismatch [m] + [s]\n"},
        {"bare numbers and quantities do not add up", u"5\n1[m]\ntotal\n",
         u"5\n>5\n1[m]\n>1 [m]\ntotal\n>Error : Unit Mismatch No Unit + [m]\n"},
        {"temperatures: a difference of scales, a scale plus a difference",
         u"t0 = 20[°C]\nt1 = 77[°F] -> [°C]\nt1 - t0\nt0 + 9[Δ°F]\nt0 + t1\n",
         u"t0 = 20[°C]\n>20 [°C]\nt1 = 77[°F] -> [°C]\n>25 [°C]\nt1 - t0\n>5 [Δ°C]\n"
         u"t0 + 9[Δ°F]\n>25 [°C]\nt0 + t1\n>Error : Absolute Temperatures cannot be Added\n"},
        {"cooking: 合 of rice in litres, and a speed", u"3[合] -> [L]\n100[km] / 2[h]\n",
         u"3[合] -> [L]\n>0.54117205108940646130728775356875 [L]\n100[km] / 2[h]\n>50 [km/h]\n"},
        {"a variable of the name with its bracket is kept",
         u"width[m] = 4\nwidth = 3\nwidth[m]\nwidth[cm] -> [m]\n",
         u"width[m] = 4\n>4\nwidth = 3\n>3\nwidth[m]\n>4\nwidth[cm] -> [m]\n>0.03 [m]\n"},
    };
    return sheets;
}

}  // namespace numora::testing
