// libFuzzer target: arbitrary lines through CalcEngine::Evaluate, as the worksheet hands them
// over. The input's bytes are taken as UTF-16 code units, so lone surrogates, NUL and controls
// arrive too; percentages, the tax functions and numbers with 万 and 億 are on for some inputs.
// A line ends in a value or an "Error : " message and never escapes. fuzz/evaluate.dict holds
// the tokens of those lines as byte pairs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/CalcEngine.h"
#include "engine/UserFunctions.h"

namespace {

numora::CalcEngine& Engine() {
    static numora::CalcEngine* engine = [] {
        auto* functions = new numora::UserFunctionCatalogue;
        functions->Append({u"f", {u"x"}, u"x*2+f", u""});
        functions->Append({u"g", {u"a", u"B"}, u"f(a)^b", u""});
        functions->Append({u"r", {u"x"}, u"g(x;1)+r(x)", u""});
        return new numora::CalcEngine(*functions);
    }();
    return *engine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    numora::CalcEngine& engine = Engine();
    // The first byte picks the options and how the rest is read: bit 0 the unary minus, bit 1
    // percentages, bit 2 results in 万 and 億, bits 3 to 6 the digits, bit 7 set reads code
    // units from byte pairs, clear from single bytes.
    if (size == 0) return 0;
    constexpr int kDigits[] = {0, 1, 2, 3, 4, 5, 6, 8, 12, 16, 20, 24, 31, 32, 33, 64};
    engine.SetOptions({.UnaryMinusBindsBase = (data[0] & 1) != 0,
                       .Percent = (data[0] & 2) != 0,
                       .MyriadGrouping = (data[0] & 4) != 0});
    engine.SetDigits(kDigits[(data[0] >> 3) & 0x0F]);
    std::u16string line;
    if ((data[0] & 0x80) != 0) {
        for (std::size_t i = 1; i + 1 < size; i += 2) {
            line.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
        }
    } else {
        for (std::size_t i = 1; i < size; ++i) line.push_back(static_cast<char16_t>(data[i]));
    }
    const std::size_t length = line.size();
    std::int32_t position = 0;
    const int status = engine.Evaluate(line, position);
    const std::u16string& message = engine.GetMessageText();
    if (line.size() != length) std::abort();
    if (status == 0 && (position != static_cast<std::int32_t>(length) || message.empty() ||
                        message.rfind(u"Error", 0) == 0)) {
        std::abort();
    }
    if (status != 0 && (status > 0 || message.rfind(u"Error : ", 0) != 0 || position < 0 ||
                        position > static_cast<std::int32_t>(length))) {
        std::abort();
    }
    return 0;
}
