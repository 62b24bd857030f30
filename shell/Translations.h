#pragma once
// The program speaks Japanese; the texts Qt draws itself (standard buttons, the file, font,
// colour, print and page setup dialogs) are brought along by Qt's own translations.
class QCoreApplication;

namespace numora {

// Installs every translator the program uses, once, right after the application is made.
// False when Qt's Japanese texts were not found (its dialogs then stay English).
bool InstallTranslators(QCoreApplication& app);

}  // namespace numora
