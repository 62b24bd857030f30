#include "worksheet/Insertions.h"

#include <string>

#include "worksheet/TextBuffer.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {

namespace {

// Replaces the selection by before + selection + after in one undo step and selects the
// former selection again, now behind `before`.
void Surround(WorksheetDriver& driver, TextBuffer& buffer, std::u16string_view before,
              std::u16string_view after, bool keepSelected) {
    const TextSelection selection = buffer.GetSelection();
    std::u16string text(before);
    // A token goes in before the selection without replacing it.
    if (keepSelected) text += buffer.TextRange(selection.start, selection.end);
    text += after;
    const auto shift = static_cast<std::int32_t>(before.size());
    driver.BeginEditGroup();
    if (!keepSelected) buffer.SetSelection(selection.start, selection.start);
    buffer.ReplaceSelection(text);
    // Either way the former selection now stands `shift` characters further on.
    buffer.SetSelection(selection.start + shift, selection.end + shift);
    buffer.FocusEditor();
    driver.EndEditGroup();
}

}  // namespace

void InsertFunctionCall(WorksheetDriver& driver, TextBuffer& buffer, std::u16string_view name,
                        int places) {
    std::u16string before(name);
    before += u'(';
    std::u16string after(places > 1 ? static_cast<std::size_t>(places - 1) : 0, u';');
    after += u')';
    Surround(driver, buffer, before, after, true);
}

void WrapInParentheses(WorksheetDriver& driver, TextBuffer& buffer) {
    Surround(driver, buffer, u"(", u")", true);
}

void InsertToken(WorksheetDriver& driver, TextBuffer& buffer, std::u16string_view token) {
    Surround(driver, buffer, token, u"", false);
}

}  // namespace numora
