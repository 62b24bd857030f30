#include "engine/EngineTexts.h"

#include <algorithm>

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
    // The quoted part of a line is shown on one result line, where a tab would be a raw control
    // character (or a jump to the next tab stop): it shows as the blank it is to the engine.
    std::u16string shown(text);
    std::replace(shown.begin(), shown.end(), u'\t', u' ');
    return Replace(pattern, u"%s", shown);
}

std::u16string FormatMessage(std::u16string_view pattern, int number) {
    const std::string digits = std::to_string(number);
    return Replace(pattern, u"%d", std::u16string(digits.begin(), digits.end()));
}

}  // namespace numora
