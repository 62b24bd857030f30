// The recovery copy of a 100,000-line worksheet: what the user-interface thread does (take the
// text out of the editor) beside what the worker thread does (encode it and write it
// atomically), and a bare QString copy of the same text as the floor.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "base/FileIO.h"
#include "tests/support/qt_app_support.h"
#include "worksheet/Document.h"
#include "worksheet/view/WorksheetEditor.h"

namespace {

using numora::WorksheetEditor;
using numora::test::App;

constexpr int kLines = 100000;

// Expression and result line pairs: kLines lines in all.
QString Worksheet() {
    QString text;
    for (int i = 0; i < kLines / 2; ++i)
        text += QStringLiteral("a%1 = %1*3.5\n>%2\n").arg(i).arg(i * 3.5);
    return text;
}

WorksheetEditor& LoadedView() {
    App();
    static WorksheetEditor* view = [] {
        auto* v = new WorksheetEditor;
        v->LoadText(Worksheet());
        return v;
    }();
    return *view;
}

// On the user-interface thread: the snapshot handed to the worker.
void BM_RecoverySnapshot(benchmark::State& state) {
    WorksheetEditor& view = LoadedView();
    for (auto _ : state) benchmark::DoNotOptimize(view.Text());
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond);

// On the worker thread: encoding and the atomic, flushed write.
void BM_RecoveryWrite(benchmark::State& state) {
    const QString text = LoadedView().Text();
    QTemporaryDir dir;
    const std::filesystem::path path = QDir(dir.path()).filePath("Recovery.txt").toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            numora::WriteFileAtomically(path, numora::EncodeWorksheet(text.toStdU16String())));
    }
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond);

// The floor: a deep copy of the same text.
void BM_BareTextCopy(benchmark::State& state) {
    const QString text = LoadedView().Text();
    for (auto _ : state) {
        QString copy(text.constData(), text.size());
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_BareTextCopy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
