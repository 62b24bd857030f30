// numora-calc: the engine and worksheet driver without the window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ExpressionMode.h"
#include "cli/Options.h"
#include "cli/WorksheetMode.h"
#include "engine/CalcEngine.h"

namespace {

int UsageError(const std::string& message) {
    std::fprintf(stderr, "numora-calc: %s\n%s", message.c_str(), numora::cli::UsageText());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace numora;
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::Options options;
    std::string error;
    if (!cli::ParseOptions(args, options, error)) return UsageError(error);
    if (options.ShowHelp) {
        std::fputs(cli::UsageText(), stdout);
        return 0;
    }
    if (options.SettingsDir) return UsageError("--settings-dir is not yet supported");

    CalcEngine engine;
    if (options.Digits) engine.SetDigits(*options.Digits);
    UnaryMinusBindsBase() = options.UnaryMinusBindsBase;
    if (options.Expressions.empty()) {
        const bool inPlace = options.InPlaceFile.has_value();
        const std::string source =
            inPlace ? *options.InPlaceFile : options.WorksheetFile.value_or("-");
        return cli::RunWorksheet(engine, source, inPlace, RecalcOptions{}, stdin, stdout, stderr);
    }
    return cli::RunExpressions(engine, options.Expressions, stdout);
}
