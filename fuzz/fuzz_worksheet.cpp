// libFuzzer target: a small worksheet, its lines evaluated in order in one engine, so that
// variables and the last result carry from line to line.
// The engine must neither crash nor throw, and its outcome must be self-consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "engine/EngineTexts.h"
#include "engine/UserFunctions.h"

namespace {

using numora::CalcEngine;
using numora::StatusFormat;

void Require(bool condition) {
    if (!condition) std::abort();
}

// A few user functions so that calls, nesting and runaway recursion are reachable.
numora::UserFunctionCatalogue MakeUserFunctions() {
    numora::UserFunctionCatalogue catalogue;
    catalogue.Append({u"Sq", {u"x"}, u"x*x+1", u""});
    catalogue.Append({u"diff", {u"a", u"b"}, u"a-b", u""});
    catalogue.Append({u"loop", {u"n"}, u"loop(n-1)", u""});
    catalogue.Append({u"noarg", {}, u"@*2", u""});
    return catalogue;
}

void EvaluateLine(CalcEngine& engine, std::u16string line) {
    std::int32_t position = 0;
    const int status = engine.Evaluate(line, position);
    Require(status <= 0);
    if (status < 0) {
        Require(position >= 0 && static_cast<std::size_t>(position) <= line.size());
        Require(engine.GetMessageText().rfind(u"Error : ", 0) == 0);
        // The catch-all behind Evaluate: reaching it means some code threw unexpectedly.
        Require(engine.GetMessageText() != numora::texts::kInternalError);
        return;
    }
    for (StatusFormat format :
         {StatusFormat::Decimal, StatusFormat::Hexadecimal, StatusFormat::Binary}) {
        Require(!engine.FormatForStatus(format, true).empty());
        Require(!engine.FormatForStatus(format, false).empty());
    }
}

}  // namespace

// Input: optional leading byte 0x01 plus one byte of result digits, then UTF-8 text whose
// lines ('\n') are evaluated in order, so variables carry from line to line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const numora::UserFunctionCatalogue functions = MakeUserFunctions();

    std::string_view input(reinterpret_cast<const char*>(data), size);
    int digits = 32;
    if (input.size() >= 2 && input[0] == '\x01') {
        digits = static_cast<unsigned char>(input[1]);
        input.remove_prefix(2);
    }
    CalcEngine engine(functions);
    engine.SetDigits(digits);
    const std::u16string text = numora::Utf8ToUtf16(input);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        EvaluateLine(engine, text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
