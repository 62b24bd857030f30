#include "shell/Startup.h"

#include <QApplication>
#include <QIcon>

#include "settings/Settings.h"
#include "shell/Translations.h"

namespace numora {

void PrepareApplication(QApplication& app, Settings& settings) {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/numora.svg")));
    settings.Load();
    InstallTranslators(app, settings.Language);
}

}  // namespace numora
