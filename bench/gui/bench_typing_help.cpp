// One typed character with name completion on against the same with it off, in the window, over
// the built-in functions, the default user functions and 10,000 variables, in turn in one run
// and in CPU time: at the end of the worksheet whose lines assign the variables, the character
// extends a name that a thousand variables begin with, and its Backspace goes back to one that
// all of them begin with.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <ctime>

#include "bench/gui/bench_worksheet.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/TypingHelp.h"
#include "worksheet/view/WorksheetEditor.h"

namespace {

using namespace numora;

// state.range(0): 1 when the worksheet holds the lines that assign the variables, 0 when they
// are put into an empty worksheet's engine directly (the least there is to type into).
void BM_TypedCharacterCompletionOnOverOff(benchmark::State& state) {
    test::App();
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    Settings settings;
    CMainFrame frame(settings);
    frame.resize(800, 600);
    frame.show();
    if (state.range(0) == 1) {
        // The variables come from the worksheet's own lines, as they do in use.
        QString text;
        for (int i = 1; i <= 10000; ++i) text += QStringLiteral("v%1 = %1\n>%1\n").arg(i);
        frame.View().LoadText(text + QStringLiteral("1 + 2*v"));
        frame.Sheet().RecalculateResults();
    } else {
        for (int i = 1; i <= 10000; ++i) {
            frame.Sheet().Engine().GetVariables().Store(
                u"v" + QString::number(i).toStdU16String(), Number(i));
        }
        frame.View().LoadText(QStringLiteral("1 + 2*v"));
    }
    WorksheetEditor& view = frame.View();
    view.setFocus();
    view.moveCursor(QTextCursor::End);
    QTest::qWait(200);
    double on = 0, off = 0;
    int opened = 0;
    for (auto _ : state) {
        for (const bool help : {false, true}) {
            frame.Typing().SetEnabled(help);
            QCoreApplication::processEvents();
            const double t0 = bench::ProcessCpuSeconds();
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_Backspace}) {
                QTest::keyClick(&view, key);
                QCoreApplication::processEvents();  // the list painted, as the user sees it
                if (help && frame.Typing().PopupShown()) ++opened;
            }
            (help ? on : off) += bench::ProcessCpuSeconds() - t0;
        }
    }
    frame.Typing().SetEnabled(false);
    if (opened == 0) state.SkipWithError("the list never opened");
    state.counters["off_cpu_ms"] = off * 1e3 / static_cast<double>(state.iterations());
    state.counters["on_cpu_ms"] = on * 1e3 / static_cast<double>(state.iterations());
    state.counters["ratio"] = on / off;
}
BENCHMARK(BM_TypedCharacterCompletionOnOverOff)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
