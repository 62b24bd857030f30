#pragma once
// The insert commands' edits: a function call around the selection, parentheses around it,
// and tokens put before it. Each is one undo step and leaves the editor focused.
#include <string_view>

namespace numora {

class TextBuffer;
class WorksheetDriver;

// Replaces the selection by name(selection;...) with `places` argument places (places - 1 ";");
// the former selection stays selected inside the parentheses, or the caret stands after "(".
void InsertFunctionCall(WorksheetDriver& driver, TextBuffer& buffer, std::u16string_view name,
                        int places);
// Replaces the selection by (selection), which stays selected.
void WrapInParentheses(WorksheetDriver& driver, TextBuffer& buffer);
// Inserts `token` before the selection, which stays selected and is not replaced.
void InsertToken(WorksheetDriver& driver, TextBuffer& buffer, std::u16string_view token);

}  // namespace numora
