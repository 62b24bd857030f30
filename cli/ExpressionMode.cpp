#include "cli/ExpressionMode.h"

#include "base/Text.h"
#include "worksheet/LineText.h"
#include "worksheet/Totals.h"

namespace numora::cli {

int RunExpressions(CalcEngine& engine, const std::vector<std::string>& expressions, bool totals,
                   std::FILE* out) {
    LineTotals names(engine.GetFunctions());
    TotalsState sums;
    names.Use(&sums);
    if (totals) engine.SetNameSource(&names);
    int exitCode = 0;
    for (const std::string& expression : expressions) {
        std::u16string line = Utf8ToUtf16(expression);
        std::u16string prepared = line;
        PrepareLineText(prepared, true);
        const TotalsName summary = SummaryOf(prepared);
        std::int32_t position = 0;
        const int status = engine.Evaluate(line, position);
        if (status != 0) exitCode = 1;
        sums.Calculated(summary, status == 0, engine.GetResult());
        const std::string text = Utf16ToUtf8(engine.GetMessageText()) + "\n";
        std::fwrite(text.data(), 1, text.size(), out);
    }
    engine.SetNameSource(nullptr);
    std::fflush(out);
    return exitCode;
}

}  // namespace numora::cli
