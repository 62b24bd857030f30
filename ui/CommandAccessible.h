#pragma once
// Commands as a screen reader hears them. A command's menu text carries its keys after a tab
// ("新規作成\tCtrl+N(&N)") for the menu to show them in their column; read aloud, the name is
// the part before the tab, and the keys are the item's key binding.
#include <QString>

class QToolBar;

namespace numora {

// "新規作成\tCtrl+N(&N)" -> "新規作成", "すべて再計算(&R)\tCtrl+R" -> "すべて再計算";
// "&&" stays one "&".
QString SpokenCommandName(const QString& menuText);

// Menu items of actions whose text carries keys are described by name and key binding (once
// per run).
void InstallCommandMenuItemAccessible();

// The toolbar's buttons of such actions are named the same way.
void NameToolbarButtons(QToolBar& bar);

}  // namespace numora
