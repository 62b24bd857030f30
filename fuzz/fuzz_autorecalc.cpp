// libFuzzer target: automatic recalculation against a recalculation from the top. A worksheet
// of lines drawn from a small vocabulary is recalculated once, so that every line shows its
// result; then lines are typed over and Enter is pressed on others, in the order the input
// says. After every Enter the worksheet must read exactly as Recalculate All makes it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/CalcEngine.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"

namespace {

using namespace numora;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Assignments, uses of variables assigned above or below, "@", errors and a user function;
// nothing that changes from call to call.
constexpr const char16_t* kLines[] = {
    u"a = 1",     u"a = a + 1", u"b = a * 10", u"c = b - a", u"a + b + c", u"@ * 2",
    u"b = @",     u"1/0",       u"d",          u"d = c / 3", u"twice(a)",  u"a = b = 2",
    u"x = y + 1", u"y = 5",     u"hex(a)",     u"-a^2",
};
constexpr std::size_t kLineCount = sizeof(kLines) / sizeof(kLines[0]);

std::u16string FromTheTop(const std::u16string& text, const UserFunctionCatalogue& functions) {
    CalcEngine engine(functions);
    return RecalculateAfresh(text, engine).text;
}

}  // namespace

// Input: a byte with the number of lines (1..16), a byte per line choosing it, then pairs of
// bytes: the first picks a source line (its low bit: type over it first, with the line the
// second byte picks), the second picks the line to press Enter on.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const UserFunctionCatalogue functions = [] {
        UserFunctionCatalogue catalogue;
        catalogue.Append({u"twice", {u"x"}, u"x*2", u""});
        return catalogue;
    }();
    if (size < 2) return 0;
    const std::size_t lines = 1 + data[0] % 16;
    if (size < 1 + lines) return 0;
    std::u16string initial;
    for (std::size_t i = 0; i < lines; ++i) {
        initial += kLines[data[1 + i] % kLineCount];
        initial += u'\n';
    }
    MemoryTextBuffer text(FromTheTop(initial, functions));
    Worksheet sheet(text, functions);
    sheet.SetAutoRecalculate(true);
    for (std::size_t at = 1 + lines; at + 1 < size && at < 1 + lines + 64; at += 2) {
        // Source lines sit at even paragraphs: each has its result line below it.
        const auto source = [&](std::uint8_t byte) {
            return static_cast<std::int32_t>(2 * (byte / 2 % lines));
        };
        if (data[at] & 1) {
            const std::int32_t typed = source(data[at]);
            text.BeginUndoGroup();
            text.ReplaceRange(text.ParagraphStart(typed), ParagraphEndOf(text, typed),
                              kLines[data[at + 1] % kLineCount]);
            text.EndUndoGroup();
        }
        const std::int32_t enter = source(data[at + 1]);
        text.SetSelection(ParagraphEndOf(text, enter), ParagraphEndOf(text, enter));
        sheet.PressEnter(false, false);
        const std::u16string now = text.Text();
        Require(now == FromTheTop(now, functions));
    }
    return 0;
}
