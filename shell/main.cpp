// numora: the desktop program.
#include <QApplication>
#include <QIcon>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/numora.svg")));
    // The settings folder exists before the window is created.
    numora::Settings settings;
    numora::CMainFrame frame(settings);
    frame.show();
    return QApplication::exec();
}
