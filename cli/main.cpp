// numora-calc: the engine and worksheet driver without the window.
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "base/Text.h"
#include "cli/ExpressionMode.h"
#include "cli/InteractiveMode.h"
#include "cli/Interrupt.h"
#include "cli/LineReader.h"
#include "cli/Options.h"
#include "cli/WorksheetMode.h"
#include "engine/CalcEngine.h"
#include "engine/UserFunctions.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFolder.h"
#include "userfunc/UserFunctionStore.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cwchar>
#endif

namespace {

int UsageError(const std::string& message) {
    std::fprintf(stderr, "numora-calc: %s\n%s", message.c_str(), numora::cli::UsageText());
    return 2;
}

// A result that never reached its reader (a full disk, a closed pipe) is a failure, not a
// success.
int FinishOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("numora-calc: the output cannot be written\n", stderr);
        return 2;
    }
    return status;
}

// Percentages and 万 results as the desktop program's ini keeps them: [Edit] Percent (on unless
// 0), TaxRate (10), TaxRounding (-1) and [View] MyriadGrouping (off unless 1 or more).
void ReadPercentOptions(const std::filesystem::path& iniPath, numora::EvalOptions& options) {
    numora::IniFile ini;
    ini.Load(iniPath);
    options.Percent = ini.GetInt("Edit", "Percent", 1) != 0;
    options.TaxRate = ini.GetInt("Edit", "TaxRate", 10);
    options.TaxRounding = ini.GetInt("Edit", "TaxRounding", -1);
    options.MyriadGrouping = ini.GetInt("View", "MyriadGrouping", 0) != 0;
}

// `args` are the arguments after the program name, in UTF-8.
int Run(const std::vector<std::string>& args) {
    using namespace numora;
    cli::Options options;
    std::string error;
    if (!cli::ParseOptions(args, options, error)) return UsageError(error);
    if (options.ShowHelp) {
        std::fputs(cli::UsageText(), stdout);
        return FinishOutput(0);
    }
    if (options.ShowVersion) {
        std::fputs(cli::VersionText(), stdout);
        return FinishOutput(0);
    }
    std::filesystem::path folder = DefaultSettingsFolder();
    if (options.SettingsDir) {
        folder = std::filesystem::path(
            std::u8string(options.SettingsDir->begin(), options.SettingsDir->end()));
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec)) {
            return UsageError("--settings-dir " + *options.SettingsDir + " is not a folder");
        }
    }
    for (const std::string& expression : options.Expressions) {
        std::u16string ignored;
        if (!TryUtf8ToUtf16(expression, ignored)) {
            return UsageError("an expression is not valid UTF-8");
        }
    }

    // The desktop program's digits, options and user functions apply; the command line
    // overrides them. Only the interactive mode writes there (its history).
    Settings settings(folder, /*createFolder=*/false);
    settings.Load();
    UserFunctionCatalogue functions;
    LoadUserFunctions(functions, folder);

    CalcEngine engine(functions);
    engine.SetDigits(options.Digits.value_or(settings.Digits));
    EvalOptions evalOptions{
        .UnaryMinusBindsBase =
            options.UnaryMinusBindsBase || (settings.Option & OptionBits::UnaryMinusBindsBase) != 0,
        .GroupDigits = options.GroupDigits || settings.GroupDigits,
        .Units = settings.Units};
    ReadPercentOptions(settings.IniPath, evalOptions);
    engine.SetOptions(evalOptions);
    RecalcOptions recalc;
    recalc.enterComputesResultLine = (settings.Option & OptionBits::EnterComputesResultLine) != 0;
    recalc.totals = settings.Totals;
    const bool noSource =
        options.Expressions.empty() && !options.InPlaceFile && !options.WorksheetFile;
    if (noSource && cli::StandardStreamsAreTerminals()) {
        std::error_code ec;
        if (!options.SettingsDir) std::filesystem::create_directories(folder, ec);
        const auto reader = cli::OpenTerminalReader("numora> ", folder / "numora-calc.history");
        return FinishOutput(cli::RunInteractive(engine, recalc, *reader, stdout, stderr));
    }
    if (options.Expressions.empty()) {
        const bool inPlace = options.InPlaceFile.has_value();
        if (inPlace) cli::RemoveTemporaryFileOnSignals();
        const std::string source =
            inPlace ? *options.InPlaceFile : options.WorksheetFile.value_or("-");
        return FinishOutput(
            cli::RunWorksheet(engine, source, inPlace, recalc, stdin, stdout, stderr));
    }
    return FinishOutput(cli::RunExpressions(engine, options.Expressions, settings.Totals, stdout));
}

// A worksheet too large for the memory left ends with a message, not an abort.
int Main(const std::vector<std::string>& args) {
    try {
        return Run(args);
    } catch (const std::bad_alloc&) {
        std::fputs("numora-calc: not enough memory\n", stderr);
        return 2;
    }
}

}  // namespace

#ifdef _WIN32
// The narrow argv of Windows is in the ANSI code page; take the UTF-16 one, and write UTF-8
// bytes unchanged (no "\n" to "\r\n" translation, on standard error too). A worksheet piped in is
// read byte for byte too: in text mode a Ctrl+Z byte would end it early. MinGW needs -municode for
// wmain.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::u16string arg(argv[i], argv[i] + std::wcslen(argv[i]));
        args.push_back(numora::Utf16ToUtf8(arg));
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (!_isatty(_fileno(stdin))) _setmode(_fileno(stdin), _O_BINARY);
    return Main(args);
}
#else
int main(int argc, char** argv) { return Main(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
