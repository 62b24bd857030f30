#include "cli/Options.h"

#include <charconv>
#include <string>

#include "base/DigitLimits.h"

namespace numora::cli {

namespace {

bool ParseDigits(const std::string& text, int& digits) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, digits);
    return ec == std::errc() && end == last && digits >= 0 && digits <= kMaxResultDigits;
}

// Splits "--name=value"; returns false when `arg` has no '='.
bool SplitInline(const std::string& arg, std::string& name, std::string& value) {
    const std::size_t eq = arg.find('=');
    if (arg.rfind("--", 0) != 0 || eq == std::string::npos) return false;
    name = arg.substr(0, eq);
    value = arg.substr(eq + 1);
    return true;
}

}  // namespace

static_assert(kMaxResultDigits == 255, "the usage text names the digits limit");

const char* UsageText() {
    return "usage: numora-calc [options]                 at a terminal: evaluate lines as typed\n"
           "       numora-calc [options] -e EXPR [-e EXPR ...]  print each expression's result\n"
           "       numora-calc [options] [--] [FILE | -] recalculate a worksheet, print it\n"
           "       numora-calc [options] -i FILE         recalculate a worksheet in place\n"
           "options:\n"
           "  -e, --expression EXPR     evaluate EXPR as one worksheet line\n"
           "  -i FILE                   rewrite FILE in place (CR LF line ends)\n"
           "  --digits N                significant digits of results (0..255, 0 = all)\n"
           "  --unary-minus-binds-base  -a^b means (-a)^b\n"
           "  --group-digits            write results as 1,234,567.5\n"
           "  --settings-dir DIR        folder of Numora.ini, UserFunction.dat and the history\n"
           "  -h, --help                show this text\n"
           "  --version                 show the program's version\n"
           "  --                        end of options: what follows is the FILE\n"
           "exit status: 0 every line succeeded, 1 a line failed, 2 usage or file error\n";
}

const char* VersionText() { return "numora-calc " NUMORA_VERSION "\n"; }

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        // After "--" every argument is a file, so a worksheet named "-x" can be given.
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            if (options.WorksheetFile) {
                error = "only one worksheet file may be given";
                return false;
            }
            options.WorksheetFile = arg;
            continue;
        }
        std::string inlineValue;
        bool hasInline = false;
        {
            std::string name;
            if (SplitInline(arg, name, inlineValue)) {
                arg = name;
                hasInline = true;
            }
        }
        auto takeValue = [&](std::string& value) {
            if (hasInline) {
                value = inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };

        std::string value;
        if (arg == "-e" || arg == "--expression") {
            if (!takeValue(value)) return false;
            options.Expressions.push_back(value);
        } else if (arg == "--digits") {
            if (!takeValue(value)) return false;
            int digits = 0;
            if (!ParseDigits(value, digits)) {
                error = "--digits needs a whole number from 0 to " +
                        std::to_string(kMaxResultDigits) + ", not \"" + value + "\"";
                return false;
            }
            options.Digits = digits;
        } else if (arg == "--unary-minus-binds-base" && !hasInline) {
            options.UnaryMinusBindsBase = true;
        } else if (arg == "--group-digits" && !hasInline) {
            options.GroupDigits = true;
        } else if (arg == "--settings-dir") {
            if (!takeValue(value)) return false;
            options.SettingsDir = value;
        } else if (arg == "-i") {
            if (!takeValue(value)) return false;
            if (options.InPlaceFile) {
                error = "-i may be given only once";
                return false;
            }
            options.InPlaceFile = value;
        } else if ((arg == "-h" || arg == "--help") && !hasInline) {
            options.ShowHelp = true;
        } else if (arg == "--version" && !hasInline) {
            options.ShowVersion = true;
        } else {
            error = "unknown option " + args[i];
            return false;
        }
    }
    const int modes = (options.Expressions.empty() ? 0 : 1) + (options.InPlaceFile ? 1 : 0) +
                      (options.WorksheetFile ? 1 : 0);
    if (modes > 1) {
        error = "-e, -i FILE and a worksheet FILE cannot be combined";
        return false;
    }
    return true;
}

}  // namespace numora::cli
