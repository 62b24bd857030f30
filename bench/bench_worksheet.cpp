// Worksheet speed: recalculating a worksheet of mixed lines against the same Number operations
// done directly, and the work of one Enter against the size of the worksheet.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "engine/Number.h"
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/Recalculate.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

// Ten lines per group, each group with its own variables and literals: arithmetic with
// decimals, assignments used by later lines, roots, logarithms, exponentials, circular functions
// and integer and fractional powers.
constexpr int kGroups = 200;  // 2000 lines

struct GroupLiterals {
    std::string a, b, c;
};

GroupLiterals LiteralsOf(int g) {
    return {std::to_string(10 + g % 90) + ".25", std::to_string(1 + g % 7) + ".75",
            "1." + std::to_string(100 + g)};
}

std::u16string MixedWorksheet() {
    std::string text;
    for (int g = 0; g < kGroups; ++g) {
        const GroupLiterals l = LiteralsOf(g);
        const std::string v = "v" + std::to_string(g), w = "w" + std::to_string(g);
        text += v + " = " + l.a + "*" + l.b + " + " + l.c + "\n";
        text += w + " = sqrt(" + v + ") + 2.5\n";
        text += "ln(" + v + ") * 3.5\n";
        text += "log10(" + w + " * 1000)\n";
        text += "exp(1.5) - " + v + " / 7\n";
        text += "sin(0.5) + cos(" + w + ")\n";
        text += "tan(0.75) * atan(" + v + ")\n";
        text += v + "^3 + 2^10\n";
        text += w + "^0.5 + 10^1.5\n";
        text += "(" + v + " - " + w + ") * 1.05\n";
    }
    return Utf8ToUtf16(text);
}

// The same worksheet computed by hand: every literal read from its text, the same Boost
// operations, every result turned into text with the same digits.
std::size_t BareWorksheet() {
    std::size_t written = 0;
    auto out = [&](const Number& x) { written += x.str(32, std::ios_base::fmtflags{}).size(); };
    auto n = [](const std::string& s) { return Number(s); };
    for (int g = 0; g < kGroups; ++g) {
        const GroupLiterals l = LiteralsOf(g);
        const Number v = n(l.a) * n(l.b) + n(l.c);
        out(v);
        const Number w = sqrt(v) + n("2.5");
        out(w);
        out(log(v) * n("3.5"));
        out(log10(w * n("1000")));
        out(exp(n("1.5")) - v / n("7"));
        out(sin(n("0.5")) + cos(w));
        out(tan(n("0.75")) * atan(v));
        out(pow(v, n("3")) + pow(n("2"), n("10")));
        out(pow(w, n("0.5")) + pow(n("10"), n("1.5")));
        out((v - w) * n("1.05"));
    }
    return written;
}

void BM_RecalculateMixed(benchmark::State& state) {
    const std::u16string text = MixedWorksheet();
    CalcEngine engine;
    for (auto _ : state) {
        const RecalcOutcome outcome = RecalculateWorksheet(text, engine);
        if (outcome.failed != 0) state.SkipWithError("a line failed");
        benchmark::DoNotOptimize(outcome.text.data());
    }
}
BENCHMARK(BM_RecalculateMixed)->Unit(benchmark::kMillisecond);

void BM_BareMixed(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BareWorksheet());
}
BENCHMARK(BM_BareMixed)->Unit(benchmark::kMillisecond);

// Both in turn, so that the ratio compares runs under the same machine load; the worksheet
// once (2,000 lines) and ten times over (20,000), against the bare evaluation as many times.
void BM_RecalculateOverBare(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const auto repeats = static_cast<int>(state.range(0));
    std::u16string text;
    for (int i = 0; i < repeats; ++i) text += MixedWorksheet();
    CalcEngine engine;
    Clock::duration recalc{}, bare{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(RecalculateWorksheet(text, engine).text.data());
        const auto t1 = Clock::now();
        for (int i = 0; i < repeats; ++i) benchmark::DoNotOptimize(BareWorksheet());
        const auto t2 = Clock::now();
        recalc += t1 - t0;
        bare += t2 - t1;
    }
    state.counters["ratio"] =
        std::chrono::duration<double>(recalc) / std::chrono::duration<double>(bare);
}
BENCHMARK(BM_RecalculateOverBare)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_RecalculateOverBare)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(4);

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
void EnterInMiddle(benchmark::State& state, LineEvaluator& evaluator) {
    MemoryTextBuffer buffer(Worksheet(static_cast<int>(state.range(0))));
    WorksheetDriver driver(buffer, evaluator);
    const std::int32_t line = buffer.ParagraphStart(buffer.ParagraphCount() / 4 * 2);
    for (auto _ : state) {
        buffer.SetSelection(line, line);
        driver.PressEnter(false, false);
        buffer.Undo();
    }
    benchmark::DoNotOptimize(buffer.TextLength());
}

void BM_EnterInMiddle(benchmark::State& state) {
    ConstantEvaluator evaluator;
    EnterInMiddle(state, evaluator);
}
BENCHMARK(BM_EnterInMiddle)->Arg(100)->Arg(10000);

// The same with the real engine evaluating the line.
void BM_EnterInMiddleWithEngine(benchmark::State& state) {
    CalcEngine engine;
    CalcEngineEvaluator evaluator(engine);
    EnterInMiddle(state, evaluator);
}
BENCHMARK(BM_EnterInMiddleWithEngine)->Arg(100)->Arg(10000);

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
