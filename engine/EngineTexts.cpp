#include "engine/EngineTexts.h"

namespace numora {

namespace {

std::u16string Replace(std::u16string_view pattern, std::u16string_view marker,
                       std::u16string_view text) {
    std::u16string out(pattern);
    const std::size_t at = out.find(marker);
    if (at != std::u16string::npos) out.replace(at, marker.size(), text);
    return out;
}

}  // namespace

std::u16string FormatMessage(std::u16string_view pattern, std::u16string_view text) {
    return Replace(pattern, u"%s", text);
}

std::u16string FormatMessage(std::u16string_view pattern, int number) {
    const std::string digits = std::to_string(number);
    return Replace(pattern, u"%d", std::u16string(digits.begin(), digits.end()));
}

}  // namespace numora
