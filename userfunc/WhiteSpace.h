#pragma once
#include <string_view>

namespace numora {

// White space as the platform's wide-character classification sees it: the C0 spacing
// controls, the blank, NEL, no-break space and the Unicode space separators up to U+3000.
bool IsWhiteSpace(char16_t c);
std::u16string_view TrimWhiteSpace(std::u16string_view text);

}  // namespace numora
