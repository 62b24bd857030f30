#pragma once
// Command-line options of numora-calc.
#include <optional>
#include <string>
#include <vector>

namespace numora::cli {

struct Options {
    std::vector<std::string> Expressions;      // -e EXPR, in order (UTF-8)
    std::optional<int> Digits;                 // --digits N, 0..255
    bool UnaryMinusBindsBase = false;          // --unary-minus-binds-base
    bool GroupDigits = false;                  // --group-digits
    std::optional<std::string> SettingsDir;    // --settings-dir DIR
    std::optional<std::string> InPlaceFile;    // -i FILE: rewrite FILE in place
    std::optional<std::string> WorksheetFile;  // FILE, or "-" for standard input
    bool ShowHelp = false;                     // -h, --help
    bool ShowVersion = false;                  // --version
};

// Parses argv[1..]. On a usage error returns false and sets `error` to a one-line message.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

// The usage text printed for --help and after a usage error.
const char* UsageText();
// "numora-calc" and the program's version, for --version.
const char* VersionText();

}  // namespace numora::cli
