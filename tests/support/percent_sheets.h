#pragma once
// Worksheets with percentages, tax calls and numbers in 万 and 億, each with the options it is
// read under and as recalculating it top to bottom leaves it. The worksheet tests (Enter line
// by line, automatic recalculation, Recalculate All, the live preview) and numora-calc's tests
// (the options from Numora.ini) run the same table, so they agree on every row.
#include <string>
#include <vector>

namespace numora::testing {

struct PercentSheet {
    const char* name;
    std::u16string sheet;
    std::u16string recalculated;
    // The options, as [Edit] Percent, TaxRate, TaxRounding and [View] MyriadGrouping keep them.
    bool percent = true;
    int taxRate = 10;
    int taxRounding = -1;
    bool myriad = false;

    // Numora.ini holding the options.
    std::string IniText() const {
        return "[Edit]\r\nPercent=" + std::to_string(percent ? 1 : 0) +
               "\r\nTaxRate=" + std::to_string(taxRate) +
               "\r\nTaxRounding=" + std::to_string(taxRounding) +
               "\r\n[View]\r\nMyriadGrouping=" + std::to_string(myriad ? 1 : 0) + "\r\n";
    }
};

inline const std::vector<PercentSheet>& PercentSheets() {
    static const std::vector<PercentSheet> sheets = {
        {"percent chains scale the running value; a remainder stays one",
         u"1200 + 10%\n72 - 20% + 5%\nprice = 2980 - 20%\nprice + 8%\n7 % 3\n10% + 5%\n",
         u"1200 + 10%\n>1320\n72 - 20% + 5%\n>60.48\nprice = 2980 - 20%\n>2384\nprice + 8%\n"
         u">2574.72\n7 % 3\n>1\n10% + 5%\n>0.15\n"},
        {"tax calls at the rate and rounding of the ini, and their own",
         u"Tax(1234)\n税込(1000)\nTaxIncluded(1080; 10%)\n消費税(105*3; 10%; -1)\n"
         u"TaxMinus(1080)\n",
         u"Tax(1234)\n>99\n税込(1000)\n>1080\nTaxIncluded(1080; 10%)\n>98\n"
         u"消費税(105*3; 10%; -1)\n>31\nTaxMinus(1080)\n>1000\n",
         true, 8, 0},
        {"numbers in 万 and 億 read; results plain",
         u"3万5千 + 10%\n1.5億\n1億2345万6789 - 1\nPct(3万; 12万)\n",
         u"3万5千 + 10%\n>38500\n1.5億\n>150000000\n1億2345万6789 - 1\n>123456788\n"
         u"Pct(3万; 12万)\n>25\n"},
        {"results in 万 and 億, and a subtotal over them",
         u"123456789\n-35000\n12345.67\n9999\nx = 2万 * 3\nsubtotal\n",
         u"123456789\n>1億2345万6789\n-35000\n>-3万5000\n12345.67\n>1万2345.67\n9999\n>9999\n"
         u"x = 2万 * 3\n>6万\nsubtotal\n>1億2350万4133.67\n",
         true, 10, -1, true},
        {"a subtotal takes a percent, and the tax of an invoice is rounded once",
         u"980\n1200\n小計 + 10%\n\n105\n105\n105\nTax(小計)\n",
         u"980\n>980\n1200\n>1200\n小計 + 10%\n>2398\n\n105\n>105\n105\n>105\n105\n>105\n"
         u"Tax(小計)\n>31\n"},
        {"percentages off: the sign is the remainder and 万 no digit, as before",
         u"1200 + 10%\n3万\nTax(1000)\n7 % 3\n",
         u"1200 + 10%\n>Error : Illegal Expression\n3万\n>Error : Illegal Character\n"
         u"Tax(1000)\n>Error : \"tax\" is Not Function\n7 % 3\n>1\n",
         false},
    };
    return sheets;
}

}  // namespace numora::testing
