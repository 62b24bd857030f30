// numora: the desktop program. `numora FILE` opens FILE instead of the Untitled worksheet (what
// the desktop entry and a file manager's "Open with" use).
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/numora.svg")));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("worksheet to open"));
    parser.process(app);

    // The settings folder exists before the window is created.
    numora::Settings settings;
    numora::CMainFrame frame(settings);
    frame.show();
    if (!parser.positionalArguments().isEmpty()) {
        numora::OpenStartupFile(frame, parser.positionalArguments().first());
    }
    return QApplication::exec();
}
