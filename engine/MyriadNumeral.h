#pragma once
// Numbers written with 千, 百, 万, 億, 兆 and 京 ("3万5千", "1.5億", "1億2345万6789"), and results
// written back in that form. The reader sits beside the number literal reader: each run of
// digits is a literal, the characters after it scale it.
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Number.h"

namespace numora {

// True for the characters that may follow the digits of such a number.
bool IsMyriadCharacter(char16_t c);

// Reads a number at `position` (on a digit or '.') as ParseNumberLiteral does, and when 千, 百,
// 万, 億, 兆 or 京 follow its digits directly, the whole numeral: the big units largest first and
// once each, at most four digits before each after the first, digits after the last unit taken
// as written ("3万5" is 30005). On failure `detail` holds the text for "Error : Invalid Value %s"
// and `position` is where the fault lies. Never throws.
bool ParseMyriadNumeral(std::u16string_view text, std::size_t& position, Number& value,
                        std::u16string& detail);

// `plain` (a result as FormatNumber writes it) in groups of four digits with their units, the
// groups that are zero left out: "123456789" gives "1億2345万6789", "-35000" gives "-3万5000".
// Values below 1万 or from 10^20 on, scientific notation and the special values stay as given.
std::u16string MyriadGrouped(std::u16string_view plain);

}  // namespace numora
