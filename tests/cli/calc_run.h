#pragma once
// Runs numora-calc with an argument list (and a file as standard input) in Japan's zone and
// collects its exit status and standard output. (Under Wine the zone is the system's, which
// scripts/wine-run.sh sets.)
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "base/Text.h"
#else
#include <sys/wait.h>
#endif

namespace numora::testing {

struct CalcRun {
    int exitCode = -1;
    std::string out;
};

#ifdef _WIN32

// One argument as the C runtime of the child splits its command line: quoted, with the
// backslashes before a quote doubled.
inline std::wstring QuoteArgument(const std::string& utf8) {
    const std::u16string arg = Utf8ToUtf16(utf8);
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (char16_t c : arg) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == u'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += static_cast<wchar_t>(c);
    }
    return out.append(2 * backslashes, L'\\') + L"\"";
}

inline HANDLE OpenInherited(const std::wstring& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

inline CalcRun Calc(const std::vector<std::string>& args, const std::string& input = {},
                    bool withStderr = false) {
    CalcRun run;
    std::wstring line = QuoteArgument(NUMORA_CALC_PATH);
    for (const std::string& a : args) line += L" " + QuoteArgument(a);
    // Windows limits a command line to 32,767 characters: longer input goes through a file.
    if (line.size() >= 32767) {
        ADD_FAILURE() << "command line too long for Windows: pass the text in a file";
        return run;
    }

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readOut = nullptr, writeOut = nullptr;
    if (!CreatePipe(&readOut, &writeOut, &inherit, 0)) return run;
    SetHandleInformation(readOut, HANDLE_FLAG_INHERIT, 0);
    const std::u16string inputPath = Utf8ToUtf16(input.empty() ? "NUL" : input);
    HANDLE in = OpenInherited(std::wstring(inputPath.begin(), inputPath.end()), GENERIC_READ,
                              OPEN_EXISTING);
    HANDLE err = withStderr ? writeOut : OpenInherited(L"NUL", GENERIC_WRITE, OPEN_EXISTING);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = writeOut;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    // Only the child may hold the write end now, so that the read below ends with it.
    CloseHandle(writeOut);
    if (err != writeOut) CloseHandle(err);
    CloseHandle(in);
    if (started) {
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(readOut, buffer, sizeof buffer, &n, nullptr) && n > 0) {
            run.out.append(buffer, n);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code)) run.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readOut);
    return run;
}

#else

inline std::string Quote(const std::string& arg) {
    std::string out = "'";
    for (char c : arg) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// `input` is a file read as standard input (none: the test's own).
inline CalcRun Calc(const std::vector<std::string>& args, const std::string& input = {},
                    bool withStderr = false) {
    std::string command = "TZ=JST-9 " + Quote(NUMORA_CALC_PATH);
    for (const std::string& a : args) command += " " + Quote(a);
    if (!input.empty()) command += " < " + Quote(input);
    command += withStderr ? " 2>&1" : " 2>/dev/null";
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

#endif

struct CalcCase {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::string input = {};  // a file read as standard input
};

inline void ExpectRuns(const std::vector<CalcCase>& cases) {
    for (const CalcCase& c : cases) {
        std::string what;
        for (const std::string& a : c.args) what += a + " ";
        if (!c.input.empty()) what += "< " + c.input;
        const CalcRun run = Calc(c.args, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        EXPECT_EQ(run.out, c.out) << what;
    }
}

// A fresh folder for each test, with a settings folder in it for --settings-dir.
class CalcFolder : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir_ / "settings"); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static std::string Path(const std::filesystem::path& path) {
        const std::u8string utf8 = path.u8string();
        return std::string(utf8.begin(), utf8.end());
    }
    std::string Write(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return Path(path);
    }
    std::string Settings() const { return Path(dir_ / "settings"); }

    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() /
        ("numora_calc_" + std::to_string(std::random_device{}()));
};

}  // namespace numora::testing
