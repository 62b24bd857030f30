#pragma once
// The text of a printed PDF file. Qt's PDF writer tells a reader which character each glyph
// stands for by the lowest code point that the font's character map gives the glyph. Where
// several code points share a glyph that is often not the one printed: in the Japanese fonts a
// kanji that looks like its radical is read as the radical (金 as U+2FA6, 日 as U+2F47), a space
// as a tab. These name the printed characters again.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QString;
class QTextDocument;

namespace numora {

// Maps a code point the writer named a glyph by to the character it stands for.
using CharacterOf = std::function<char32_t(char32_t)>;

// For a code point the writer may name a glyph by, the character of `printed` that has the same
// glyph in one of the fonts `printed` is laid out in; the code point itself when it is one of
// `printed`'s characters or shares no glyph with any.
CharacterOf PrintedCharacterOf(const QTextDocument& printed);

// `pdf` as Qt's writer writes it, with every character its fonts' glyphs are read as passed
// through `characterOf`. Nothing when the file is not laid out the way that writer lays it out.
std::optional<std::string> RenamePdfCharacters(std::string_view pdf,
                                               const CharacterOf& characterOf);

// Both on the PDF file at `path`, which is replaced atomically. False when the file could not
// be read, understood or written; it is then left as it was.
bool NamePrintedCharacters(const QString& path, const QTextDocument& printed);

}  // namespace numora
