#include "shell/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "settings/Settings.h"

namespace numora {

namespace {

// Qt's installed translations, else a "translations" folder beside the program (where a
// deployment that brings its own Qt keeps them).
bool LoadQtTranslation(QTranslator& translator, const QString& name) {
    const QStringList folders = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        if (translator.load(name, folder)) return true;
    }
    return false;
}

bool Install(QCoreApplication& app, bool (*load)(QTranslator&)) {
    auto* translator = new QTranslator(&app);
    if (!load(*translator)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace

std::string_view ResolveLanguage(std::string_view stored, const QStringList& systemLanguages) {
    if (stored == kLanguageEnglish || stored == kLanguageJapanese) return stored;
    const bool japanese = !systemLanguages.isEmpty() &&
                          systemLanguages.first().startsWith(QStringLiteral("ja"), Qt::CaseInsensitive);
    return japanese ? kLanguageJapanese : kLanguageEnglish;
}

void MatchFontsToLanguage(std::string_view language) {
    // Fontconfig, which matches fonts where there is no other font service, takes the language
    // from FC_LANG before the locale's. On a system in another language, the desktop's font has
    // no kana or kanji, and every menu and toolbar text of the Japanese interface would have Qt
    // search the installed fonts for a fallback that has them, several times at start. Told
    // the language, fontconfig makes a Japanese font the default one. Other platforms' font
    // matching does not read the variable. A language set for fontconfig already is kept.
    if (language != kLanguageJapanese || qEnvironmentVariableIsSet("FC_LANG")) return;
    qputenv("FC_LANG", "ja");
}

bool InstallTranslators(QCoreApplication& app, std::string_view language) {
    if (language == kLanguageEnglish) {
        return Install(
            app, [](QTranslator& t) { return t.load(QStringLiteral(":/i18n/numora_en.qm")); });
    }
    return Install(
        app, [](QTranslator& t) { return LoadQtTranslation(t, QStringLiteral("qtbase_ja")); });
}

}  // namespace numora
