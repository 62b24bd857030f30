#pragma once
// The completion list as a screen reader sees it: a list whose rows are the names offered (the
// name with its arguments, then its help), the chosen row selected. The list only paints its
// rows, so they are described here.
#include <QAccessible>

namespace numora {

class CompletionPopup;

// Makes the list's description known to the accessibility framework (once per run).
void InstallCompletionListAccessible();

// Tells a screen reader that the list's rows were replaced and which one is chosen now, or only
// that the chosen row moved from `previous`.
void TellRowsReplaced(CompletionPopup& popup);
void TellRowChosen(CompletionPopup& popup, int previous);

}  // namespace numora
