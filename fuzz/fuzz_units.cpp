// libFuzzer target: lines with units in brackets, conversions and quantity arithmetic, through
// CalcEngine::Evaluate with units on. Bytes with the high bit set stand for pieces of the unit
// language (brackets, arrows, temperature names, powers), so that the fuzzer builds lines that
// get past the reader; the others are characters as they are. The engine keeps its variables
// from input to input, so quantities stored by one line meet the next. A line ends in a value
// or an "Error : " message and never escapes.
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
        functions->Append({u"area", {u"w", u"h"}, u"w*h", u""});
        functions->Append({u"c", {u"t"}, u"t -> [°C]", u""});
        return new numora::CalcEngine(*functions);
    }();
    return *engine;
}

constexpr const char16_t* kPieces[] = {
    u"[m]",   u"[km]",  u"[cm]", u"[ft]",   u"[in]",   u"[尺]",   u"[寸]",    u"[坪]",
    u"[m²]",  u"[m^2]", u"[s]",  u"[h]",    u"[km/h]", u"[m/s]",  u"[m/s^2]", u"[kg·m²]",
    u"[N*m]", u"[J]",   u"[°C]", u"[°F]",   u"[K]",    u"[Δ°C]",  u"[ddegF]", u"[°]",
    u"[rad]", u"[KB]",  u"[分]", u"[kB]",   u"[KiB]",  u"[1/s]",  u"[s^-1]",  u"[mi]",
    u" -> ",  u"→",     u"[",    u"]",      u"^",      u"²",      u"³",       u"/",
    u"*",     u"·",     u"+",    u"-",      u"(",      u")",      u";",       u"=",
    u"sqrt(", u"sin(",  u"abs(", u"round(", u"ln(",    u"hypot(", u"atan2(",  u"area(",
    u"c(",    u"@",     u"d",    u"d = ",   u"x[m]",   u"1e99",   u"0",       u"-40",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    numora::CalcEngine& engine = Engine();
    // The first byte: bit 0 the unary minus, bit 1 grouped digits, bits 2 to 7 the digits.
    if (size == 0) return 0;
    engine.SetOptions({.UnaryMinusBindsBase = (data[0] & 1) != 0,
                       .GroupDigits = (data[0] & 2) != 0,
                       .Units = true});
    engine.SetDigits(data[0] >> 2);
    std::u16string line;
    for (std::size_t i = 1; i < size; ++i) {
        if ((data[i] & 0x80) != 0) {
            line += kPieces[(data[i] & 0x7F) % std::size(kPieces)];
        } else {
            line.push_back(static_cast<char16_t>(data[i]));
        }
    }
    // Unbounded arithmetic is the evaluate target's; here the lines stay short.
    if (line.size() > 400) line.resize(400);
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
    if (engine.GetVariables().Size() > 64) engine.GetVariables().Clear();
    return 0;
}
