// The worksheet editor against a bare QPlainTextEdit doing the same work in the same process:
// opening and colouring a large worksheet, Enter at the end of a large worksheet against a
// small one, and one typed character in the middle of a large worksheet.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "tests/support/qt_app_support.h"
#include "worksheet/view/CView.h"

namespace {

using numora::test::App;

constexpr int kLarge = 100000;

// Expressions, their results, an error and a comment, as a long-used worksheet has them; the
// last line is an expression waiting for Enter.
QString Worksheet(int lines) {
    static const char* const kLines[] = {"a = 12.5*3", ">37.5",  "sqrt(a) + 1", ">7.1237243569579",
                                         "1/0",        ">error", "' totals",    "a*2"};
    QString text;
    for (int i = 0; i < lines; ++i) {
        if (i > 0) text += u'\n';
        text += QLatin1String(kLines[(lines - 1 - i) % 8 == 0 ? 7 : i % 7]);
    }
    return text;
}

template <typename Editor>
void Show(Editor& editor) {
    editor.resize(600, 400);
    editor.show();
    QCoreApplication::processEvents();
}

void BM_OpenView(benchmark::State& state) {
    App();
    const QString text = Worksheet(kLarge);
    CView view;
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

// Enter on the last line; the line is typed again outside the timing for the next round.
void BM_EnterAtEnd(benchmark::State& state) {
    App();
    CView view;
    Show(view);
    view.LoadText(Worksheet(static_cast<int>(state.range(0))));
    view.setFocus();
    for (auto _ : state) {
        QTest::keyClick(&view, Qt::Key_Return);
        QCoreApplication::processEvents();
        state.PauseTiming();
        QTest::keyClicks(&view, "a*2");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterAtEnd)->Arg(10)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

void BM_TypeInMiddleView(benchmark::State& state) {
    App();
    CView view;
    Show(view);
    view.LoadText(Worksheet(kLarge));
    view.setFocus();
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
    QTextCursor cursor(edit.document()->findBlockByNumber(kLarge / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("1"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TypeInMiddleBare)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
