// numora-calc at a terminal, driven through a pseudo-terminal.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace numora {
namespace {

namespace fs = std::filesystem;

// The program on the far side of a pseudo-terminal. The deadline only keeps a broken program
// from hanging the test run.
class Terminal {
public:
    explicit Terminal(std::vector<std::string> args) {
        args.insert(args.begin(), NUMORA_CALC_PATH);
        pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            setenv("TERM", "xterm", 1);
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    void Type(const std::string& keys) {
        ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }
    // Reads until `text` appears after what earlier waits consumed.
    bool WaitFor(const std::string& text) {
        for (;;) {
            const std::size_t at = output_.find(text, consumed_);
            if (at != std::string::npos) {
                consumed_ = at + text.size();
                return true;
            }
            if (!ReadSome()) return false;
        }
    }
    // libedit shows the prompt a moment before it reads keys itself; keys typed in between
    // meet the terminal's own line mode (Ctrl+C there drops them, Ctrl+D is no end of input).
    // Ctrl+L (clear screen and prompt again) shows when libedit reads keys.
    void Ready() {
        Type("\x0c");
        ASSERT_TRUE(WaitFor("\x1b[2Jnumora> ")) << output_;
    }
    void Enter(const std::string& line) {
        Ready();
        Type(line + "\r");
    }
    // Reads to the end of the output; the program's exit status, or -1.
    int ExitStatus() {
        while (ReadSome()) {
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) != pid_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const std::string& Output() const { return output_; }

private:
    bool ReadSome() {
        pollfd fd{master_, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline_ - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) return false;
        char buffer[4096];
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) return false;  // EIO once the program has closed the terminal
        output_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    int master_ = -1;
    pid_t pid_ = -1;
    std::string output_;
    std::size_t consumed_ = 0;
    const std::chrono::steady_clock::time_point deadline_ =
        std::chrono::steady_clock::now() + std::chrono::seconds(60);
};

class CalcTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_);
        // F40 makes 2^40 calls: it ends only through Ctrl+C.
        std::ofstream functions(dir_ / "UserFunction.dat", std::ios::binary);
        functions << "F0\tx\tx+1\t\r\n";
        for (int i = 1; i <= 40; ++i) {
            const std::string inner = "F" + std::to_string(i - 1) + "(x)";
            functions << "F" << i << "\tx\t" << inner << "+" << inner << "\t\r\n";
        }
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> Settings() const { return {"--settings-dir", dir_.string()}; }

    const fs::path dir_ = fs::temp_directory_path() / ("numora_tty_" + std::to_string(getpid()));
};

TEST_F(CalcTerminal, AnswersEachLineAsTypedAndCtrlCReturnsToThePrompt) {
    Terminal calc(Settings());
    // Each result appears before the next line is typed.
    calc.Enter("x = 5");
    ASSERT_TRUE(calc.WaitFor("\r\n>5\r\n")) << calc.Output();
    calc.Enter("1/0");
    ASSERT_TRUE(calc.WaitFor("\r\n>Error : Division by zero\r\n")) << calc.Output();
    // Ctrl+C abandons a half-typed line...
    calc.Ready();
    calc.Type("12+");
    ASSERT_TRUE(calc.WaitFor("12+"));
    calc.Type("\x03");
    calc.Enter("7");
    ASSERT_TRUE(calc.WaitFor("\r\n>7\r\n")) << calc.Output();
    // ...and stops a long calculation, leaving the variables as they were.
    calc.Enter("x = f40(1)");
    ASSERT_TRUE(calc.WaitFor("f40(1)\r\n"));
    calc.Type("\x03");
    ASSERT_TRUE(calc.WaitFor(">Error : Calculation Canceled\r\n")) << calc.Output();
    calc.Enter("x*2");
    ASSERT_TRUE(calc.WaitFor("\r\n>10\r\n")) << calc.Output();
    calc.Ready();
    calc.Type("\x04");
    EXPECT_EQ(calc.ExitStatus(), 0) << calc.Output();

    // The next run recalls the last line with the up arrow, from the history file.
    Terminal again(Settings());
    again.Enter("x = 3");
    again.Enter("\x1b[A\x1b[A");
    EXPECT_TRUE(again.WaitFor(">6\r\n")) << again.Output();
}

TEST_F(CalcTerminal, AWorksheetFromTheTerminalEndsAtTheFirstCtrlD) {
    Terminal calc({"-"});
    calc.Type("1+2\r");
    ASSERT_TRUE(calc.WaitFor("1+2\r\n"));
    calc.Type("\x04");
    EXPECT_EQ(calc.ExitStatus(), 0) << calc.Output();
    EXPECT_NE(calc.Output().find("1+2\r\n>3\r\n"), std::string::npos) << calc.Output();
}

}  // namespace
}  // namespace numora
#endif
