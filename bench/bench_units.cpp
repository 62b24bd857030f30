// Units: a worksheet of 100,000 lines of conversions and quantity arithmetic recalculated as
// numora-calc and Recalculate All do, against the same worksheet with the factors written out
// (5*0.3048), in turn so that the ratio compares runs under the same load; and one keystroke on
// a unit line (the line evaluated for its preview) against one on the plain line.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "base/Text.h"
#include "bench/RecalcTiming.h"
#include "engine/CalcEngine.h"
#include "worksheet/Recalculate.h"

namespace numora {
namespace {

constexpr int kLines = 100000;

// Five kinds of line, each with its twin in plain factors.
std::u16string Sheet(bool units) {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        const std::string a = std::to_string(1 + i % 977) + ".25";
        const std::string b = std::to_string(1 + i % 11);
        switch (i % 5) {
            case 0:
                text += units ? "x = " + a + "[ft] + " + b + "[in]\n"
                              : "x = " + a + "*0.3048 + " + b + "*0.0254\n";
                break;
            case 1:
                text += units ? "x -> [cm]\n" : "x*100\n";
                break;
            case 2:
                text += units ? a + "[m] * " + b + "[m]\n" : a + " * " + b + "\n";
                break;
            case 3:
                text +=
                    units ? a + "[km] / " + b + "[h] -> [m/s]\n" : a + "*1000 / (" + b + "*3600)\n";
                break;
            default:
                text += units ? a + "[尺] -> [m]\n" : a + "*10/33\n";
                break;
        }
    }
    return Utf8ToUtf16(text);
}

void BM_UnitsOverPlainFactors(benchmark::State& state) {
    const std::u16string withUnits = Sheet(true);
    const std::u16string plain = Sheet(false);
    bench::CompareFastest(
        state, "units_s", [&] { return bench::RecalcSeconds(withUnits, {.Units = true}); },
        "plain_s", [&] { return bench::RecalcSeconds(plain, {.Units = true}); });
}
BENCHMARK(BM_UnitsOverPlainFactors)->Unit(benchmark::kMillisecond)->Iterations(5);

// A keystroke: the line as typed so far, evaluated as its preview is, beside a worksheet's
// variables.
double KeystrokeSeconds(CalcEngine& engine, const std::u16string& line) {
    using Clock = std::chrono::steady_clock;
    constexpr int kRepeats = 2000;
    const auto start = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        std::u16string text = line;
        std::int32_t position = 0;
        benchmark::DoNotOptimize(engine.EvaluateTrial(text, position));
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / kRepeats;
}

void BM_KeystrokeUnitsOverPlain(benchmark::State& state) {
    CalcEngine engine;
    engine.SetOptions({.Units = true});
    for (int i = 0; i < 1000; ++i) {
        std::u16string line = u"v" + Utf8ToUtf16(std::to_string(i)) + u" = 1";
        std::int32_t position = 0;
        engine.Evaluate(line, position);
    }
    const std::u16string unitLine = u"x = 12.25[ft] + 3[in] -> [cm]";
    const std::u16string plainLine = u"x = (12.25*0.3048 + 3*0.0254)*100";
    double units = 1e9, without = 1e9;
    for (auto _ : state) {
        units = std::min(units, KeystrokeSeconds(engine, unitLine));
        without = std::min(without, KeystrokeSeconds(engine, plainLine));
    }
    state.counters["units_us"] = units * 1e6;
    state.counters["plain_us"] = without * 1e6;
    state.counters["ratio"] = units / without;
}
BENCHMARK(BM_KeystrokeUnitsOverPlain)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
}  // namespace numora

BENCHMARK_MAIN();
