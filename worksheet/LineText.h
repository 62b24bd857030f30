#pragma once
// The worksheet's line conventions: comments, result lines, and how a paragraph is prepared for
// the Enter key.
#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

// What the Enter key does with a prepared paragraph.
enum class LineKind {
    Empty,       // nothing but a comment or blanks
    Result,      // starts with '>': a line written by the program
    Expression,  // anything else, assignments included; the engine decides
};

// Printing characters are the non-blank ones: letters of any script, digits and punctuation.
bool IsPrintingChar(char16_t c);

// In insert mode Enter on a result line copies its content to a new line; otherwise the
// content is calculated. Shift inverts the EnterComputesResultLine option.
constexpr bool IsInsertMode(bool enterComputesResultLine, bool shift) {
    return enterComputesResultLine == shift;
}

// Cuts a "//" comment and the blanks around the text (and, outside insert mode, any '>' among
// the leading blanks). Returns how many characters were removed from the front.
std::int32_t PrepareLineText(std::u16string& text, bool insertMode);

// Classifies a prepared text.
LineKind KindOfLine(std::u16string_view prepared);

// Prepares a copy of a paragraph's text and classifies it.
LineKind KindOfParagraph(std::u16string_view paragraph, bool insertMode);

}  // namespace numora
