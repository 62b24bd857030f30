#pragma once
// Colouring rules of the worksheet, computed from one paragraph's text alone. The view applies
// the segments; nothing here knows about fonts or widgets.
#include <cstdint>
#include <string_view>
#include <vector>

namespace numora {

enum class ColorKind { Default, Result, Error, Comment };

// [start, start + length) takes the colour of `kind`. Positions are UTF-16 code units.
struct ColorSegment {
    std::int32_t start = 0;
    std::int32_t length = 0;
    ColorKind kind = ColorKind::Default;

    friend bool operator==(const ColorSegment&, const ColorSegment&) = default;
};

using ColorSegments = std::vector<ColorSegment>;

// The rule used after each edit: error markers are searched anywhere in the paragraph, the
// first ">" starts the result part, "//" starts the comment. Positions are relative to the
// paragraph start; the segments cover the whole paragraph in order. With `arrows` (units on),
// the ">" of a conversion arrow "->" is part of the expression, not the start of a result.
ColorSegments ColorEditedParagraph(std::u16string_view paragraph, bool arrows = false);

// The rule of the full recolouring: a left-to-right scan in which an error marker counts only
// right after the first ">". Positions are relative to the paragraph start.
ColorSegments ColorScannedParagraph(std::u16string_view paragraph, bool arrows = false);

}  // namespace numora
