#include "cli/ExpressionMode.h"

#include "base/Text.h"

namespace numora::cli {

int RunExpressions(CalcEngine& engine, const std::vector<std::string>& expressions,
                   std::FILE* out) {
    int exitCode = 0;
    for (const std::string& expression : expressions) {
        std::u16string line = Utf8ToUtf16(expression);
        std::int32_t position = 0;
        if (engine.Evaluate(line, position) != 0) exitCode = 1;
        const std::string text = Utf16ToUtf8(engine.GetMessageText()) + "\n";
        std::fwrite(text.data(), 1, text.size(), out);
    }
    std::fflush(out);
    return exitCode;
}

}  // namespace numora::cli
