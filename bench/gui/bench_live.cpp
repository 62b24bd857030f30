// Results without Ctrl+R, each measured side by side with what it is added to, in turn in one
// run and in CPU time over all the process's threads (so the preview's worker and the
// worksheet's are counted):
// - one typed character (and its Backspace) with the line preview on, its evaluation waited
//   for, against the same with it off;
// - one typed character (and its Backspace) at the end of a unit line with units on, against the
//   same on its twin written with plain factors, the preview on and waited for in both;
// - Enter on line 99,990 of 100,000 with automatic recalculation against a manual Enter there;
// - Enter on line 1 with automatic recalculation, after an edit that changes every result,
//   against Recalculate All after the same edit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <ctime>

#include "bench/gui/bench_worksheet.h"
#include "engine/CalcEngine.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Recalculate.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/WorksheetEditor.h"

namespace {

using namespace numora;

constexpr int kLines = 100000;

// A running total threads through the worksheet, so a new first line changes every result
// below it; every expression has its result line, as on a worksheet in use: 100,000 lines.
QString RunningTotal() {
    static const char16_t* const kBody[] = {u"x = x + 1.5", u"sqrt(x) * 2 // root", u"x / 7",
                                            u"1/0 // kept as a reminder"};
    std::u16string text = u"x = 1\n";
    for (int i = 0; i < kLines / 2 - 1; ++i) text += std::u16string(kBody[i % 4]) + u"\n";
    CalcEngine engine;
    return QString::fromStdU16String(RecalculateWorksheet(std::move(text), engine).text);
}

// The editor, its worksheet, the wait for its lines and the preview, wired as the window
// wires them.
struct Window {
    explicit Window(const QString& text) {
        view.ShowWorksheet(&sheet);
        namespace defaults = SettingsDefaults;
        view.ApplyColors(defaults::DefaultColor, defaults::ResultColor, defaults::ErrorColor,
                         defaults::CommentColor);
        view.resize(600, 400);
        view.show();
        view.LoadText(text);
        QTest::qWait(200);
    }
    ~Window() { view.ShowWorksheet(nullptr); }
    void CaretTo(int paragraph, bool atEnd) {
        QTextCursor cursor(view.document()->findBlockByNumber(paragraph));
        if (atEnd) cursor.movePosition(QTextCursor::EndOfBlock);
        view.setTextCursor(cursor);
    }
    void Key(Qt::Key key) {
        QTest::keyClick(&view, key);
        QCoreApplication::processEvents();  // laid out and painted, as the user sees it
    }

    WorksheetEditor view;
    Worksheet sheet{view, NoUserFunctions()};
    CalculationWait wait{sheet};
    LinePreviewer previewer{view, sheet};
};

void BM_TypedCharacterPreviewOnOverOff(benchmark::State& state) {
    test::App();
    Window window(RunningTotal().left(20000) + QStringLiteral("\nx * 3 + 1"));
    window.sheet.RecalculateResults();  // the variables that Enter on each line left
    const int last = window.view.document()->blockCount() - 1;
    double on = 0, off = 0;
    int shown = 0;
    for (auto _ : state) {
        for (const bool preview : {false, true}) {
            window.previewer.SetEnabled(preview);
            window.CaretTo(last, true);
            QCoreApplication::processEvents();
            const double t0 = bench::ProcessCpuSeconds();
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_Backspace}) {
                window.Key(key);
                if (!preview) continue;
                // As after the pause: the preview runs and its answer arrives.
                window.previewer.StartNow();
                while (window.previewer.Pending()) QCoreApplication::processEvents();
                if (!window.view.PreviewShown().isEmpty()) ++shown;
            }
            (preview ? on : off) += bench::ProcessCpuSeconds() - t0;
        }
    }
    if (shown == 0) state.SkipWithError("no preview was shown");
    state.counters["off_cpu_ms"] = off * 1e3 / static_cast<double>(state.iterations());
    state.counters["on_cpu_ms"] = on * 1e3 / static_cast<double>(state.iterations());
    state.counters["ratio"] = on / off;
}
BENCHMARK(BM_TypedCharacterPreviewOnOverOff)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_TypedCharacterUnitLineOverPlain(benchmark::State& state) {
    test::App();
    const QString sheet = RunningTotal().left(20000);
    Window units(sheet + QStringLiteral("\nd = 12.25[ft] + 3[in] -> [cm]"));
    Window plain(sheet + QStringLiteral("\nd = (12.25*0.3048 + 3*0.0254)*100"));
    for (Window* window : {&units, &plain}) {
        window->sheet.SetOptions({.Units = true});
        window->sheet.RecalculateResults();
        window->previewer.SetEnabled(true);
    }
    double unitTime = 0, plainTime = 0;
    int shown = 0;
    for (auto _ : state) {
        for (Window* window : {&units, &plain}) {
            // After "d = 12.25" in both: the digit changes the first number, so both still
            // calculate and show their preview.
            QTextCursor cursor(window->view.document()->lastBlock());
            cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 9);
            window->view.setTextCursor(cursor);
            QCoreApplication::processEvents();
            const double t0 = bench::ProcessCpuSeconds();
            for (const Qt::Key key : {Qt::Key_1, Qt::Key_Backspace}) {
                window->Key(key);
                window->previewer.StartNow();
                while (window->previewer.Pending()) QCoreApplication::processEvents();
                if (!window->view.PreviewShown().isEmpty()) ++shown;
            }
            (window == &units ? unitTime : plainTime) += bench::ProcessCpuSeconds() - t0;
        }
    }
    if (shown == 0) state.SkipWithError("no preview was shown");
    state.counters["units_cpu_ms"] = unitTime * 1e3 / static_cast<double>(state.iterations());
    state.counters["plain_cpu_ms"] = plainTime * 1e3 / static_cast<double>(state.iterations());
    state.counters["ratio"] = unitTime / plainTime;
}
BENCHMARK(BM_TypedCharacterUnitLineOverPlain)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_AutoEnterNearTheEndOverManualEnter(benchmark::State& state) {
    test::App();
    const QString text = RunningTotal();
    Window manual(text);
    Window automatic(text);
    automatic.sheet.SetAutoRecalculate(true);
    automatic.sheet.RecalculateResults();  // as the option's OK does
    constexpr int kLine = kLines - 10;     // an expression with its result line below
    double autoTime = 0, manualTime = 0;
    for (auto _ : state) {
        for (Window* window : {&manual, &automatic}) {
            window->CaretTo(kLine, true);
            QCoreApplication::processEvents();
            const double t0 = bench::ProcessCpuSeconds();
            window->Key(Qt::Key_Return);
            (window == &automatic ? autoTime : manualTime) += bench::ProcessCpuSeconds() - t0;
        }
    }
    if (manual.view.document()->blockCount() != automatic.view.document()->blockCount()) {
        state.SkipWithError("the worksheets differ in length");
    }
    state.counters["manual_cpu_ms"] = manualTime * 1e3 / static_cast<double>(state.iterations());
    state.counters["auto_cpu_ms"] = autoTime * 1e3 / static_cast<double>(state.iterations());
    state.counters["ratio"] = autoTime / manualTime;
}
BENCHMARK(BM_AutoEnterNearTheEndOverManualEnter)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_AutoEnterAtTheTopOverRecalculateAll(benchmark::State& state) {
    test::App();
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    Settings settings;
    CMainFrame frame(settings);
    frame.resize(800, 600);
    frame.show();
    frame.Previewer().SetEnabled(false);
    frame.View().LoadText(RunningTotal());
    QTest::qWait(200);
    double autoTime = 0, allTime = 0;
    int round = 1;  // the worksheet was made with "x = 1": every edit changes every result
    for (auto _ : state) {
        for (const bool automatic : {false, true}) {
            QTextCursor first(frame.View().document()->firstBlock());
            first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            first.insertText(QStringLiteral("x = %1").arg(++round));
            frame.Sheet().SetAutoRecalculate(automatic);
            first.movePosition(QTextCursor::EndOfBlock);
            frame.View().setTextCursor(first);
            QCoreApplication::processEvents();
            const double t0 = bench::ProcessCpuSeconds();
            if (automatic) {
                QTest::keyClick(&frame.View(), Qt::Key_Return);
            } else {
                frame.Action(CommandId::EditRecalculateAll)->trigger();
            }
            QCoreApplication::processEvents();
            (automatic ? autoTime : allTime) += bench::ProcessCpuSeconds() - t0;
        }
    }
    state.counters["recalculate_all_cpu_s"] = allTime / static_cast<double>(state.iterations());
    state.counters["auto_cpu_s"] = autoTime / static_cast<double>(state.iterations());
    state.counters["ratio"] = autoTime / allTime;
}
BENCHMARK(BM_AutoEnterAtTheTopOverRecalculateAll)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
