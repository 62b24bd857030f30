// Totals: a worksheet of 100,000 lines with a subtotal every ten lines and a total at the end,
// recalculated as numora-calc and Recalculate All do, against the same worksheet without the
// totals (each summary line reads a variable instead), in turn so that the ratio compares runs
// under the same machine load. Also the same plain worksheet with totals on, where every result
// line keeps its value though no line asks for one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "base/Text.h"
#include "engine/CalcEngine.h"
#include "worksheet/Recalculate.h"

namespace numora {
namespace {

constexpr int kLines = 100000;

// Nine items and a summary line in every ten, and a last line: what `subtotal` and `total` say.
std::u16string Budget(const std::string& subtotal, const std::string& total) {
    std::string text = "s = 0\n";
    for (int i = 1; i < kLines - 1; ++i) {
        if (i % 10 == 0) {
            text += subtotal + "\n";
        } else {
            text += std::to_string(10 + i % 977) + ".25 * " + std::to_string(1 + i % 7) + ".5\n";
        }
    }
    text += total + "\n";
    return Utf8ToUtf16(text);
}

double Seconds(const std::u16string& text, bool totals) {
    using Clock = std::chrono::steady_clock;
    CalcEngine engine;
    RecalcOptions options;
    options.totals = totals;
    const auto start = Clock::now();
    const RecalcOutcome outcome = RecalculateAfresh(text, engine, options);
    const auto end = Clock::now();
    benchmark::DoNotOptimize(outcome.text.data());
    if (outcome.failed != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

// The fastest run of each stands for it: on a shared machine the others carry other work.
void BM_TotalsOverPlain(benchmark::State& state) {
    const std::u16string withTotals = Budget("subtotal", "total");
    const std::u16string plain = Budget("s", "s");
    double totals = 1e9, without = 1e9, keeping = 1e9;
    for (auto _ : state) {
        const double t = Seconds(withTotals, true);
        const double p = Seconds(plain, false);
        const double k = Seconds(plain, true);
        if (t < 0 || p < 0 || k < 0) {
            state.SkipWithError("a line failed");
            return;
        }
        totals = std::min(totals, t);
        without = std::min(without, p);
        keeping = std::min(keeping, k);
    }
    state.counters["totals_s"] = totals;
    state.counters["plain_s"] = without;
    state.counters["ratio"] = totals / without;
    state.counters["keeping_ratio"] = keeping / without;
}
BENCHMARK(BM_TotalsOverPlain)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
}  // namespace numora

BENCHMARK_MAIN();
