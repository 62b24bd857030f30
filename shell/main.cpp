// numora: the desktop program. `numora FILE` opens FILE instead of the Untitled worksheet (what
// the desktop entry and a file manager's "Open with" use).
#include <QApplication>
#include <QCommandLineParser>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/Startup.h"

namespace {

void DescribeArguments(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("worksheet to open"));
}

// --help and --version print and exit before the window system starts, so that they work
// where there is no display. Anything else (Qt's own options among it) waits for the window.
void AnswerWithoutDisplay(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    DescribeArguments(parser);
    parser.parse(arguments);
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version"))) return;
    QCoreApplication app(argc, argv);
    parser.process(app);  // prints and exits
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Numora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    AnswerWithoutDisplay(argc, argv);

    QApplication app(argc, argv);

    QCommandLineParser parser;
    DescribeArguments(parser);
    parser.process(app);

    numora::Settings settings;
    numora::PrepareApplication(app, settings);
    numora::CMainFrame frame(settings);
    frame.show();
    if (!parser.positionalArguments().isEmpty()) {
        numora::OpenStartupFile(frame, parser.positionalArguments().first());
    }
    return QApplication::exec();
}
