// libFuzzer target: what a worksheet's recalculation must keep, over any text. Recalculating a
// worksheet from the top a second time changes nothing; Enter pressed on each line from the top
// down, as a user goes through a sheet, leaves the text Recalculate All makes of it. Both hold
// again after random edits of the calculated text (stale result lines, joined and split lines).
// Lines that read the clock or draw random numbers differ between two runs and are left out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "worksheet/LineText.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"

namespace {

using namespace numora;

void Require(bool condition) {
    if (!condition) std::abort();
}

const UserFunctionCatalogue& Functions() {
    static const UserFunctionCatalogue functions = [] {
        UserFunctionCatalogue catalogue;
        catalogue.Append({u"twice", {u"x"}, u"x*2", u""});
        catalogue.Append({u"last", {}, u"@+1", u""});
        return catalogue;
    }();
    return functions;
}

// Whether any line may read the clock or the random generator.
bool Repeatable(const std::u16string& text) {
    const std::u16string lower = ToLowerAscii(text);
    for (std::u16string_view name : {u"random", u"now", u"date", u"time"}) {
        if (lower.find(name) != std::u16string::npos) return false;
    }
    return true;
}

std::u16string FromTheTop(const std::u16string& text, int digits) {
    CalcEngine engine(Functions());
    engine.SetDigits(digits);
    return RecalculateAfresh(text, engine).text;
}

// Enter on every line that calculates, top to bottom, the caret where `caretByte` puts it in
// the line; with automatic recalculation when `automatic`.
std::u16string EnterOnEveryLine(const std::u16string& text, int digits, bool automatic,
                                std::uint8_t caretByte) {
    MemoryTextBuffer buffer(text);
    Worksheet sheet(buffer, Functions());
    sheet.SetDigits(digits);
    sheet.SetAutoRecalculate(automatic);
    for (std::int32_t paragraph = 0; paragraph < buffer.ParagraphCount(); ++paragraph) {
        const std::int32_t start = buffer.ParagraphStart(paragraph);
        const std::int32_t end = ParagraphEndOf(buffer, paragraph);
        if (KindOfParagraph(buffer.TextRange(start, end), true) != LineKind::Expression) continue;
        const std::int32_t caret = start + (end - start) * (caretByte % 5) / 4;
        buffer.SetSelection(caret, caret);
        sheet.PressEnter(false, false);
        // The result line now sits directly below; the loop steps over it.
        ++paragraph;
    }
    return buffer.Text();
}

void CheckInvariants(const std::u16string& text, int digits, std::uint8_t flags) {
    if (!Repeatable(text)) return;
    const std::u16string once = FromTheTop(text, digits);
    Require(FromTheTop(once, digits) == once);
    Require(EnterOnEveryLine(text, digits, (flags & 1) != 0, flags >> 1) == once);
}

// One random edit of `text`: a character typed, one deleted, a line break put in or taken out.
void Edit(std::u16string& text, std::uint8_t what, std::uint8_t where, char16_t typed) {
    const std::size_t at = text.empty() ? 0 : where % (text.size() + 1);
    switch (what % 4) {
        case 0: text.insert(at, 1, typed); break;
        case 1: if (at < text.size()) text.erase(at, 1); break;
        case 2: text.insert(at, 1, u'\n'); break;
        default: {
            const std::size_t line = text.find(u'\n', at);
            if (line != std::u16string::npos) text.erase(line, 1);
        }
    }
}

}  // namespace

// Input: a byte of flags (low bit: automatic recalculation for the Enters; the rest places the
// caret), a byte choosing the digits, then UTF-8 text up to a NUL byte; after it, triples of
// bytes that edit the calculated text (what, where, the character typed).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0];
    const int digits = 1 + data[1] % 40;
    std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t nul = rest.find('\0');
    // Long texts say nothing new and slow the search down.
    const std::string_view typed = rest.substr(0, std::min<std::size_t>(nul, 2048));
    std::u16string text = Utf8ToUtf16(typed);
    // A worksheet holds line feeds only: opening a file turns CR LF and lone CR into them.
    std::replace(text.begin(), text.end(), u'\r', u'\n');
    CheckInvariants(text, digits, flags);
    if (nul == std::string_view::npos) return 0;

    std::u16string edited = FromTheTop(text, digits);
    const std::string_view edits = rest.substr(nul + 1);
    for (std::size_t at = 0; at + 2 < edits.size() && at < 3 * 16; at += 3) {
        const auto byte = static_cast<std::uint8_t>(edits[at + 2]);
        const char16_t character = byte < 0x20 ? u' ' : byte < 0x80 ? char16_t(byte) : u'\u3042';
        Edit(edited, static_cast<std::uint8_t>(edits[at]), static_cast<std::uint8_t>(edits[at + 1]),
             character);
    }
    CheckInvariants(edited, digits, flags);
    return 0;
}
