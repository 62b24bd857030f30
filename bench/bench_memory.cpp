// Peak memory of recalculating a worksheet file in place (numora-calc -i): read, recalculate,
// write. Reported per line and against the size of the file written, for 100,000 and
// 1,000,000 lines; the aim is at most 4 times the file plus 8 MB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/CalcEngine.h"
#include "worksheet/Document.h"
#include "worksheet/Recalculate.h"

#ifdef __linux__
#include <malloc.h>
#endif

namespace numora {
namespace {

namespace fs = std::filesystem;

// A value from /proc/self/status in bytes ("VmHWM", "VmRSS"); 0 where there is none.
double StatusBytes(const std::string& key) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) * 1024;
    }
    return 0;
}

// Starts a new peak at the present resident size (Linux 4.0 and later).
bool ResetPeak() {
#ifdef __linux__
    malloc_trim(0);
#endif
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return static_cast<bool>(clear.flush());
}

// Assignments, expressions using them, and some result lines already there (to be replaced).
void WriteWorksheet(const fs::path& path, int lines) {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < lines; ++i) {
        switch (i % 4) {
            case 0:
                out << "a = " << i % 1000 << ".5 * 3\r\n";
                break;
            case 1:
                out << "a / 7 + 2^10\r\n";
                break;
            case 2:
                out << ">0\r\n";
                break;
            default:
                out << "// a comment line\r\n";
                break;
        }
    }
}

void BM_RecalculateFileInPlace(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const fs::path path = fs::temp_directory_path() / "numora-bench-memory.txt";
    CalcEngine engine;
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        WriteWorksheet(path, lines);
        if (!ResetPeak()) state.SkipWithError("cannot reset the peak resident size");
        const double before = StatusBytes("VmRSS");
        state.ResumeTiming();

        std::u16string text;
        if (ReadWorksheetFile(path, text) != DocumentStatus::Ok) state.SkipWithError("read");
        const RecalcOutcome outcome = RecalculateWorksheet(std::move(text), engine);
        if (WriteWorksheetFile(path, outcome.text) != DocumentStatus::Ok) {
            state.SkipWithError("write");
        }
        peak = StatusBytes("VmHWM") - before;
    }
    const double fileBytes = static_cast<double>(fs::file_size(path));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_bytes_per_line"] = peak / lines;
    state.counters["peak_per_file_byte"] = peak / fileBytes;
    state.counters["limit_MB"] = (4 * fileBytes + 8e6) / 1e6;
    fs::remove(path);
}
BENCHMARK(BM_RecalculateFileInPlace)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora

BENCHMARK_MAIN();
