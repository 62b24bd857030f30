#pragma once
// Runs numora-calc through the shell and collects its exit status and standard output.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace numora::testing {

struct CalcRun {
    int exitCode = -1;
    std::string out;
};

inline std::string Quote(const std::string& arg) {
    std::string out = "'";
    for (char c : arg) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Each argument quoted, for arguments that must reach the program untouched.
inline std::string Args(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += Quote(a) + " ";
    return line;
}

// `shellArgs` goes to the shell as written, so it may redirect standard input.
inline CalcRun Calc(const std::string& shellArgs, bool withStderr = false) {
    const std::string command =
        Quote(NUMORA_CALC_PATH) + " " + shellArgs + (withStderr ? " 2>&1" : " 2>/dev/null");
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct CalcCase {
    std::string args;  // as for Calc
    int exitCode;
    std::string out;
};

inline void ExpectRuns(const std::vector<CalcCase>& cases) {
    for (const CalcCase& c : cases) {
        const CalcRun run = Calc(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

}  // namespace numora::testing
