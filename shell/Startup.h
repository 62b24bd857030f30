#pragma once
// What the program does between making its application object and making its window, shared by
// `numora` and the start-up benchmark so that the benchmark starts the window as a user does.
class QApplication;

namespace numora {

class Settings;

// Gives the application its icon, reads `settings` (the settings folder exists afterwards) and
// installs the translators for the interface language it names, before any text is made.
void PrepareApplication(QApplication& app, Settings& settings);

}  // namespace numora
