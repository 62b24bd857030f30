#pragma once
// The interface language, chosen at start: Japanese, the language the program is written in,
// with Qt's own texts (standard buttons, the file, font, colour, print and page setup dialogs)
// brought along by Qt's Japanese translations; or English, the program's own translation built
// into it, with Qt's texts as they are.
#include <QStringList>
#include <string_view>

class QCoreApplication;

namespace numora {

// The language a stored [View] Language stands for: "ja" or "en" as stored; otherwise Japanese
// when the first of the system's interface languages (QLocale::uiLanguages) is Japanese, and
// English for any other.
std::string_view ResolveLanguage(std::string_view stored, const QStringList& systemLanguages);

// Has the platform's font matching choose fonts for `language` (as resolved), before the fonts
// are first listed: the default font is then one that writes the interface's language, as on a
// desktop in that language, rather than one that needs a fallback font for each of its texts.
void MatchFontsToLanguage(std::string_view language);

// Installs every translator the program uses for `language` (as resolved), once, right after
// the application is made. False when a translation was
// not found (those texts then stay in the language they are written in).
bool InstallTranslators(QCoreApplication& app, std::string_view language);

}  // namespace numora
