#pragma once
// The reader of a unit in square brackets: names joined by '*', '·', '×', '/' and '÷', each with
// an optional power ('²', '³', '^2', '^-1'); "[1/s]" for a reciprocal.
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Quantity.h"

namespace numora {

// Reads the bracket at `position` (on '['). On success `unit` holds it and `position` is just
// after ']'. On failure `message` holds the error and `position` is where it lies (on the name
// for an unknown one).
bool ReadUnitBracket(std::u16string_view text, std::size_t& position, Unit& unit,
                     std::u16string& message);

}  // namespace numora
