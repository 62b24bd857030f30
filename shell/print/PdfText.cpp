#include "shell/print/PdfText.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "base/FileIO.h"

namespace numora {

namespace {

// How Qt's writer writes a font's ToUnicode map: an uncompressed stream of this length.
constexpr std::string_view kMapHead = "<< /Length ";
constexpr std::string_view kStreamStart = " >>\nstream\n";
constexpr std::string_view kMapStart = "/CIDInit /ProcSet findresource begin";
constexpr std::string_view kStreamEnd = "\nendstream";

quint32 GlyphOf(const QRawFont& font, char32_t code) {
    const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&code, 1));
    return glyphs.size() == 1 ? glyphs[0] : 0;
}

std::optional<std::size_t> Number(std::string_view text, int base = 10) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    return value;
}

void AppendHex(std::string& out, unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

// The tokens of a map's entries: <hex>, [, ] and words (numbers, operators).
class Tokens {
public:
    struct Token {
        char kind = 0;  // '<', '[', ']', 'w'; 0 at the end or at a broken <hex>
        std::string_view text;
    };

    explicit Tokens(std::string_view text) : text_(text) {}

    Token Next() {
        while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
        if (at_ >= text_.size()) return {};
        const char c = text_[at_];
        if (c == '[' || c == ']') return {c, text_.substr(at_++, 1)};
        if (c == '<') {
            const std::size_t end = text_.find('>', at_);
            if (end == std::string_view::npos) return {};
            const Token token{'<', text_.substr(at_ + 1, end - at_ - 1)};
            at_ = end + 1;
            return token;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsSpace(text_[at_]) && text_[at_] != '<' &&
               text_[at_] != '[' && text_[at_] != ']') {
            ++at_;
        }
        return {'w', text_.substr(start, at_ - start)};
    }

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<std::u16string> Utf16(std::string_view hex) {
    if (hex.empty() || hex.size() % 4 != 0) return {};
    std::u16string units;
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        const auto unit = Number(hex.substr(i, 4), 16);
        if (!unit) return {};
        units += char16_t(*unit);
    }
    return units;
}

using GlyphTexts = std::map<std::size_t, std::u16string>;

// The entries between the header and "endcmap": ranges of glyphs with an array of texts or a
// first text, and single glyphs.
std::optional<GlyphTexts> ReadEntries(std::string_view entries) {
    GlyphTexts texts;
    Tokens tokens(entries);
    const auto glyph = [](const Tokens::Token& token) -> std::optional<std::size_t> {
        if (token.kind != '<') return {};
        return Number(token.text, 16);
    };
    for (Tokens::Token token = tokens.Next(); token.kind != 0; token = tokens.Next()) {
        if (token.kind != 'w') return {};
        if (token.text == "beginbfrange") {
            for (Tokens::Token from = tokens.Next(); from.text != "endbfrange";
                 from = tokens.Next()) {
                const auto first = glyph(from), last = glyph(tokens.Next());
                // Glyphs are numbered in two bytes.
                if (!first || !last || *last < *first || *last > 0xFFFF) return {};
                const Tokens::Token target = tokens.Next();
                if (target.kind == '[') {
                    std::size_t next = *first;
                    for (Tokens::Token text = tokens.Next(); text.kind != ']';
                         text = tokens.Next()) {
                        const auto units = Utf16(text.text);
                        if (text.kind != '<' || !units || next > *last) return {};
                        texts[next++] = *units;
                    }
                } else {
                    auto units = Utf16(target.text);
                    if (target.kind != '<' || !units) return {};
                    // Each glyph of the range the next character, by its last code unit.
                    for (std::size_t each = *first; each <= *last; ++each, ++units->back()) {
                        texts[each] = *units;
                    }
                }
            }
        } else if (token.text == "beginbfchar") {
            for (Tokens::Token at = tokens.Next(); at.text != "endbfchar"; at = tokens.Next()) {
                const auto one = glyph(at);
                const Tokens::Token text = tokens.Next();
                const auto units = Utf16(text.text);
                if (!one || text.kind != '<' || !units) return {};
                texts[*one] = *units;
            }
        } else if (!Number(token.text)) {
            return {};  // only the counts of the sections stand between them
        }
    }
    return texts;
}

std::u16string Renamed(const std::u16string& text, const CharacterOf& characterOf) {
    char32_t code = 0;
    if (text.size() == 1 && !QChar::isSurrogate(text[0])) {
        code = text[0];
    } else if (text.size() == 2 && QChar::isHighSurrogate(text[0]) &&
               QChar::isLowSurrogate(text[1])) {
        code = QChar::surrogateToUcs4(text[0], text[1]);
    }
    // A text of several characters stays, and so does glyph 0's nothing.
    if (code == 0) return text;
    const char32_t renamed = characterOf(code);
    return QString::fromUcs4(&renamed, 1).toStdU16String();
}

std::string WriteEntries(const GlyphTexts& texts) {
    std::string out;
    // A section holds at most 100 entries.
    for (auto it = texts.begin(); it != texts.end();) {
        const auto count = std::min<std::ptrdiff_t>(100, std::distance(it, texts.end()));
        out += std::to_string(count) + " beginbfchar\n";
        for (std::ptrdiff_t i = 0; i < count; ++i, ++it) {
            out += '<';
            AppendHex(out, unsigned(it->first));
            out += "> <";
            for (const char16_t unit : it->second) AppendHex(out, unit);
            out += ">\n";
        }
        out += "endbfchar\n";
    }
    return out;
}

std::optional<std::string> RenameMap(std::string_view map, const CharacterOf& characterOf) {
    const std::size_t firstSection = map.find("beginbf");
    if (firstSection == std::string_view::npos) return std::string(map);
    const std::size_t lineStart = map.rfind('\n', firstSection);
    const std::size_t entriesAt = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    const std::size_t endAt = map.find("endcmap", entriesAt);
    if (endAt == std::string_view::npos) return {};
    auto texts = ReadEntries(map.substr(entriesAt, endAt - entriesAt));
    if (!texts) return {};
    for (auto& [glyph, text] : *texts) text = Renamed(text, characterOf);
    return std::string(map.substr(0, entriesAt)) + WriteEntries(*texts) +
           std::string(map.substr(endAt));
}

}  // namespace

CharacterOf PrintedCharacterOf(const QTextDocument& printed) {
    std::set<char32_t> characters;
    std::vector<QRawFont> fonts;
    const auto inFonts = [&fonts](char32_t c) {
        return std::any_of(fonts.begin(), fonts.end(),
                           [c](const QRawFont& font) { return font.supportsCharacter(c); });
    };
    for (QTextBlock block = printed.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QList<uint> text = fragment.text().toUcs4();
            characters.insert(text.begin(), text.end());
            // Only a character that none of the fonts seen so far has needs a look at the fonts
            // of its text: another font, one that stands in for them, draws it. The page's own
            // lines keep no glyphs once laid out; a line of their text shows the same fonts.
            if (std::all_of(text.begin(), text.end(), inFonts)) continue;
            QTextLayout line(fragment.text(),
                             fragment.charFormat().font().resolve(printed.defaultFont()));
            line.beginLayout();
            line.createLine();
            line.endLayout();
            for (const QGlyphRun& run : line.glyphRuns()) {
                if (std::find(fonts.begin(), fonts.end(), run.rawFont()) == fonts.end()) {
                    fonts.push_back(run.rawFont());
                }
            }
        }
    }
    // Each font's glyphs of the printed characters, each with the first character drawn by it.
    std::vector<std::map<quint32, char32_t>> glyphs(fonts.size());
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        for (const char32_t c : characters) {
            if (const quint32 glyph = GlyphOf(fonts[i], c); glyph != 0) glyphs[i].emplace(glyph, c);
        }
    }
    return [characters = std::move(characters), fonts = std::move(fonts),
            glyphs = std::move(glyphs)](char32_t code) {
        if (characters.count(code) > 0) return code;
        for (std::size_t i = 0; i < fonts.size(); ++i) {
            const auto found = glyphs[i].find(GlyphOf(fonts[i], code));
            if (found != glyphs[i].end()) return found->second;
        }
        return code;
    };
}

std::optional<std::string> RenamePdfCharacters(std::string_view pdf,
                                               const CharacterOf& characterOf) {
    // The cross-reference table at the end gives each object's offset, which the maps before it
    // move as they grow or shrink.
    const std::size_t startxref = pdf.rfind("startxref");
    if (startxref == std::string_view::npos) return {};
    std::size_t at = startxref + 9;
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' ')) ++at;
    const std::size_t digits = pdf.find_first_not_of("0123456789", at);
    const auto xref = Number(pdf.substr(at, digits - at));
    if (!xref || *xref >= startxref || pdf.substr(*xref, 4) != "xref") return {};
    const std::size_t trailer = pdf.find("trailer", *xref);
    if (trailer == std::string_view::npos || trailer > startxref) return {};

    struct Edit {
        std::size_t from, to;
        std::string text;
    };
    std::vector<Edit> edits;
    for (std::size_t map = pdf.find(kMapStart); map < *xref; map = pdf.find(kMapStart, map + 1)) {
        const std::size_t head = pdf.rfind(kMapHead, map);
        if (head == std::string_view::npos) return {};
        const std::size_t lengthAt = head + kMapHead.size();
        const std::size_t lengthEnd = pdf.find(kStreamStart, lengthAt);
        if (lengthEnd == std::string_view::npos || lengthEnd + kStreamStart.size() != map)
            return {};
        const auto length = Number(pdf.substr(lengthAt, lengthEnd - lengthAt));
        if (!length || map + *length > *xref ||
            pdf.substr(map + *length, kStreamEnd.size()) != kStreamEnd) {
            return {};
        }
        const auto renamed = RenameMap(pdf.substr(map, *length), characterOf);
        if (!renamed) return {};
        edits.push_back({head, map + *length,
                         std::string(kMapHead) + std::to_string(renamed->size()) +
                             std::string(kStreamStart) + *renamed});
        map += *length;
    }

    std::string out;
    out.reserve(pdf.size() + pdf.size() / 8);
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        out += pdf.substr(copied, edit.from - copied);
        out += edit.text;
        copied = edit.to;
    }
    out += pdf.substr(copied, *xref - copied);
    const auto moved = [&edits](std::size_t offset) -> std::optional<std::size_t> {
        std::ptrdiff_t shift = 0;
        for (const Edit& edit : edits) {
            if (offset >= edit.to) {
                shift += std::ptrdiff_t(edit.text.size()) - std::ptrdiff_t(edit.to - edit.from);
            } else if (offset > edit.from) {
                return {};
            }
        }
        return std::size_t(std::ptrdiff_t(offset) + shift);
    };

    // Sections of "first count" and then count entries "offset generation n|f".
    const std::size_t newXref = out.size();
    out += "xref\n";
    Tokens table(pdf.substr(*xref + 4, trailer - *xref - 4));
    for (Tokens::Token first = table.Next(); first.kind != 0; first = table.Next()) {
        const Tokens::Token countToken = table.Next();
        const auto count = Number(countToken.text);
        if (!Number(first.text) || !count) return {};
        out += std::string(first.text) + ' ' + std::string(countToken.text) + '\n';
        for (std::size_t i = 0; i < *count; ++i) {
            const auto offset = Number(table.Next().text);
            const Tokens::Token generation = table.Next(), kind = table.Next();
            if (!offset || !Number(generation.text) || (kind.text != "n" && kind.text != "f")) {
                return {};
            }
            const auto newOffset = kind.text == "n" ? moved(*offset) : offset;
            if (!newOffset) return {};
            std::string number = std::to_string(*newOffset);
            if (number.size() < 10) number.insert(0, 10 - number.size(), '0');
            out +=
                number + ' ' + std::string(generation.text) + ' ' + std::string(kind.text) + " \n";
        }
    }
    out += pdf.substr(trailer, startxref - trailer);
    out += "startxref\n" + std::to_string(newXref) + "\n%%EOF\n";
    return out;
}

bool NamePrintedCharacters(const QString& path, const QTextDocument& printed) {
    const std::filesystem::path file(path.toStdU16String());
    std::string pdf;
    if (ReadFileBytes(file, pdf) != FileError::None) return false;
    const auto renamed = RenamePdfCharacters(pdf, PrintedCharacterOf(printed));
    if (!renamed) return false;
    return *renamed == pdf || WriteFileAtomically(file, *renamed) == FileError::None;
}

}  // namespace numora
