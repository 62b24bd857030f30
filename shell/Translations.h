#pragma once
// The interface language, chosen at start: Japanese, the language the program is written in,
// with Qt's own texts (standard buttons, the file, font, colour, print and page setup dialogs)
// brought along by Qt's Japanese translations; or English, the program's own translation built
// into it, with Qt's texts as they are.
#include <string_view>

class QCoreApplication;

namespace numora {

// Installs every translator the program uses for `language` ("ja" or "en", as stored in
// [View] Language), once, right after the application is made. False when a translation was
// not found (those texts then stay in the language they are written in).
bool InstallTranslators(QCoreApplication& app, std::string_view language);

}  // namespace numora
