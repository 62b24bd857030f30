#pragma once
// Small UTF-16 text helpers shared by every layer: the engine, the files and the front ends.
#include <string>
#include <string_view>

namespace numora {

// A-Z become a-z; every other code unit is unchanged.
std::u16string ToLowerAscii(std::u16string_view text);
// UTF-8 <-> UTF-16 for ASCII-compatible use at the edges (CLI, files, tests).
// Invalid UTF-8 yields false from TryUtf8ToUtf16; Utf8ToUtf16 replaces it with U+FFFD.
bool TryUtf8ToUtf16(std::string_view utf8, std::u16string& out);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// Appends the UTF-8 form of `utf16` to `out` (a lone surrogate becomes U+FFFD).
void AppendUtf8(std::u16string_view utf16, std::string& out);

}  // namespace numora
