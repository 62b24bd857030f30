// libFuzzer target: every built-in function called directly with arbitrary arguments.
// Built-ins report nothing and must never crash or throw, whatever their arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "engine/Builtins.h"
#include "engine/EngineState.h"

namespace {

using numora::ArgList;
using numora::Number;

// True for the texts the engine's literal reader hands to Number: [-]digits[.digits][e[+-]digits].
// Other texts can build malformed values inside Number that no worksheet line can produce.
bool IsDecimalText(std::string_view t) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i > start;
    };
    if (i < t.size() && t[i] == '-') ++i;
    if (!digits()) return false;
    if (i < t.size() && t[i] == '.') {
        ++i;
        if (!digits()) return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == t.size();
}

// One argument from text; texts that are no number give a few special values.
Number ParseArgument(std::string_view text) {
    if (text == "nan") return std::numeric_limits<Number>::quiet_NaN();
    if (text == "inf") return std::numeric_limits<Number>::infinity();
    if (text == "-inf") return -std::numeric_limits<Number>::infinity();
    if (!IsDecimalText(text)) return Number(static_cast<std::int64_t>(text.size()) - 3);
    try {
        return Number(std::string(text));
    } catch (...) {
        // Exponents beyond the int range are refused by the constructor.
        return text.find("e-") != std::string_view::npos ? Number(0)
                                                         : std::numeric_limits<Number>::infinity();
    }
}

}  // namespace

// Input: one byte choosing the table row, then ';'-separated argument texts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto& table = numora::BuiltinTable();
    const numora::BuiltinFunction& row = table[data[0] % table.size()];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    ArgList args;
    while (args.size() < row.MaxParams) {
        const std::size_t end = rest.find(';');
        args.push_back(ParseArgument(rest.substr(0, end)));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    while (args.size() < row.MinParams || args.empty()) args.push_back(Number(0));

    if (row.ReturnsText) {
        std::u16string text;
        const Number value = row.TextImpl(args, text);
        (void)value;
    } else if (row.EngineImpl != nullptr) {
        // A new engine for each input, so that an input means the same whatever ran before.
        numora::EngineState engine(numora::NoUserFunctions());
        (void)row.EngineImpl(args, engine);
    } else {
        (void)row.Impl(args);
    }
    return 0;
}
