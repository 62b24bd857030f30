// The terminal reader on POSIX systems: libedit for editing and history, SIGINT for Ctrl+C.
#include <fcntl.h>
#include <histedit.h>
#include <langinfo.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <system_error>

#include "cli/Interrupt.h"
#include "cli/LineReader.h"

namespace numora::cli {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
// The handler writes a byte here, so a Ctrl+C that lands just before the wait for a key begins
// still ends that wait.
int g_wake[2] = {-1, -1};

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
    CancelInterruptTarget();
    const int saved = errno;
    [[maybe_unused]] const ssize_t ignored = write(g_wake[1], "", 1);
    errno = saved;
}

void DrainWake() {
    char bytes[64];
    while (read(g_wake[0], bytes, sizeof bytes) > 0) {
    }
}

// libedit's key reader: one character from standard input, or -1 when Ctrl+C comes first.
int ReadKey(EditLine*, wchar_t* key) {
    char bytes[MB_LEN_MAX];
    std::size_t count = 0;
    for (;;) {
        if (g_interrupted != 0) return -1;
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {g_wake[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (fds[1].revents != 0) DrainWake();
        if (fds[0].revents == 0) continue;
        const ssize_t got = read(STDIN_FILENO, bytes + count, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return count == 0 ? static_cast<int>(got) : -1;
        ++count;
        std::mbstate_t state{};
        const std::size_t used = std::mbrtowc(key, bytes, count, &state);
        if (used == static_cast<std::size_t>(-2) && count < sizeof bytes) continue;
        if (used > count) *key = static_cast<unsigned char>(bytes[0]);  // not a character
        return 1;
    }
}

// libedit decodes the keys typed by the locale's character set; our text is UTF-8 throughout.
void UseUtf8Input() {
    if (std::setlocale(LC_CTYPE, "") != nullptr &&
        std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
        return;
    }
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "C");
}

class EditLineReader final : public LineReader {
public:
    EditLineReader(const char* prompt, std::filesystem::path historyFile)
        : prompt_(prompt), historyFile_(std::move(historyFile)) {
        UseUtf8Input();
        history_ = history_init();
        history(history_, &event_, H_SETSIZE, 1000);
        history(history_, &event_, H_SETUNIQUE, 1);
        if (!historyFile_.empty()) history(history_, &event_, H_LOAD, historyFile_.c_str());

        editor_ = el_init("numora-calc", stdin, stdout, stderr);
        el_set(editor_, EL_CLIENTDATA, this);
        el_set(editor_, EL_PROMPT, &EditLineReader::Prompt);
        el_set(editor_, EL_EDITOR, "emacs");
        el_set(editor_, EL_HIST, history, history_);
        if (g_wake[0] < 0 && pipe(g_wake) == 0) {
            for (const int fd : g_wake) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        }
        if (g_wake[0] >= 0) el_set(editor_, EL_GETCFN, &ReadKey);
        el_source(editor_, nullptr);  // the user's ~/.editrc

        // ReadKey wakes through the pipe, so other calls may restart (an interrupted write of a
        // result is no output error). Without the pipe, Ctrl+C must end libedit's own read.
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = g_wake[0] >= 0 ? SA_RESTART : 0;
        sigemptyset(&action.sa_mask);
        // Ignored when the program started (a background job): stays ignored.
        sigaction(SIGINT, nullptr, &previous_);
        if (previous_.sa_handler != SIG_IGN) sigaction(SIGINT, &action, nullptr);
    }
    ~EditLineReader() override {
        sigaction(SIGINT, &previous_, nullptr);
        el_end(editor_);
        history_end(history_);
    }
    EditLineReader(const EditLineReader&) = delete;
    EditLineReader& operator=(const EditLineReader&) = delete;

    ReadResult ReadLine(std::string& line) override {
        g_interrupted = 0;
        if (g_wake[0] >= 0) DrainWake();
        int count = 0;
        const char* text = el_gets(editor_, &count);
        if (text != nullptr && count > 0) {
            // A Ctrl+C just after Enter is left to cancel this line's calculation.
            line.assign(text, static_cast<std::size_t>(count));
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
            return ReadResult::Line;
        }
        if (g_interrupted == 0) return ReadResult::End;
        el_reset(editor_);
        std::fputs("\n", stdout);
        return ReadResult::Interrupted;
    }

    void AddHistory(const std::string& line) override {
        history(history_, &event_, H_ENTER, line.c_str());
        if (historyFile_.empty()) return;
        // Written beside the old file and renamed over it, so a failed write never loses it.
        std::filesystem::path temporary = historyFile_;
        temporary += "." + std::to_string(getpid()) + ".tmp";
        std::error_code ec;
        if (history(history_, &event_, H_SAVE, temporary.c_str()) < 0) {
            std::filesystem::remove(temporary, ec);
            WarnOnce();
            return;
        }
        std::filesystem::rename(temporary, historyFile_, ec);
        if (ec) {
            std::filesystem::remove(temporary, ec);
            WarnOnce();
        }
    }

private:
    static char* Prompt(EditLine* editor) {
        void* self = nullptr;
        el_get(editor, EL_CLIENTDATA, &self);
        return const_cast<char*>(static_cast<EditLineReader*>(self)->prompt_);
    }
    void WarnOnce() {
        if (warned_) return;
        warned_ = true;
        std::fprintf(stderr, "numora-calc: %s: the history cannot be saved\n",
                     historyFile_.string().c_str());
    }

    const char* prompt_;
    std::filesystem::path historyFile_;
    History* history_ = nullptr;
    HistEvent event_{};
    EditLine* editor_ = nullptr;
    struct sigaction previous_ {};
    bool warned_ = false;
};

}  // namespace

bool StandardStreamsAreTerminals() {
    return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

std::unique_ptr<LineReader> OpenTerminalReader(const char* prompt,
                                               const std::filesystem::path& historyFile) {
    return std::make_unique<EditLineReader>(prompt, historyFile);
}

}  // namespace numora::cli
