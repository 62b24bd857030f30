#pragma once
// The percent sign after an operand, read beside the expression reader: "10%" is a tenth of a
// hundred, "1200 + 10%" adds ten percent of 1200, and "7 % 3" stays the remainder.
#include <cstddef>
#include <string_view>

#include "engine/Number.h"

namespace numora {

// With `position` on a '%' that follows an operand: true when it is a percent, that is when
// what follows it (after blanks) cannot begin an operand without a sign. A digit, '.', '(' or
// a name after it make it the remainder.
bool IsPercentSign(std::u16string_view text, std::size_t position);

// P% as a value: p / 100.
Number PercentValue(const Number& p);

// A running sum scaled by a percent term, as a handheld calculator does it: a × (1 + p) for
// "a + P%", a × (1 − p) for "a − P%", where p is the percent's value (P / 100).
Number ScaleByPercent(const Number& a, const Number& p, bool subtract);

}  // namespace numora
