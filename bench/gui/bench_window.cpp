// The worksheet editor against a bare QPlainTextEdit doing the same work in the same process:
// opening and colouring a large worksheet, Enter at the end of a large worksheet against a
// small one (and the bare editor's own growth for the same step, both in turn for a ratio
// under the same load, and all four in turn for how each grows), and one typed character in
// the middle of a large worksheet (also in turn with the bare one). Keys are key events on
// both sides.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "bench/gui/bench_worksheet.h"
#include "settings/Settings.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/WorksheetEditor.h"

namespace {

using numora::WorksheetEditor;
using numora::bench::Worksheet;
using numora::test::App;

constexpr int kLarge = 100000;

// The editor with its worksheet, the wait for its lines and the default colours, wired as the
// main window wires them.
struct Editor {
    Editor() {
        view.ShowWorksheet(&sheet);
        namespace defaults = numora::SettingsDefaults;
        view.ApplyColors(defaults::DefaultColor, defaults::ResultColor, defaults::ErrorColor,
                         defaults::CommentColor);
    }
    WorksheetEditor view;
    numora::Worksheet sheet{view, numora::NoUserFunctions()};
    numora::CalculationWait wait{sheet};
};

template <typename Editor>
void Show(Editor& editor) {
    editor.resize(600, 400);
    editor.show();
    QCoreApplication::processEvents();
}

// Lets the editor finish what the load left for later (the scroll bar appearing relays out
// every line), as it has by the time a user presses a key.
void Settle() { QTest::qWait(200); }

void BM_OpenView(benchmark::State& state) {
    App();
    const QString text = Worksheet(kLarge);
    Editor editor;
    WorksheetEditor& view = editor.view;
    Show(view);
    for (auto _ : state) {
        view.LoadText(text);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenView)->Unit(benchmark::kMillisecond);

void BM_OpenBare(benchmark::State& state) {
    App();
    const QString text = Worksheet(kLarge);
    QPlainTextEdit edit;
    Show(edit);
    for (auto _ : state) {
        edit.setPlainText(text);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenBare)->Unit(benchmark::kMillisecond);

// Enter on the last line; the line is typed again outside the timing for the next round. The
// first line, which assigns `a`, is calculated first: otherwise every Enter fails, leaves the
// caret in the line and the next round types into the same, ever longer line.
void BM_EnterAtEnd(benchmark::State& state) {
    App();
    Editor editor;
    WorksheetEditor& view = editor.view;
    Show(view);
    view.LoadText(Worksheet(static_cast<int>(state.range(0))));
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_End);
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    Settle();
    for (auto _ : state) {
        QTest::keyClick(&view, Qt::Key_Return);
        QCoreApplication::processEvents();
        state.PauseTiming();
        QTest::keyClicks(&view, "a*2");
        state.ResumeTiming();
    }
    if (!view.Text().endsWith(u"a*2\n>75\na*2")) state.SkipWithError("Enter did not calculate");
}
BENCHMARK(BM_EnterAtEnd)->Arg(10)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

// The same in a bare editor through the same key: Return breaks the line, and the result line
// goes in after it as the worksheet writes it. What grows here with the worksheet is the
// toolkit's own.
void BM_EnterAtEndBare(benchmark::State& state) {
    App();
    QPlainTextEdit edit;
    Show(edit);
    edit.setPlainText(Worksheet(static_cast<int>(state.range(0))));
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    Settle();
    for (auto _ : state) {
        QTest::keyClick(&edit, Qt::Key_Return);
        edit.textCursor().insertText(QStringLiteral(">75\n"));
        QCoreApplication::processEvents();
        state.PauseTiming();
        QTest::keyClicks(&edit, "a*2");
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterAtEndBare)->Arg(10)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

// The worksheet editor and a bare one with the same text, each step made on both in turn
// (the worksheet's first) and timed in CPU time of every thread, so that the ratio compares
// them under the same machine load.
struct InTurn {
    explicit InTurn(int lines) {
        Show(editor.view);
        Show(edit);
        editor.view.LoadText(Worksheet(lines));
        edit.setPlainText(Worksheet(lines));
    }
    template <typename WindowStep, typename BareStep>
    void Step(WindowStep&& windowStep, BareStep&& bareStep) {
        const double t0 = numora::bench::ProcessCpuSeconds();
        windowStep();
        QCoreApplication::processEvents();
        const double t1 = numora::bench::ProcessCpuSeconds();
        bareStep();
        QCoreApplication::processEvents();
        const double t2 = numora::bench::ProcessCpuSeconds();
        window += t1 - t0;
        bare += t2 - t1;
    }
    void Report(benchmark::State& state) const {
        const auto n = static_cast<double>(state.iterations());
        state.counters["window_us"] = window / n * 1e6;
        state.counters["bare_us"] = bare / n * 1e6;
        state.counters["ratio"] = window / bare;
    }

    struct AppFirst {
        AppFirst() { App(); }
    } app;
    Editor editor;
    QPlainTextEdit edit;
    double window = 0, bare = 0;
};

// Both carets at the end of the text, once an Enter on the first line has assigned `a`.
void PrepareEnterAtEnd(InTurn& sides) {
    WorksheetEditor& view = sides.editor.view;
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_End);
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&sides.edit, Qt::Key_End, Qt::ControlModifier);
}

// Enter on both in turn; the bare editor writes the result line the worksheet writes.
void EnterAtEnd(InTurn& sides) {
    WorksheetEditor& view = sides.editor.view;
    QPlainTextEdit& edit = sides.edit;
    sides.Step([&] { QTest::keyClick(&view, Qt::Key_Return); },
               [&] {
                   QTest::keyClick(&edit, Qt::Key_Return);
                   edit.textCursor().insertText(QStringLiteral(">75\n"));
               });
}

// The next line to calculate, typed on both outside the timing.
void TypeNextLine(InTurn& sides) {
    QTest::keyClicks(&sides.editor.view, "a*2");
    QTest::keyClicks(&sides.edit, "a*2");
    QCoreApplication::processEvents();
}

bool EnterCalculated(const InTurn& sides) {
    return sides.editor.view.Text().endsWith(u"a*2\n>75\na*2");
}

// BM_EnterAtEnd and BM_EnterAtEndBare in turn.
void BM_EnterAtEndInTurn(benchmark::State& state) {
    InTurn sides(static_cast<int>(state.range(0)));
    PrepareEnterAtEnd(sides);
    Settle();
    for (auto _ : state) {
        EnterAtEnd(sides);
        state.PauseTiming();
        TypeNextLine(sides);
        state.ResumeTiming();
    }
    if (!EnterCalculated(sides)) state.SkipWithError("Enter did not calculate");
    sides.Report(state);
}
BENCHMARK(BM_EnterAtEndInTurn)->Arg(10)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

// How Enter grows with the worksheet: Enter at the end of 10 lines and of 100,000, the
// worksheet's and the bare editor's, all four in turn under the same load. `window_growth` is
// the worksheet's cost at 100,000 lines over its cost at 10, `bare_growth` the bare editor's.
void BM_EnterGrowthInTurn(benchmark::State& state) {
    InTurn small(10);
    InTurn large(kLarge);
    PrepareEnterAtEnd(small);
    PrepareEnterAtEnd(large);
    Settle();
    for (auto _ : state) {
        EnterAtEnd(small);
        EnterAtEnd(large);
        state.PauseTiming();
        TypeNextLine(small);
        TypeNextLine(large);
        state.ResumeTiming();
    }
    if (!EnterCalculated(small) || !EnterCalculated(large)) {
        state.SkipWithError("Enter did not calculate");
    }
    state.counters["window_growth"] = large.window / small.window;
    state.counters["bare_growth"] = large.bare / small.bare;
}
BENCHMARK(BM_EnterGrowthInTurn)->Unit(benchmark::kMicrosecond);

void BM_TypeInMiddleView(benchmark::State& state) {
    App();
    Editor editor;
    WorksheetEditor& view = editor.view;
    Show(view);
    view.LoadText(Worksheet(kLarge));
    view.setFocus();
    Settle();
    QTextCursor cursor(view.document()->findBlockByNumber(kLarge / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    view.setTextCursor(cursor);
    for (auto _ : state) {
        QTest::keyClick(&view, Qt::Key_1);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TypeInMiddleView)->Unit(benchmark::kMicrosecond);

void BM_TypeInMiddleBare(benchmark::State& state) {
    App();
    QPlainTextEdit edit;
    Show(edit);
    edit.setPlainText(Worksheet(kLarge));
    edit.setFocus();
    Settle();
    QTextCursor cursor(edit.document()->findBlockByNumber(kLarge / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    edit.setTextCursor(cursor);
    for (auto _ : state) {
        QTest::keyClick(&edit, Qt::Key_1);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TypeInMiddleBare)->Unit(benchmark::kMicrosecond);

// Both in turn, each character taken back outside the timing, so that the line keeps its
// length however many rounds run.
void BM_TypeInMiddleInTurn(benchmark::State& state) {
    InTurn sides(kLarge);
    WorksheetEditor& view = sides.editor.view;
    QPlainTextEdit& edit = sides.edit;
    Settle();
    for (QPlainTextEdit* side : {static_cast<QPlainTextEdit*>(&view), &edit}) {
        QTextCursor cursor(side->document()->findBlockByNumber(kLarge / 2));
        cursor.movePosition(QTextCursor::EndOfBlock);
        side->setTextCursor(cursor);
    }
    for (auto _ : state) {
        sides.Step([&] { QTest::keyClick(&view, Qt::Key_1); },
                   [&] { QTest::keyClick(&edit, Qt::Key_1); });
        state.PauseTiming();
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (view.Text() != edit.toPlainText()) state.SkipWithError("the texts differ");
    sides.Report(state);
}
BENCHMARK(BM_TypeInMiddleInTurn)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
