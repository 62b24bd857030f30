#include "cli/InteractiveMode.h"

#include <string>

#include "base/Text.h"
#include "cli/Interrupt.h"
#include "engine/Cancel.h"

namespace numora::cli {

int RunInteractive(CalcEngine& engine, const RecalcOptions& options, LineReader& reader,
                   std::FILE* out, std::FILE* err) {
    SetInterruptTarget(&engine.Cancel());
    std::string line;
    for (;;) {
        // Cleared before the read, so a Ctrl+C that comes any time after the line is typed
        // still stops its calculation.
        ClearCancel(engine.Cancel());
        const ReadResult read = reader.ReadLine(line);
        if (read == ReadResult::End) break;
        if (read == ReadResult::Interrupted) continue;
        if (line.find_first_not_of(" \t") != std::string::npos) reader.AddHistory(line);
        std::u16string text;
        if (!TryUtf8ToUtf16(line, text)) {
            std::fputs("numora-calc: the line is not UTF-8 text\n", err);
            continue;
        }
        // The line as a one-line worksheet through the Enter-key driver: what follows the line
        // afterwards is the result line the worksheet would show (nothing for a comment).
        const std::u16string sheet = RecalculateWorksheet(text, engine, options).text;
        const std::size_t lineEnd = sheet.find(u'\n');
        if (lineEnd == std::u16string::npos) continue;
        const std::string result = Utf16ToUtf8(std::u16string_view(sheet).substr(lineEnd + 1));
        std::fwrite(result.data(), 1, result.size(), out);
        std::fflush(out);
    }
    SetInterruptTarget(nullptr);
    // The shell's prompt then starts on a line of its own.
    std::fputs("\n", out);
    return 0;
}

}  // namespace numora::cli
