// The process that kill_during_save_test kills: it saves the worksheet, a recovery copy and
// Numora.ini over and over and reports each step on its standard output (the lines are
// described in kill_save_support.h).
//
//   save_victim FOLDER FIRST_GEN [named] [hold FILE STEP INDEX]
//
// named: the writer cannot open a file without a name and takes its hidden named way.
// hold: at that point of the first save of FILE (STEP a WriteStep number, or kDone) it reports
// H and waits to be killed.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/durability/kill_save_support.h"

namespace {

using namespace numora;
using namespace numora::killsave;

void Report(const char* format, int a = 0, int b = 0, int c = 0) {
    char line[64];
    const int n = std::snprintf(line, sizeof line, format, a, b, c);
    // One write per line: lines never interleave or split, and a dead reader ends us (SIGPIPE).
    if (::write(STDOUT_FILENO, line, static_cast<std::size_t>(n)) != n) std::_Exit(3);
}

[[noreturn]] void Hold() {
    Report("H\n");
    for (;;) ::pause();
}

int current = -1;
struct {
    int file = -1, step = -1, index = -1;
} hold;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: save_victim FOLDER FIRST_GEN [named] [hold FILE STEP INDEX]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int first = std::atoi(argv[2]);
    bool named = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "named") == 0) {
            named = true;
        } else if (std::strcmp(argv[i], "hold") == 0 && i + 3 < argc) {
            hold = {std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3])};
            i += 3;
        }
    }
    // Never outlives a test that lost track of it.
    ::alarm(60);

    SetWriteFaultHook(
        [named](WriteStep step, int index) {
            Report("S %d %d %d\n", current, static_cast<int>(step), index);
            if (current == hold.file && static_cast<int>(step) == hold.step &&
                index == hold.index) {
                Hold();
            }
            return named && step == WriteStep::OpenUnnamed ? EOPNOTSUPP : 0;
        },
        kChunkBytes);

    // A kill is meant to land in a save: the contents of the first few are made before.
    std::vector<Generation> ahead;
    for (int gen = first; gen < first + 4; ++gen) ahead.push_back(MakeGeneration(folder, gen));
    Report("R\n");
    for (int gen = first; gen < first + 100000; ++gen) {
        const std::size_t at = static_cast<std::size_t>(gen - first);
        const Generation generation = at < ahead.size() ? ahead[at] : MakeGeneration(folder, gen);
        for (int file = 0; file < kSavedFiles; ++file) {
            current = file;
            Report("B %d %d\n", file, gen);
            const bool ok = SaveGeneration(folder, file, generation);
            Report("E %d %d %d\n", file, gen, ok ? 1 : 0);
            if (file == hold.file && hold.step == kDone) Hold();
            current = -1;
            // Only the first save of the file holds.
            if (file == hold.file) hold = {};
        }
    }
    return 0;
}
