#pragma once
// Character classes and the small readers shared by the evaluator, the assignment scan and the
// argument splitter. Text is UTF-16; positions are code-unit indices; the end of the text stops
// every reader.
#include <cstddef>
#include <string>
#include <string_view>

namespace numora {

// 1 for the operator characters % * + - / ^ × ÷, 2 for the parentheses, 0 for everything else.
int OperatorClass(char16_t c);

// Blank is the complement of graphic: control characters and the Unicode space and line/paragraph
// separators (U+3000 included). Letters of every script, digits and punctuation are graphic.
bool IsBlank(char16_t c);
inline bool IsGraphic(char16_t c) { return !IsBlank(c); }

// Full width: the East Asian Wide and Fullwidth characters (CJK, kana, hangul, full-width forms,
// U+3000) and every surrogate code unit, since the characters beyond the BMP that names could
// use are wide too. Fields that take half-width text only reject these.
bool IsFullWidth(char16_t c);

inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
// Value 0..15 of an ASCII hexadecimal digit, or -1.
int HexDigitValue(char16_t c);

// Advances `position` over blanks, never past the end.
void SkipBlanks(std::u16string_view text, std::size_t& position);
// Removes blanks at the end of `text`.
void TrimTrailingBlanks(std::u16string& text);
// Length of `text` without its trailing blanks.
std::size_t LengthWithoutTrailingBlanks(std::u16string_view text);

// Reads a name: everything up to the end or the next operator character or parenthesis, with
// trailing blanks removed. Returns the position where the name began; `position` ends on the
// character that stopped the name.
std::size_t ReadName(std::u16string_view text, std::size_t& position, std::u16string& name);

}  // namespace numora
