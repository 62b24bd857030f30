#include "shell/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

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

}  // namespace

bool InstallTranslators(QCoreApplication& app) {
    auto* qt = new QTranslator(&app);
    if (!LoadQtTranslation(*qt, QStringLiteral("qtbase_ja"))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

}  // namespace numora
