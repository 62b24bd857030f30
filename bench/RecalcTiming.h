#pragma once
// What the worksheet benchmarks that compare two ways of writing one worksheet share: the time
// of one recalculation from scratch, and the fastest of several runs of each side by side.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "engine/CalcEngine.h"
#include "worksheet/Recalculate.h"

namespace numora::bench {

// Seconds of one Recalculate All of `text` in a fresh engine; -1 when a line failed.
inline double RecalcSeconds(const std::u16string& text, const EvalOptions& options) {
    using Clock = std::chrono::steady_clock;
    CalcEngine engine;
    engine.SetOptions(options);
    RecalcOptions recalc;
    const auto start = Clock::now();
    const RecalcOutcome outcome = RecalculateAfresh(text, engine, recalc);
    const auto end = Clock::now();
    benchmark::DoNotOptimize(outcome.text.data());
    if (outcome.failed != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

// Runs `first` and `second` in turn each iteration; the fastest run of each stands for it (on a
// shared machine the others carry other work), reported as counters with their ratio.
template <typename First, typename Second>
void CompareFastest(benchmark::State& state, const char* firstName, First first,
                    const char* secondName, Second second) {
    double a = 1e9, b = 1e9;
    for (auto _ : state) {
        const double x = first();
        const double y = second();
        if (x < 0 || y < 0) {
            state.SkipWithError("a line failed");
            return;
        }
        a = std::min(a, x);
        b = std::min(b, y);
    }
    state.counters[firstName] = a;
    state.counters[secondName] = b;
    state.counters["ratio"] = a / b;
}

}  // namespace numora::bench
