// kill -9 at any moment of a save. A second process (the save victim) saves the worksheet, a
// recovery copy and Numora.ini over and over; the test kills it, 200 times, either after a
// random delay or while it holds at a chosen step of the atomic writer, and then looks at what
// a user would find: each file holds the whole of its old or its new contents, and the next
// start offers the newest recovery copy.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "tests/base/file_test_support.h"
#include "tests/durability/kill_save_support.h"

extern char** environ;

namespace numora::killsave {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 200;
constexpr auto kPatience = std::chrono::seconds(20);  // for a victim to reach its hold

// Where a kill landed: the last thing the victim reported before it died.
enum Landing {
    kBeforeOpen,  // a save had begun (the old ini read, the file checked), nothing opened yet
    kAtOpen,
    kAtOpenUnnamed,
    kAtWrite,
    kAtFlush,
    kAtRename,
    kBetweenSaves,  // a save had returned, the next had not begun
    kLandings
};
const char* const kLandingNames[] = {"before Open", "Open",   "OpenUnnamed",  "Write",
                                     "Flush",       "Rename", "between saves"};

struct HoldAt {
    int file;
    int step;   // a WriteStep, or kDone
    int index;  // the write's number; -1: the last write
};

class Victim {
public:
    Victim(const fs::path& folder, int firstGen, bool named, const std::optional<HoldAt>& hold) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        std::vector<std::string> args = {NUMORA_SAVE_VICTIM_PATH, folder.string(),
                                         std::to_string(firstGen)};
        if (named) args.push_back("named");
        if (hold) {
            args.insert(args.end(), {"hold", std::to_string(hold->file), std::to_string(hold->step),
                                     std::to_string(hold->index)});
        }
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        out_ = fds[0];
    }
    ~Victim() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
    }
    Victim(const Victim&) = delete;
    Victim& operator=(const Victim&) = delete;

    bool Started() const { return pid_ > 0 && out_ >= 0; }
    const std::string& Reports() const { return reports_; }

    // Reads reports until `line` is among them; false when the deadline passed or the victim
    // ended first.
    bool ReadUntilLine(std::string_view line, Clock::time_point deadline) {
        const std::string wanted = "\n" + std::string(line) + "\n";
        while (("\n" + reports_).find(wanted) == std::string::npos) {
            if (!ReadSome(deadline)) return false;
        }
        return true;
    }
    // Keeps reading (a full pipe would stop the victim) until `deadline`.
    void ReadUntil(Clock::time_point deadline) {
        while (Clock::now() < deadline && ReadSome(deadline)) {
        }
    }
    // SIGKILL, then everything it reported before it died; false when it had ended on its own.
    bool Kill() {
        ::kill(pid_, SIGKILL);
        while (ReadSome(Clock::now() + kPatience)) {
        }
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    // False at the end of the output or when the deadline passed.
    bool ReadSome(Clock::time_point deadline) {
        // To the microsecond: a save of the three files takes well under a millisecond.
        const auto left = std::max<long long>(
            0,
            std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - Clock::now()).count());
        const timespec timeout{static_cast<time_t>(left / 1000000000), left % 1000000000};
        pollfd p{out_, POLLIN, 0};
        if (::ppoll(&p, 1, &timeout, nullptr) <= 0) return false;
        char buffer[65536];
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0) return false;
        reports_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    std::string reports_;
};

// What the reports of one victim say about each file and about the moment of the kill.
struct Outcome {
    std::array<int, kSavedFiles> done;  // the generation last saved (before: what the file held)
    std::array<int, kSavedFiles> begun{-1, -1, -1};  // a save begun after it, or -1
    Landing landing = kBetweenSaves;
    bool held = false;
    bool failedSave = false;
};

Outcome Parse(const std::string& reports, const std::array<int, kSavedFiles>& before) {
    Outcome outcome{before};
    std::istringstream lines(reports);
    for (std::string line; std::getline(lines, line);) {
        int a = 0, b = 0, c = 0;
        if (std::sscanf(line.c_str(), "B %d %d", &a, &b) == 2) {
            outcome.begun[a] = b;
            outcome.landing = kBeforeOpen;
        } else if (std::sscanf(line.c_str(), "S %d %d %d", &a, &b, &c) == 3) {
            outcome.landing = static_cast<Landing>(kAtOpen + b);
        } else if (std::sscanf(line.c_str(), "E %d %d %d", &a, &b, &c) == 3) {
            outcome.done[a] = b;
            outcome.begun[a] = -1;
            outcome.failedSave |= c != 1;
            outcome.landing = kBetweenSaves;
        } else if (line == "H") {
            outcome.held = true;
        }
    }
    return outcome;
}

unsigned SeedFromEnvironment() {
    if (const char* seed = std::getenv("NUMORA_KILL_SEED")) {
        return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    }
    return std::random_device{}();
}

std::string IniNotes() {
    std::string notes = "; kept byte for byte by every save\r\n[Notes]\r\n";
    for (int i = 0; i < 80; ++i)
        notes += "Note" + std::to_string(i) + "=メモ " + std::to_string(i) + "\r\n";
    return notes;
}

bool IsTemporaryName(const std::string& name) {
    return name.starts_with(".numora-") && name.ends_with(".tmp");
}

TEST(KillDuringSave, EveryFileIsWholeOldOrNewAndTheNextStartOffersTheNewestCopy) {
    const unsigned seed = SeedFromEnvironment();
    std::cout << "seed " << seed << " (NUMORA_KILL_SEED=" << seed
              << " replays the plan; the random delays depend on timing too)\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);

    // In memory where there is a memory file system: a kill leaves the page cache as it is, so
    // what a start reads is the same, and the flushes to a disk would only cost time.
    const fs::path memory = "/dev/shm";
    std::error_code error;
    test::TempFolder temp(fs::is_directory(memory, error) && ::access(memory.c_str(), W_OK) == 0
                              ? memory
                              : fs::temp_directory_path());
    test::TempFolder reference;
    const fs::path dir = temp.path();
    const std::string earlier = std::string(kRecoveryCopyPrefix) + "0-earlier.txt";

    // The ini holds lines of others, which a save keeps; the reference folder's copy is saved
    // with each generation in turn, to know the bytes that generation's save gives.
    test::WriteBytes(dir / FileName(kIni), IniNotes());
    test::WriteBytes(reference.path() / FileName(kIni), IniNotes());
    std::map<int, std::string> iniBytes;
    const auto expected = [&](int file, int gen) -> std::string {
        if (file == kRecovery) return RecoveryBytes(dir, gen);
        if (file == kWorksheet) return SheetBytes(gen);
        auto [it, added] = iniBytes.try_emplace(gen);
        if (added) {
            EXPECT_TRUE(SaveGeneration(reference.path(), kIni, gen));
            it->second = test::ReadBytes(reference.path() / FileName(kIni));
        }
        return it->second;
    };

    // Generation 0 of the three, saved as the victim saves, sets the pace for the random kills.
    std::array<int, kSavedFiles> held{0, 0, 0};
    SetWriteFaultHook([](WriteStep, int) { return 0; }, kChunkBytes);
    const Generation first = MakeGeneration(dir, 0);
    const auto cycleStart = Clock::now();
    for (int file = 0; file < kSavedFiles; ++file) ASSERT_TRUE(SaveGeneration(dir, file, first));
    const auto cycle = Clock::now() - cycleStart;
    SetWriteFaultHook({});
    // A copy that an earlier run left behind: older, so never the one offered first.
    ASSERT_EQ(WriteFileAtomically(dir / earlier, EncodeRecoveryCopy("", {}, u"earlier work\n")),
              FileError::None);
    fs::last_write_time(dir / earlier, fs::last_write_time(dir / earlier) - std::chrono::hours(1));

    // Every point of each file's save, in each way, is held at more than once.
    std::vector<HoldAt> holds;
    for (int file = 0; file < kSavedFiles; ++file) {
        for (const auto& [step, index] :
             std::initializer_list<std::pair<WriteStep, int>>{{WriteStep::Open, 0},
                                                              {WriteStep::OpenUnnamed, 0},
                                                              {WriteStep::Write, 0},
                                                              {WriteStep::Write, 1},
                                                              {WriteStep::Write, -1},
                                                              {WriteStep::Flush, 0},
                                                              {WriteStep::Rename, 0}}) {
            holds.push_back({file, static_cast<int>(step), index});
        }
        holds.push_back({file, kDone, 0});
    }
    std::shuffle(holds.begin(), holds.end(), random);

    std::array<std::array<int, kLandings>, 2> landed{};  // [named][landing]
    int leftovers = 0;
    const auto began = Clock::now();
    for (int run = 0; run < kRuns; ++run) {
        const bool named = run % 2 != 0;
        const int firstGen = *std::max_element(held.begin(), held.end()) + 1;
        std::optional<HoldAt> hold;
        std::chrono::microseconds delay{0};
        if (run / 2 % 2 == 0) {
            hold = holds[static_cast<std::size_t>(run / 4) % holds.size()];
            if (hold->index < 0) {
                hold->index = static_cast<int>(
                    (expected(hold->file, firstGen).size() + kChunkBytes - 1) / kChunkBytes - 1);
            }
        } else {
            // Anywhere in one and a half saves of the three files.
            const auto range = std::chrono::duration_cast<std::chrono::microseconds>(cycle * 3 / 2);
            delay = std::chrono::microseconds(
                std::uniform_int_distribution<long long>(0, range.count())(random));
        }
        std::ostringstream trace;
        trace << "run " << run << " of seed " << seed << (named ? ", named way" : ", unnamed way");
        if (hold) {
            trace << ", held at file " << FileName(hold->file) << " step " << hold->step
                  << " index " << hold->index;
        } else {
            trace << ", killed " << delay.count() << " us after it was ready";
        }
        SCOPED_TRACE(trace.str());

        Victim victim(dir, firstGen, named, hold);
        ASSERT_TRUE(victim.Started());
        const auto deadline = Clock::now() + kPatience;
        if (hold) {
            ASSERT_TRUE(victim.ReadUntilLine("H", deadline)) << victim.Reports().substr(0, 2000);
        } else {
            ASSERT_TRUE(victim.ReadUntilLine("R", deadline));
            victim.ReadUntil(Clock::now() + delay);
        }
        ASSERT_TRUE(victim.Kill()) << "the victim ended before it was killed";
        const Outcome outcome = Parse(victim.Reports(), held);
        ASSERT_FALSE(outcome.failedSave) << "a save failed:\n" << victim.Reports().substr(0, 4000);
        ASSERT_EQ(outcome.held, hold.has_value());
        ++landed[named][outcome.landing];

        // Each file holds one generation whole. Held before its rename, a save shows nothing
        // yet; a random kill may come between the rename and the victim's report of it.
        for (int file = 0; file < kSavedFiles; ++file) {
            const fs::path path = dir / FileName(file);
            ASSERT_TRUE(fs::exists(path)) << FileName(file) << " is missing";
            const std::string bytes = test::ReadBytes(path);
            const int old = outcome.done[file], fresh = outcome.begun[file];
            if (bytes == expected(file, old)) {
                held[file] = old;
            } else if (fresh >= 0 && !outcome.held && bytes == expected(file, fresh)) {
                held[file] = fresh;
            } else {
                FAIL() << FileName(file) << " holds " << bytes.size()
                       << " bytes that are neither generation " << old << " ("
                       << expected(file, old).size() << " bytes)"
                       << (fresh >= 0 && !outcome.held
                               ? " nor " + std::to_string(fresh) + " (" +
                                     std::to_string(expected(file, fresh).size()) + " bytes)"
                               : std::string());
            }
        }
        // Nothing else is left but the hidden temporary files of cut-off saves.
        int left = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (IsTemporaryName(name)) {
                ++left;
                continue;
            }
            EXPECT_TRUE(name == earlier || name == FileName(kRecovery) ||
                        name == FileName(kWorksheet) || name == FileName(kIni))
                << "left behind: " << name;
        }
        leftovers = left;

        // The next start: the settings read back, and of the two copies the newer is offered.
        Settings settings(dir, false);
        settings.Load();
        EXPECT_EQ(settings.Digits, DigitsOf(held[kIni]));
        const std::vector<fs::path> copies = FindRecoveryCopies(dir);
        ASSERT_EQ(copies.size(), 2u);
        EXPECT_EQ(copies[0].filename(), FileName(kRecovery));
        EXPECT_EQ(copies[1].filename(), earlier);
        RecoveryCopy offered;
        EXPECT_TRUE(ReadRecoveryCopy(copies[0], offered));
    }
    const auto took = Clock::now() - began;

    // With the leftovers of every cut-off save still there, the next saves work.
    for (int file = 0; file < kSavedFiles; ++file) {
        const int gen = *std::max_element(held.begin(), held.end()) + 1;
        ASSERT_TRUE(SaveGeneration(dir, file, gen));
        EXPECT_EQ(test::ReadBytes(dir / FileName(file)), expected(file, gen));
    }

    std::cout << kRuns << " kills in "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
              << " ms (a save of the three files took "
              << std::chrono::duration_cast<std::chrono::microseconds>(cycle).count() << " us); "
              << leftovers << " temporary files left behind\n"
              << "kills landed at       unnamed  named\n";
    for (int landing = 0; landing < kLandings; ++landing) {
        std::cout << "  " << std::left << std::setw(18) << kLandingNames[landing] << std::right
                  << std::setw(8) << landed[0][landing] << std::setw(7) << landed[1][landing]
                  << "\n";
    }
    for (int way = 0; way < 2; ++way) {
        for (int landing = kAtOpen; landing <= kAtRename; ++landing) {
            EXPECT_GT(landed[way][landing], 0)
                << "no kill landed at " << kLandingNames[landing] << (way ? " (named)" : "");
        }
    }
}

}  // namespace
}  // namespace numora::killsave
