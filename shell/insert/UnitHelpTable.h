#pragma once
// The unit table's help texts and the SI prefixes' words, as sources of translation for the
// completion list.
#include <span>
#include <string_view>

namespace numora {

// The help texts and prefix words are UTF-8 sources of translation in this context.
inline constexpr char kUnitHelpContext[] = "numora::UnitHelp";

// The help text of each row of UnitRows(), in the same order.
std::span<const char* const> UnitHelpSources();

struct UnitPrefixWord {
    std::u16string_view prefix;  // as UnitPrefixes() names it
    const char* word;            // "キロ"
};
std::span<const UnitPrefixWord> UnitPrefixWords();

}  // namespace numora
