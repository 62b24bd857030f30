#include "shell/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
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

bool InstallTranslators(QCoreApplication& app, std::string_view stored) {
    const std::string_view language = ResolveLanguage(stored, QLocale::system().uiLanguages());
    if (language == kLanguageEnglish) {
        return Install(
            app, [](QTranslator& t) { return t.load(QStringLiteral(":/i18n/numora_en.qm")); });
    }
    return Install(
        app, [](QTranslator& t) { return LoadQtTranslation(t, QStringLiteral("qtbase_ja")); });
}

}  // namespace numora
