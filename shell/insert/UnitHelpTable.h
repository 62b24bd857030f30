#pragma once
// The SI prefixes' words, as sources of translation for the completion list; the unit table
// holds each unit's help in Japanese and in English itself.
#include <span>
#include <string_view>

namespace numora {

// The prefix words are UTF-8 sources of translation in this context.
inline constexpr char kUnitHelpContext[] = "numora::UnitHelp";

struct UnitPrefixWord {
    std::u16string_view prefix;  // as UnitPrefixes() names it
    const char* word;            // "キロ"
};
std::span<const UnitPrefixWord> UnitPrefixWords();

}  // namespace numora
