// Worksheet driver speed: the work of one Enter against the size of the worksheet.
#include <benchmark/benchmark.h>

#include <string>

#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

// Answers at once, so that only the driver and the buffer are measured.
class ConstantEvaluator final : public LineEvaluator {
public:
    int Evaluate(std::u16string&, std::int32_t& position) override {
        position = 0;
        return 0;
    }
    const std::u16string& MessageText() const override { return text_; }

private:
    std::u16string text_ = u"3.1415926535897932384626433832795";
};

// `lines` paragraphs: expressions each followed by its result line.
std::u16string Worksheet(int lines) {
    std::u16string text;
    for (int i = 0; i < lines / 2; ++i) {
        const std::u16string n = std::u16string(1, static_cast<char16_t>(u'a' + i % 26));
        text += n + u" = 1.25*" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) +
                u"\n>12.5\n";
    }
    return text;
}

// Enter on an expression in the middle of the worksheet, replacing its result line, then Undo.
void BM_EnterInMiddle(benchmark::State& state) {
    MemoryTextBuffer buffer(Worksheet(static_cast<int>(state.range(0))));
    ConstantEvaluator evaluator;
    WorksheetDriver driver(buffer, evaluator);
    const std::int32_t line = buffer.ParagraphStart(buffer.ParagraphCount() / 4 * 2);
    for (auto _ : state) {
        buffer.SetSelection(line, line);
        driver.PressEnter(false, false);
        buffer.Undo();
    }
    benchmark::DoNotOptimize(buffer.TextLength());
}
BENCHMARK(BM_EnterInMiddle)->Arg(100)->Arg(10000);

// Typing a line at the end and pressing Enter, the usual way of working, then Undo both.
void BM_EnterAtEnd(benchmark::State& state) {
    MemoryTextBuffer buffer(Worksheet(static_cast<int>(state.range(0))));
    ConstantEvaluator evaluator;
    WorksheetDriver driver(buffer, evaluator);
    for (auto _ : state) {
        buffer.SetSelection(-1, -1);
        driver.InsertAtCaret(u"x = 2*pi");
        driver.PressEnter(false, false);
        buffer.Undo();
        buffer.Undo();
    }
    benchmark::DoNotOptimize(buffer.TextLength());
}
BENCHMARK(BM_EnterAtEnd)->Arg(100)->Arg(10000);

}  // namespace
}  // namespace numora

BENCHMARK_MAIN();
