// numora: the desktop program. `numora FILE` opens FILE instead of the Untitled worksheet (what
// the desktop entry and a file manager's "Open with" use).
#include <QApplication>
#include <QCommandLineParser>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/Startup.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdlib>
#endif

namespace {

void DescribeArguments(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("worksheet to open"));
}

#ifdef Q_OS_WIN
// The Windows program is a window program, without a console of its own: --help and --version
// print to the output it was handed (a pipe, a file), else to the console it was started from.
// Started from Explorer it has neither (false), and Qt shows the text in a message box.
bool PrintForCaller(const QString& text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return false;
    }
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        return WriteConsoleW(out, reinterpret_cast<const wchar_t*>(text.utf16()),
                             static_cast<DWORD>(text.size()), &written, nullptr);
    }
    const QByteArray bytes = text.toUtf8();
    return WriteFile(out, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == static_cast<DWORD>(bytes.size());
}
#endif

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
#ifdef Q_OS_WIN
    // What Qt would print, as it prints it.
    const QString text = parser.isSet(QStringLiteral("version"))
                             ? QCoreApplication::applicationName() + u' ' +
                                   QCoreApplication::applicationVersion() + u'\n'
                             : parser.helpText();
    if (PrintForCaller(text)) std::exit(EXIT_SUCCESS);
#endif
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
