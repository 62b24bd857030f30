#pragma once
// Temporary folders, file helpers and injected write faults for the tests of stored files.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/FileIO.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

namespace numora::test {

class TempFolder {
public:
    TempFolder() : TempFolder(std::filesystem::temp_directory_path()) {}
    explicit TempFolder(const std::filesystem::path& parent) {
        std::random_device random;
        do {
            path_ = parent / ("numora-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifndef _WIN32
// Every write beyond `bytes` fails, as on a full disk; this works also when running as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit{bytes, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, oldHandler_);
    }

private:
    void (*oldHandler_)(int);
    rlimit old_{};
};
#endif

inline std::size_t EntryCount(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// One step of the atomic writer made to fail, and the reason it then reports.
struct WriteFault {
    const char* name;
    WriteStep step;
    int index;
    int code;
    FileError reason;
};

// Every step in turn; writes are split into pieces of 4 bytes so that there is a second one.
inline std::vector<WriteFault> EveryWriteFault() {
    return {{"open", WriteStep::Open, 0, EACCES, FileError::PermissionDenied},
            {"first write", WriteStep::Write, 0, ENOSPC, FileError::DiskFull},
            {"second write", WriteStep::Write, 1, EIO, FileError::Other},
            {"flush", WriteStep::Flush, 0, EIO, FileError::Other},
            {"rename", WriteStep::Rename, 0, EACCES, FileError::PermissionDenied}};
}

// `named`: the writer cannot make a file without a name (as on file systems without it), and
// takes a hidden named one.
class InjectedWriteFault {
public:
    explicit InjectedWriteFault(const WriteFault& fault, bool named = false) {
        SetWriteFaultHook(
            [fault, named](WriteStep step, int index) {
                if (named && step == WriteStep::OpenUnnamed) return EOPNOTSUPP;
                return step == fault.step && index == fault.index ? fault.code : 0;
            },
            4);
    }
    ~InjectedWriteFault() { SetWriteFaultHook({}); }
    InjectedWriteFault(const InjectedWriteFault&) = delete;
    InjectedWriteFault& operator=(const InjectedWriteFault&) = delete;
};

}  // namespace numora::test
