// The main window's start and its resident memory, against a bare QMainWindow holding one
// QPlainTextEdit with the same text. Both read the same Untitled.txt (CR LF) from a settings
// folder of their own that also holds a Numora.ini.
//
// Start: constructing (the Settings too: reading the ini is part of starting), showing, and
// events until the first frame is painted, the editor's text in it. Destruction is outside the timing on
// both sides. Both run in this process after a warm-up window has loaded the platform plugin
// and the fonts, so this is the window's own cost, not the process's.
//
// Start in a fresh process, in turn: from starting a new copy of this program (hidden argument
// --start-child) until it has painted, as a user waits for it, the window and the bare editor
// one after the other so that both meet the same load. The window side starts as `numora`
// does (its icon, settings and translators first); loading Qt, the platform plugin and the
// fonts is paid by both. The child reports the moment its first frame was painted on the
// monotonic clock, so that its exit is not counted. Arg 0 is the interface language the system asks for,
// Arg 1 Japanese. The platform is the offscreen one unless QT_QPA_PLATFORM names another: run
// it under an X server (QT_QPA_PLATFORM=xcb) to see what a desktop user waits for.
//
// Memory: malloc keeps what an earlier case freed, so in one process the second case would
// reuse the first's memory. Each iteration therefore starts a fresh copy of this program
// (hidden argument --rss-child) that creates the QApplication, paints a warm-up editor, reads
// the resident size, opens the worksheet, paints it and reads the resident size again. The
// counter rss_MB is the growth in MiB; text_MB is the text's own size in memory (UTF-16).
// Linux only: the resident size comes from /proc/self/statm.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "bench/gui/bench_worksheet.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/Startup.h"
#include "tests/support/qt_app_support.h"
#include "tests/support/scripted_prompter.h"
#include "ui/AfterFirstPaint.h"
#include "worksheet/Document.h"
#include "worksheet/view/WorksheetEditor.h"

namespace {

using numora::CMainFrame;
using numora::Settings;
using numora::bench::Worksheet;
using numora::test::App;

constexpr int kSmall = 1000;
constexpr int kLarge = 100000;
constexpr const char* kChildFlag = "--rss-child";
constexpr const char* kStartFlag = "--start-child";
constexpr double kMiB = 1024.0 * 1024.0;

QString Folder() { return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Numora"); }
QString UntitledFile() { return Folder() + QStringLiteral("/Untitled.txt"); }

// Points this process (and the children it starts) at the settings folder.
void UseHome(const QString& home) {
    qputenv("XDG_CONFIG_HOME", home.toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home);
}

// A settings folder as a returning user has it: the ini with the window placed and the
// interface language chosen, and the untitled worksheet of `lines` lines.
class Home {
public:
    explicit Home(int lines, std::string_view language = numora::kLanguageSystem) {
        App();
        UseHome(dir_.path());
        Settings settings;
        settings.WindowRect = {100, 100, 740, 580};
        settings.Language = language;
        settings.Save();
        std::ofstream(UntitledFile().toStdString(), std::ios::binary)
            << numora::EncodeWorksheet(Worksheet(lines).toStdU16String());
    }

private:
    QTemporaryDir dir_;
};

// Shows `window` and processes events until its first frame, `viewport` in it, has been
// painted, the editor's text too; false if it never is. `painted` receives the moment the frame
// was done.
bool ShowUntilPainted(QWidget& window, QWidget& viewport,
                      std::chrono::steady_clock::time_point* painted = nullptr) {
    bool done = false;
    std::chrono::steady_clock::time_point when;
    const QPointer<numora::AfterFirstPaint> frame = new numora::AfterFirstPaint(viewport, [&] {
        when = std::chrono::steady_clock::now();
        done = true;
    });
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 10000) QCoreApplication::processEvents();
    delete frame;  // when it never painted: nothing may write here later
    if (painted != nullptr) *painted = when;
    return done;
}

// What a bare editor does at start: read the file, show it.
struct Bare {
    QMainWindow window;
    QPlainTextEdit* edit = new QPlainTextEdit;

    Bare() {
        window.setCentralWidget(edit);
        window.resize(640, 480);
        QFile file(UntitledFile());
        if (file.open(QIODevice::ReadOnly)) {
            QString text = QString::fromUtf8(file.readAll());
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            edit->setPlainText(text);
        }
    }
};

// The platform plugin and fonts, loaded before anything is measured.
void WarmUp() {
    App();
    static bool done = false;
    if (done) return;
    done = true;
    QPlainTextEdit edit(QStringLiteral("1+2"));
    ShowUntilPainted(edit, *edit.viewport());
}

void DeleteLater() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void BM_StartWindow(benchmark::State& state) {
    Home home(kSmall);
    WarmUp();
    numora::test::ScriptedPrompter prompter;  // a question at start would fail the run
    for (auto _ : state) {
        auto settings = std::make_unique<Settings>();
        auto frame = std::make_unique<CMainFrame>(*settings);
        const bool painted = ShowUntilPainted(*frame, *frame->View().viewport());
        state.PauseTiming();
        if (!painted || frame->View().document()->blockCount() != kSmall ||
            !prompter.messages.empty()) {
            state.SkipWithError("no paint, worksheet not loaded, or a question was asked");
            break;
        }
        frame.reset();  // without close(): nothing is saved
        DeleteLater();
        state.ResumeTiming();
    }
}

void BM_StartBare(benchmark::State& state) {
    Home home(kSmall);
    WarmUp();
    for (auto _ : state) {
        auto bare = std::make_unique<Bare>();
        const bool painted = ShowUntilPainted(bare->window, *bare->edit->viewport());
        state.PauseTiming();
        if (!painted || bare->edit->document()->blockCount() != kSmall) {
            state.SkipWithError("no paint or text not loaded");
            break;
        }
        bare.reset();
        DeleteLater();
        state.ResumeTiming();
    }
}

// In a fresh process: opens one side on the worksheet of `lines` lines and waits for its first
// paint; false when it never painted, did not load it all, or asked a question. Nothing is
// torn down: the process ends with _exit, so nothing is saved.
bool OpenAndPaint(const char* side, int lines,
                  std::chrono::steady_clock::time_point* painted = nullptr) {
    App();
    UseHome(qEnvironmentVariable("XDG_CONFIG_HOME"));
    static numora::test::ScriptedPrompter prompter;
    if (std::strcmp(side, "window") == 0) {
        auto* settings = new Settings;
        numora::PrepareApplication(*qApp, *settings);
        auto* frame = new CMainFrame(*settings);
        return ShowUntilPainted(*frame, *frame->View().viewport(), painted) &&
               frame->View().document()->blockCount() == lines && prompter.messages.empty();
    }
    auto* bare = new Bare;
    return ShowUntilPainted(bare->window, *bare->edit->viewport(), painted) &&
           bare->edit->document()->blockCount() == lines;
}

// Prints the moment the first frame was painted, in nanoseconds on the monotonic clock.
int StartChild(const char* side) {
    std::chrono::steady_clock::time_point painted;
    const bool ok = OpenAndPaint(side, kSmall, &painted);
    if (ok) std::printf("%lld\n", static_cast<long long>(painted.time_since_epoch().count()));
    std::fflush(stdout);
    _exit(ok ? 0 : 1);
}

// Runs this program again as `flag side`; its standard output, or nothing when it failed.
std::optional<QByteArray> RunChild(const char* flag, const char* side) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(flag), QString::fromLatin1(side)});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        return std::nullopt;
    }
    return child.readAllStandardOutput();
}

// Milliseconds from starting a fresh copy as `side` to its first paint; nothing on failure.
std::optional<double> StartToPaint(const char* side) {
    const auto started = std::chrono::steady_clock::now();
    const std::optional<QByteArray> output = RunChild(kStartFlag, side);
    bool parsed = false;
    const long long painted = output ? output->trimmed().toLongLong(&parsed) : 0;
    if (!parsed) return std::nullopt;
    const std::chrono::steady_clock::duration waited =
        std::chrono::steady_clock::duration(painted) - started.time_since_epoch();
    return std::chrono::duration<double, std::milli>(waited).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 == 1 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void BM_StartProcessInTurn(benchmark::State& state) {
    Home home(kSmall, state.range(0) == 0 ? numora::kLanguageSystem : numora::kLanguageJapanese);
    std::vector<double> window, bare, ratios;
    for (auto _ : state) {
        // Which side goes first alternates, so that neither always follows the other's exit.
        const bool windowFirst = window.size() % 2 == 0;
        const std::optional<double> first = StartToPaint(windowFirst ? "window" : "bare");
        const std::optional<double> second = StartToPaint(windowFirst ? "bare" : "window");
        if (!first || !second) {
            state.SkipWithError("a started process failed");
            return;
        }
        window.push_back(windowFirst ? *first : *second);
        bare.push_back(windowFirst ? *second : *first);
        ratios.push_back(window.back() / bare.back());
        state.SetIterationTime((*first + *second) / 1000);
    }
    state.counters["window_ms"] = Median(window);
    state.counters["bare_ms"] = Median(bare);
    // The machine's speed drifts between pairs more than within one, so the ratio is that of
    // each pair, the median of them.
    state.counters["ratio"] = Median(ratios);
}

double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_StartWindow)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Min);
BENCHMARK(BM_StartBare)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Min);
// The medians of 31 starts of each side.
BENCHMARK(BM_StartProcessInTurn)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(31)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

#ifdef __linux__

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// In the fresh process: prints the resident growth in bytes, or nothing on failure.
int RssChild(const char* side) {
    App();
    WarmUp();
    const long before = ResidentBytes();
    const bool ok = OpenAndPaint(side, kLarge);
    QCoreApplication::processEvents();
    if (ok) std::printf("%ld\n", ResidentBytes() - before);
    std::fflush(stdout);
    _exit(ok ? 0 : 1);
}

void Resident(benchmark::State& state, const char* side) {
    Home home(kLarge);
    for (auto _ : state) {
        bool parsed = false;
        const std::optional<QByteArray> output = RunChild(kChildFlag, side);
        const long grown = output ? output->trimmed().toLong(&parsed) : 0;
        if (!parsed) {
            state.SkipWithError("the measuring process failed");
            break;
        }
        state.counters["rss_MB"] = grown / kMiB;
    }
    state.counters["text_MB"] = Worksheet(kLarge).size() * sizeof(QChar) / kMiB;
}

void BM_ResidentBare(benchmark::State& state) { Resident(state, "bare"); }
void BM_ResidentWindow(benchmark::State& state) { Resident(state, "window"); }

BENCHMARK(BM_ResidentBare)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_ResidentWindow)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Min);

#endif

// The offscreen platform warns each time a main window is shown.
QtMessageHandler qtHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints"))) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(QuietHandler);
    if (argc == 3 && std::strcmp(argv[1], kStartFlag) == 0) return StartChild(argv[2]);
#ifdef __linux__
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) return RssChild(argv[2]);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
