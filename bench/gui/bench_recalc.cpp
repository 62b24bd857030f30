// すべて再計算 in the window against numora-calc on the same worksheet of 100,000 lines, after the
// first line was edited so that every result changes; a worksheet of 100,000 variables
// recalculated, all at once and automatically; and Enter among 100,000 variables against 10. Both are measured in CPU time (the
// window's over all its threads, numora-calc's as a child process) and in the time a user waits
// (wall_ratio: the window puts the text in while its worker still calculates), in turn, so that
// the ratios compare runs under the same machine load.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <array>
#include <memory>
#include <utility>

#include "bench/gui/bench_worksheet.h"
#include "engine/CalcEngine.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
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

// The window and numora-calc side by side: each step of the window against numora-calc on the
// file the window's text was written to just before, in CPU time and in the time a user waits.
class Versus {
public:
    Versus() {
        test::App();
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        const QString folder = home_.path() + QStringLiteral("/Numora");
        QDir().mkpath(folder);
        file_ = folder + QStringLiteral("/sheet.txt");
        calc_ = std::string(NUMORA_CALC_PATH) + " --settings-dir '" + folder.toStdString() +
                "' '" + file_.toStdString() + "' > /dev/null";
        frame_ = std::make_unique<CMainFrame>(settings_);
        frame_->resize(800, 600);
        frame_->show();
    }

    CMainFrame& Frame() { return *frame_; }

    // What numora-calc is given: the window's text as it stands.
    void WriteFile() {
        std::ofstream out(file_.toStdString(), std::ios::binary);
        out << frame_->View().Text().toStdString();
    }

    template <typename Step>
    void Measure(benchmark::State& state, Step&& step) {
        const auto t0 = Clock::now();
        const double w0 = bench::ProcessCpuSeconds();
        step();
        QCoreApplication::processEvents();  // laid out and painted, as the user sees it
        const double w1 = bench::ProcessCpuSeconds();
        const auto t1 = Clock::now();
        const double c0 = ChildrenCpuSeconds();
        if (std::system(calc_.c_str()) == -1) state.SkipWithError("numora-calc did not run");
        const double c1 = ChildrenCpuSeconds();
        const auto t2 = Clock::now();
        window_ += w1 - w0;
        program_ += c1 - c0;
        windowWall_ += t1 - t0;
        programWall_ += t2 - t1;
    }

    void Report(benchmark::State& state) const {
        state.counters["window_cpu_s"] = window_ / static_cast<double>(state.iterations());
        state.counters["calc_cpu_s"] = program_ / static_cast<double>(state.iterations());
        state.counters["ratio"] = window_ / program_;
        state.counters["wall_ratio"] = std::chrono::duration<double>(windowWall_) /
                                       std::chrono::duration<double>(programWall_);
    }

private:
    using Clock = std::chrono::steady_clock;
    QTemporaryDir home_;
    QString file_;
    std::string calc_;
    Settings settings_;
    std::unique_ptr<CMainFrame> frame_;
    double window_ = 0, program_ = 0;
    Clock::duration windowWall_{}, programWall_{};
};

// The first line becomes "x = `value`", which changes every result below it.
void SetFirstLine(CMainFrame& frame, int value) {
    QTextCursor first(frame.View().document()->firstBlock());
    first.select(QTextCursor::BlockUnderCursor);
    first.insertText(QStringLiteral("x = %1").arg(value));
}

void BM_RecalculateWindowOverCalc(benchmark::State& state) {
    Versus versus;
    CMainFrame& frame = versus.Frame();
    frame.View().LoadText(QString::fromStdU16String(Worksheet()));
    QCoreApplication::processEvents();
    int round = 1;  // the worksheet was made with "x = 1": every round changes it
    for (auto _ : state) {
        state.PauseTiming();
        SetFirstLine(frame, ++round);
        versus.WriteFile();
        state.ResumeTiming();
        versus.Measure(state, [&] { frame.Action(CommandId::EditRecalculateAll)->trigger(); });
    }
    versus.Report(state);
}
BENCHMARK(BM_RecalculateWindowOverCalc)->Unit(benchmark::kMillisecond)->Iterations(8);

// Every line assigns a variable of its own, as a long list of named amounts does: the variable
// list has 100,000 entries at the end.
QString VariablesWorksheet() {
    QString text = QStringLiteral("x = 1\n");
    for (int i = 1; i < kLines; ++i) {
        text += QStringLiteral("y%1 = sin(x)*cos(x)+sqrt(%1)\n").arg(i);
    }
    return text;
}

// Recalculate All of that worksheet, without its result lines yet (as when it is opened with
// recalculation on open), against numora-calc on the same file.
void BM_RecalculateVariablesWindowOverCalc(benchmark::State& state) {
    Versus versus;
    CMainFrame& frame = versus.Frame();
    const QString text = VariablesWorksheet();
    for (auto _ : state) {
        state.PauseTiming();
        frame.View().LoadText(text);
        QCoreApplication::processEvents();
        versus.WriteFile();
        state.ResumeTiming();
        versus.Measure(state, [&] { frame.Action(CommandId::EditRecalculateAll)->trigger(); });
    }
    if (frame.VariableList().List()->count() != kLines) state.SkipWithError("variables missing");
    versus.Report(state);
}
BENCHMARK(BM_RecalculateVariablesWindowOverCalc)->Unit(benchmark::kMillisecond)->Iterations(4);

// Automatic recalculation of the same worksheet with its result lines: Enter on a changed first
// line brings all 100,000 results and variables up to date.
void BM_AutoRecalculateVariablesWindowOverCalc(benchmark::State& state) {
    Versus versus;
    CMainFrame& frame = versus.Frame();
    frame.View().LoadText(VariablesWorksheet());
    frame.Action(CommandId::EditRecalculateAll)->trigger();
    frame.Sheet().SetAutoRecalculate(true);
    int round = 1;
    for (auto _ : state) {
        state.PauseTiming();
        SetFirstLine(frame, ++round);
        QTextCursor caret(frame.View().document()->firstBlock());
        caret.movePosition(QTextCursor::EndOfBlock);
        frame.View().setTextCursor(caret);
        frame.View().setFocus();
        versus.WriteFile();
        state.ResumeTiming();
        versus.Measure(state, [&] { QTest::keyClick(&frame.View(), Qt::Key_Return); });
    }
    if (frame.VariableList().List()->count() != kLines) state.SkipWithError("variables missing");
    versus.Report(state);
}
BENCHMARK(BM_AutoRecalculateVariablesWindowOverCalc)->Unit(benchmark::kMillisecond)->Iterations(4);

// Enter at the end of a worksheet of 100,000 lines that assign 100,000 variables against one
// whose 100,000 lines assign 10, in turn under the same load, the variable list included: each
// Enter assigns a variable of its own. (How Enter grows with the lines is bench_window's.)
void BM_EnterAmongVariablesInTurn(benchmark::State& state) {
    Versus few, many;
    const auto prepare = [](CMainFrame& frame, int variables) {
        QString text = QStringLiteral("x = 1\n");
        for (int i = 1; i < kLines; ++i) {
            text += QStringLiteral("y%1 = x + %2\n").arg(i % variables).arg(i);
        }
        frame.View().LoadText(text);
        frame.Action(CommandId::EditRecalculateAll)->trigger();
        QTextCursor end(frame.View().document());
        end.movePosition(QTextCursor::End);
        frame.View().setTextCursor(end);
        QCoreApplication::processEvents();
    };
    prepare(few.Frame(), 10);
    prepare(many.Frame(), kLines);
    double fewCpu = 0, manyCpu = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        for (Versus* side : {&few, &many}) {
            side->Frame().View().setFocus();
            QTest::keyClicks(&side->Frame().View(), QStringLiteral("z%1 = x*2").arg(round));
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();
        // Each side's Enter is timed with the events it leaves, and only those: what the other
        // window left is handled first, and the two take turns at going first.
        auto steps = std::array{std::pair{&few, &fewCpu}, std::pair{&many, &manyCpu}};
        if (round % 2 == 0) std::swap(steps[0], steps[1]);
        for (auto [side, cpu] : steps) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
            const double t0 = bench::ProcessCpuSeconds();
            QTest::keyClick(&side->Frame().View(), Qt::Key_Return);
            QCoreApplication::processEvents();
            *cpu += bench::ProcessCpuSeconds() - t0;
        }
    }
    if (many.Frame().VariableList().List()->count() != kLines + round ||
        few.Frame().VariableList().List()->count() != 11 + round) {
        state.SkipWithError("Enter did not assign");
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["few_us"] = fewCpu / n * 1e6;
    state.counters["many_us"] = manyCpu / n * 1e6;
    state.counters["growth"] = manyCpu / fewCpu;
}
BENCHMARK(BM_EnterAmongVariablesInTurn)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
