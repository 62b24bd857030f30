// Percentages: a worksheet of 100,000 lines of percent chains, tax calls and numbers written
// with 万 and 億 recalculated as numora-calc and Recalculate All do, against the same worksheet
// with the factors written out (1200 * 1.1, floor(105*3*0.1)), in turn so that the ratio
// compares runs under the same load; the same with results written in 万 and 億; and the plain
// worksheet with percentages off, which is what the option costs lines that do not use it.
#include <benchmark/benchmark.h>

#include <string>

#include "base/Text.h"
#include "bench/RecalcTiming.h"
#include "engine/CalcEngine.h"

namespace numora {
namespace {

constexpr int kLines = 100000;

// Ten kinds of line, each with its twin that does the same arithmetic with plain factors.
std::u16string Sheet(bool percent) {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        const std::string a = std::to_string(100 + i % 977 * 10);
        const std::string b = std::to_string(1 + i % 9);
        const std::string c = std::to_string(1 + i % 97);
        switch (i % 10) {
            case 0:
                text += percent ? a + " + 10%\n" : a + " * 1.1\n";
                break;
            case 1:
                text += percent ? "x = " + a + " - 20%\n" : "x = " + a + " * 0.8\n";
                break;
            case 2:
                text += percent ? "Tax(" + c + "*3)\n" : "floor(" + c + "*3*0.1)\n";
                break;
            case 3:
                text += percent ? "TaxPlus(" + a + "; 8%)\n" : a + " + floor(" + a + "*0.08)\n";
                break;
            case 4:
                text += percent ? b + "万5千 + 10%\n" : b + "5000 * 1.1\n";
                break;
            case 5:
                text += percent ? "x + 5%\n" : "x * 1.05\n";
                break;
            case 6:
                text += percent ? a + " - 20% + 5%\n" : a + " * 0.8 * 1.05\n";
                break;
            case 7:
                text += percent ? b + "億2345万6789 - 8%\n" : b + "23456789 * 0.92\n";
                break;
            case 8:
                text += percent ? "税込(" + a + ")\n" : a + " + floor(" + a + "*0.1)\n";
                break;
            default:
                text += percent ? "TaxIncluded(" + a + ")\n" : "floor(" + a + "*0.1/1.1)\n";
                break;
        }
    }
    return Utf8ToUtf16(text);
}

void Compare(benchmark::State& state, bool myriad) {
    const std::u16string withPercent = Sheet(true);
    const std::u16string plain = Sheet(false);
    const EvalOptions on{.Percent = true, .MyriadGrouping = myriad};
    bench::CompareFastest(
        state, "percent_s", [&] { return bench::RecalcSeconds(withPercent, on); }, "plain_s",
        [&] { return bench::RecalcSeconds(plain, on); });
}

void BM_PercentOverPlainFactors(benchmark::State& state) { Compare(state, false); }
BENCHMARK(BM_PercentOverPlainFactors)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PercentOverPlainFactorsMyriadResults(benchmark::State& state) { Compare(state, true); }
BENCHMARK(BM_PercentOverPlainFactorsMyriadResults)->Unit(benchmark::kMillisecond)->Iterations(3);

// The plain worksheet with percentages on against the same with them off.
void BM_PlainPercentOnOverOff(benchmark::State& state) {
    const std::u16string plain = Sheet(false);
    bench::CompareFastest(
        state, "on_s", [&] { return bench::RecalcSeconds(plain, {.Percent = true}); }, "off_s",
        [&] { return bench::RecalcSeconds(plain, {}); });
}
BENCHMARK(BM_PlainPercentOnOverOff)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace numora

BENCHMARK_MAIN();
