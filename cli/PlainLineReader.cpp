// The terminal reader where libedit is not available (Windows): plain lines, no history.
#include <csignal>
#include <cstdio>
#include <string>

#include "cli/Interrupt.h"
#include "cli/LineReader.h"

#ifdef _WIN32
#include <io.h>
#define NUMORA_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define NUMORA_ISATTY(f) isatty(fileno(f))
#endif

namespace numora::cli {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
    CancelInterruptTarget();
    std::signal(SIGINT, OnInterrupt);  // some C libraries reset the handler on delivery
}

class PlainLineReader final : public LineReader {
public:
    explicit PlainLineReader(const char* prompt) : prompt_(prompt) {
        previous_ = std::signal(SIGINT, OnInterrupt);
        // Ignored when the program started (a background job): stays ignored.
        if (previous_ == SIG_IGN) std::signal(SIGINT, SIG_IGN);
    }
    ~PlainLineReader() override { std::signal(SIGINT, previous_); }
    PlainLineReader(const PlainLineReader&) = delete;
    PlainLineReader& operator=(const PlainLineReader&) = delete;

    ReadResult ReadLine(std::string& line) override {
        g_interrupted = 0;
        std::fputs(prompt_, stdout);
        std::fflush(stdout);
        line.clear();
        char chunk[1024];
        while (std::fgets(chunk, sizeof chunk, stdin) != nullptr) {
            line += chunk;
            if (!line.empty() && line.back() == '\n') break;
        }
        const bool complete = !line.empty() && line.back() == '\n';
        if (!complete && g_interrupted != 0) {
            std::clearerr(stdin);
            std::fputs("\n", stdout);
            return ReadResult::Interrupted;
        }
        if (line.empty()) return ReadResult::End;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        return ReadResult::Line;
    }
    void AddHistory(const std::string&) override {}

private:
    const char* prompt_;
    void (*previous_)(int) = SIG_DFL;
};

}  // namespace

bool StandardStreamsAreTerminals() { return NUMORA_ISATTY(stdin) && NUMORA_ISATTY(stdout); }

std::unique_ptr<LineReader> OpenTerminalReader(const char* prompt, const std::filesystem::path&) {
    return std::make_unique<PlainLineReader>(prompt);
}

}  // namespace numora::cli
