#pragma once
// What the program does between making its application object and making its window, shared by
// `numora` and the start-up benchmark so that the benchmark starts the window as a user does.
class QApplication;
class QStyle;

namespace numora {

class Settings;

// The desktop's style as the window uses it: the same, but the overflow buttons of the menu
// bar and toolbars ask the style for their icons only when they are first drawn. The caller
// owns it.
QStyle* NewProgramStyle();

// Gives the application the program's style and icon, reads `settings` (the settings folder exists afterwards) and
// installs the translators for the interface language it names, before any text is made; the
// platform's fonts are matched to that language before they are first listed.
void PrepareApplication(QApplication& app, Settings& settings);

}  // namespace numora
