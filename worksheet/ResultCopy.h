#pragma once
// 結果をコピー: the value of a result line as a line would read it back, for pasting into
// another line or another program: "137000" for ">137,000" and for ">13万7000".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

class TextBuffer;

// The result line that paragraph `paragraph` stands for: itself when it is one, the result
// line right below an expression line, else the nearest result line above; -1 for none.
std::int32_t ResultLineFor(const TextBuffer& buffer, std::int32_t paragraph, bool insertMode);

// The value of a result text (after '>') without grouping separators or 万 and 億; for a text a
// function wrote before the value ("0xFF (@255)"), the value. Nothing for an error message or any
// other text that is no number.
std::optional<std::u16string> PlainValueOf(std::u16string_view resultText);

}  // namespace numora
