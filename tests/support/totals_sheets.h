#pragma once
// Worksheets that use the totals names, and each one as recalculating it top to bottom leaves
// it. The worksheet tests, numora-calc's tests and the window's test run the same table, so the
// three agree on every row.
#include <string>
#include <vector>

namespace numora::testing {

struct TotalsSheet {
    const char* name;
    std::u16string sheet;
    std::u16string recalculated;
    int digits = 32;
    bool grouped = false;
};

inline const std::vector<TotalsSheet>& TotalsSheets() {
    static const std::vector<TotalsSheet> sheets = {
        {"two blocks, each with its subtotal, and the total",
         u"100\n200\nsubtotal\n\n50\n25\nsubtotal\ntotal\n",
         u"100\n>100\n200\n>200\nsubtotal\n>300\n\n50\n>50\n25\n>25\nsubtotal\n>75\ntotal\n>375\n"},
        {"a subtotal line closes its block: the next item starts the next one",
         u"100\n200\nSubTotal\n50\nsubtotal\ntotal\n",
         u"100\n>100\n200\n>200\nSubTotal\n>300\n50\n>50\nsubtotal\n>50\ntotal\n>350\n"},
        {"a total line starts the total again; the block goes on",
         u"1\n2\ntotal\n4\n5\nsubtotal\ntotal\n",
         u"1\n>1\n2\n>2\ntotal\n>3\n4\n>4\n5\n>5\nsubtotal\n>12\ntotal\n>9\n"},
        {"an invoice: the tax takes the subtotal above it and is an item of the total",
         u"item1 = 120\nitem2 = 80\nsubtotal\ntax = subtotal*0.08\ntotal\n",
         u"item1 = 120\n>120\nitem2 = 80\n>80\nsubtotal\n>200\ntax = subtotal*0.08\n>16\n"
         u"total\n>216\n"},
        {"an error line and a comment count as nothing",
         u"10\n1/0\n// twenty\n20\nsubtotal\naverage\n",
         u"10\n>10\n1/0\n>Error : Division by zero\n// twenty\n20\n>20\nsubtotal\n>30\n"
         u"average\n>15\n"},
        {"a subtotal just below a blank line is 0; the total goes on", u"5\n\nsubtotal\ntotal\n",
         u"5\n>5\n\nsubtotal\n>0\ntotal\n>5\n"},
        {"the average of an empty block fails", u"7\n\naverage\ntotal\n",
         u"7\n>7\n\naverage\n>Error : Division by zero\ntotal\n>7\n"},
        {"a result line typed by hand counts as its text reads, grouped digits too",
         u"// carried over\n>1,234.5\n10\ntotal\n",
         u"// carried over\n>1,234.5\n10\n>10\ntotal\n>1244.5\n"},
        {"a variable of the name wins", u"total = 5\n100\ntotal\ntotal*2\n",
         u"total = 5\n>5\n100\n>100\ntotal\n>5\ntotal*2\n>10\n"},
        {"grouped results", u"1234567\n7654321\nsubtotal\n",
         u"1234567\n>1,234,567\n7654321\n>7,654,321\nsubtotal\n>8,888,888\n", 32, true},
        {"the values kept, not the texts shown", u"1/3\n1/3\n1/3\nsubtotal\n",
         u"1/3\n>0.33333\n1/3\n>0.33333\n1/3\n>0.33333\nsubtotal\n>1\n", 5},
        {"Japanese names, assigned and in any case",
         u"a = 2\nb = 3\n食費 = 小計\nＳＵＢＴＯＴＡＬ\n平均\n合計\n",
         u"a = 2\n>2\nb = 3\n>3\n食費 = 小計\n>5\nＳＵＢＴＯＴＡＬ\n>5\n平均\n>2.5\n合計\n>5\n"},
    };
    return sheets;
}

}  // namespace numora::testing
