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

bool InstallTranslators(QCoreApplication& app, std::string_view language) {
    if (language == kLanguageEnglish) {
        return Install(
            app, [](QTranslator& t) { return t.load(QStringLiteral(":/i18n/numora_en.qm")); });
    }
    return Install(
        app, [](QTranslator& t) { return LoadQtTranslation(t, QStringLiteral("qtbase_ja")); });
}

}  // namespace numora
