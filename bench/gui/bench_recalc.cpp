// すべて再計算 in the window against numora-calc on the same worksheet of 100,000 lines, after the
// first line was edited so that every result changes. Both are measured in CPU time (the
// window's over all its threads, numora-calc's as a child process) and in the time a user waits
// (wall_ratio: the window puts the text in while its worker still calculates), in turn, so that
// the ratios compare runs under the same machine load.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "bench/gui/bench_worksheet.h"
#include "engine/CalcEngine.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Recalculate.h"
#include "worksheet/view/WorksheetEditor.h"

namespace {

using namespace numora;

constexpr int kLines = 100000;

// A running total threads through the whole worksheet, so a new first line changes every
// result below it; errors and comments are passed over as users have them.
std::u16string Worksheet() {
    static const char16_t* const kBody[] = {u"x = x + 1.5", u"sqrt(x) * 2 // root", u"x / 7",
                                            u"1/0", u"// a note"};
    std::u16string text = u"x = 1\n";
    for (int i = 0; i < kLines / 2; ++i) text += std::u16string(kBody[i % 5]) + u"\n";
    CalcEngine engine;
    return RecalculateWorksheet(std::move(text), engine).text;  // with its result lines
}

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_RecalculateWindowOverCalc(benchmark::State& state) {
    test::App();
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString folder = home.path() + QStringLiteral("/Numora");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/sheet.txt");
    Settings settings;
    CMainFrame frame(settings);
    frame.resize(800, 600);
    frame.show();
    frame.View().LoadText(QString::fromStdU16String(Worksheet()));
    QCoreApplication::processEvents();

    const std::string calc = std::string(NUMORA_CALC_PATH) + " --settings-dir '" +
                             folder.toStdString() + "' '" + file.toStdString() + "' > /dev/null";
    using Clock = std::chrono::steady_clock;
    double window = 0, program = 0;
    Clock::duration windowWall{}, programWall{};
    int round = 1;  // the worksheet was made with "x = 1": every round changes it
    for (auto _ : state) {
        state.PauseTiming();
        QTextCursor first(frame.View().document()->firstBlock());
        first.select(QTextCursor::BlockUnderCursor);
        first.insertText(QStringLiteral("x = %1").arg(++round));
        {
            std::ofstream out(file.toStdString(), std::ios::binary);
            out << frame.View().Text().toStdString();
        }
        state.ResumeTiming();

        const auto t0 = Clock::now();
        const double w0 = bench::ProcessCpuSeconds();
        frame.Action(CommandId::EditRecalculateAll)->trigger();
        QCoreApplication::processEvents();  // laid out and painted, as the user sees it
        const double w1 = bench::ProcessCpuSeconds();
        const auto t1 = Clock::now();
        const double c0 = ChildrenCpuSeconds();
        if (std::system(calc.c_str()) == -1) state.SkipWithError("numora-calc did not run");
        const double c1 = ChildrenCpuSeconds();
        const auto t2 = Clock::now();
        window += w1 - w0;
        program += c1 - c0;
        windowWall += t1 - t0;
        programWall += t2 - t1;
    }
    state.counters["window_cpu_s"] = window / static_cast<double>(state.iterations());
    state.counters["calc_cpu_s"] = program / static_cast<double>(state.iterations());
    state.counters["ratio"] = window / program;
    state.counters["wall_ratio"] =
        std::chrono::duration<double>(windowWall) / std::chrono::duration<double>(programWall);
}
BENCHMARK(BM_RecalculateWindowOverCalc)->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace

BENCHMARK_MAIN();
