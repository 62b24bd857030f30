// Replace All and printing on the worksheet editor, each beside a bare QTextDocument doing the
// same edits or the same printing, so the ratio shows what the worksheet adds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include "shell/find/FindSession.h"
#include "shell/print/PrintLayout.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"
#include "worksheet/view/WorksheetHighlighter.h"

namespace {

using namespace numora;

// 100,000 lines, every tenth holding "rate" once.
QString ReplaceSheet() {
    QString text;
    for (int i = 0; i < 100000; ++i) {
        text += i % 10 == 0 ? QStringLiteral("rate=1.05 // yearly\n")
                            : QStringLiteral("x%1=x+2*3\n").arg(i);
    }
    return text;
}

void BM_ReplaceAll_Worksheet(benchmark::State& state) {
    const QString sheet = ReplaceSheet();
    WorksheetEditor view;
    Worksheet worksheet(view, NoUserFunctions());
    view.ShowWorksheet(&worksheet);
    FindSession session(view, worksheet.Driver());
    for (auto _ : state) {
        state.PauseTiming();
        view.LoadText(sheet);
        session.Last() = {"rate", "growth", {true, true}, true};
        state.ResumeTiming();
        if (session.ReplaceAll() != 10000) state.SkipWithError("wrong count");
    }
}

void BM_ReplaceAll_BareDocument(benchmark::State& state) {
    const QString sheet = ReplaceSheet();
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument document(sheet);
        state.ResumeTiming();
        const QString text = document.toPlainText();
        QTextCursor cursor(&document);
        cursor.beginEditBlock();
        int shift = 0;
        for (qsizetype at = text.indexOf(u"rate"); at >= 0; at = text.indexOf(u"rate", at + 4)) {
            cursor.setPosition(int(at) + shift);
            cursor.setPosition(int(at) + shift + 4, QTextCursor::KeepAnchor);
            cursor.insertText(QStringLiteral("growth"));
            shift += 2;
        }
        cursor.endEditBlock();
        benchmark::DoNotOptimize(document.characterCount());
    }
}

QString PrintSheet() {
    QString text;
    for (int i = 0; i < 10000; ++i) {
        text += i % 2 ? QStringLiteral(">%1\n").arg(i * 3) : QStringLiteral("a%1=%1*3\n").arg(i);
    }
    return text;
}

void PdfPrinter(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

void BM_PrintPdf_Worksheet(benchmark::State& state) {
    QTemporaryDir dir;
    WorksheetEditor view;
    view.LoadText(PrintSheet());
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        view.Highlighter().ColorEveryLine();
        PdfPrinter(printer, dir.filePath("sheet.pdf"));
        ApplyMargins(printer, {1000, 1000, 1000, 1000});
        const auto pages = PaginatedCopy(*view.document(), printer, ScreenDpi(&view));
        if (!PaintPages(printer, *pages, 1, pages->pageCount())) state.SkipWithError("failed");
        state.counters["pages"] = pages->pageCount();
    }
}

void BM_PrintPdf_BareDocument(benchmark::State& state) {
    QTemporaryDir dir;
    QTextDocument document(PrintSheet());
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, dir.filePath("bare.pdf"));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        document.print(&printer);
    }
}

BENCHMARK(BM_ReplaceAll_Worksheet)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReplaceAll_BareDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PrintPdf_Worksheet)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PrintPdf_BareDocument)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
