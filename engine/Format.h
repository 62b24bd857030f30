#pragma once
// Turning numbers into the texts of the result line and of the status bar.
#include <string>
#include <string_view>

#include "engine/Number.h"

namespace numora {

enum class StatusFormat;

// Decimal text of `value` with `digits` significant digits (0 = every digit Number holds):
// fixed notation for decimal exponents from -4 up to the digit count, scientific otherwise,
// trailing zeros removed, "inf", "-inf" and "nan" for the special values. Digit counts outside
// 0..kMaxResultDigits are clamped into that range.
std::u16string FormatNumber(const Number& value, int digits);

// `text` (as FormatNumber writes it) with the integer part in groups of three digits parted
// by ",", which a decimal literal skips: "-12345.678" becomes "-12,345.678". Scientific
// notation and the special values stay as they are.
std::u16string GroupedDigits(std::u16string_view text);

// The status-bar forms of `value`: decimal (`decimalText` as given), or the two's-complement
// bits of ToUInt64(value) as hexadecimal or binary, grouped by four for the result pane or
// plain for the clipboard.
std::u16string FormatStatusText(StatusFormat format, bool grouped, const Number& value,
                                const std::u16string& decimalText);

}  // namespace numora
