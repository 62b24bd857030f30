#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <random>
#include <string>

#include "base/FileIO.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace numora {

namespace {

// ---- the test seam -------------------------------------------------------------------------

std::mutex faultMutex;
WriteFaultHook faultHook;
std::size_t faultChunkBytes = 0;

int InjectedFault(WriteStep step, int index) {
    std::lock_guard lock(faultMutex);
    return faultHook ? faultHook(step, index) : 0;
}

std::size_t WriteChunkBytes() {
    std::lock_guard lock(faultMutex);
    return faultChunkBytes > 0 ? faultChunkBytes : std::size_t{1} << 20;
}

// ---- the temporary file a signal handler removes ---------------------------------------------

#ifdef _WIN32
using NativeChar = wchar_t;
#else
using NativeChar = char;
#endif

// One write at a time registers its temporary file here; the handler only reads it.
std::array<NativeChar, 4096> pendingPath{};
std::atomic<bool> pendingSet{false};
// Set when the handler removed the registered file, so that its write does not go on to rename it.
std::atomic<bool> pendingRemoved{false};
std::atomic_flag pendingBusy = ATOMIC_FLAG_INIT;

class PendingTemporary {
public:
    explicit PendingTemporary(const std::basic_string<NativeChar>& path) {
        if (path.size() >= pendingPath.size() || pendingBusy.test_and_set()) return;
        std::copy(path.begin(), path.end(), pendingPath.begin());
        pendingPath[path.size()] = 0;
        owned_ = true;
        pendingRemoved.store(false);
        pendingSet.store(true);
    }
    ~PendingTemporary() {
        if (!owned_) return;
        pendingSet.store(false);
        pendingBusy.clear();
    }
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;

private:
    bool owned_ = false;
};

// A short hidden name, independent of the document's name so that it never exceeds the
// length limit of a name, and plainly not a document.
constexpr std::string_view kTemporaryStart = ".numora-", kTemporaryEnd = ".tmp";
constexpr std::string_view kTemporaryLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTemporaryRandomLetters = 8;

template <typename Char>
std::basic_string<Char> TemporaryName() {
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kTemporaryLetters.size() - 1);
    std::basic_string<Char> name;
    for (const char c : kTemporaryStart) name += static_cast<Char>(c);
    for (std::size_t i = 0; i < kTemporaryRandomLetters; ++i)
        name += static_cast<Char>(kTemporaryLetters[pick(random)]);
    for (const char c : kTemporaryEnd) name += static_cast<Char>(c);
    return name;
}

constexpr int kNameAttempts = 100;
constexpr int kLinkHops = 40;

}  // namespace

void SetWriteFaultHook(WriteFaultHook hook, std::size_t writeChunkBytes) {
    std::lock_guard lock(faultMutex);
    faultHook = std::move(hook);
    faultChunkBytes = writeChunkBytes;
}

#ifndef _WIN32

namespace {

// Follows symbolic links at the end of `path` to the file they name. A missing file is fine:
// it is created.
FileError ResolveLinks(std::string& path) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) {
            return errno == ENOENT ? FileError::None : FileErrorFromErrno(errno);
        }
        if (!S_ISLNK(st.st_mode)) return FileError::None;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4095) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return FileErrorFromErrno(errno);
        target.resize(static_cast<std::size_t>(n));
        if (target.empty()) return FileError::NoSuchFile;
        if (target.front() != '/') {
            const auto slash = path.rfind('/');
            if (slash != std::string::npos) target.insert(0, path, 0, slash + 1);
        }
        path = std::move(target);
    }
    return FileError::TooManyLinks;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileError Errno(int code) { return FileErrorFromErrno(code ? code : EIO); }

FileError WriteAll(int fd, std::string_view bytes) {
    const std::size_t chunk = WriteChunkBytes();
    for (int index = 0; !bytes.empty(); ++index) {
        if (const int fault = InjectedFault(WriteStep::Write, index)) return Errno(fault);
        std::string_view piece = bytes.substr(0, chunk);
        while (!piece.empty()) {
            const ssize_t n = ::write(fd, piece.data(), piece.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                return Errno(errno);
            }
            piece.remove_prefix(static_cast<std::size_t>(n));
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
    return FileError::None;
}

// The new file takes over the old one's owner, group and mode. Only the mode is required:
// an unprivileged process cannot give a file away, and may still keep the group.
void KeepOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    // Some file systems cannot store a mode at all; their files take the mount's mode.
    [[maybe_unused]] const int ignored = ::fchmod(fd, old.st_mode & 07777);
}

void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename is done; a folder that cannot be flushed changes nothing now
    ::close(fd);
}

// Resolves `target` and looks at the file there: `exists` and `old` describe it.
FileError CheckTarget(std::string& target, struct stat& old, bool& exists) {
    exists = false;
    if (target.empty()) return FileError::NoSuchFile;
    if (const FileError error = ResolveLinks(target); error != FileError::None) return error;
    exists = ::stat(target.c_str(), &old) == 0;
    if (!exists) return errno == ENOENT ? FileError::None : Errno(errno);
    if (const FileError kind = FileKindError(old.st_mode); kind != FileError::None) return kind;
    // No write bit at all is read-only also for root, who passes every access check.
    if ((old.st_mode & 0222) == 0) return FileError::ReadOnly;
    if (::access(target.c_str(), W_OK) != 0) return Errno(errno);
    return FileError::None;
}

}  // namespace

FileError CheckReplaceable(const std::filesystem::path& path) {
    std::string target = path.string();
    struct stat old;
    bool exists;
    return CheckTarget(target, old, exists);
}

namespace {

// What both ways do once the file is open: the old file's owner and mode, the bytes, and a
// flush to disk before the file takes the old one's place.
FileError FillAndFlush(int fd, std::string_view bytes, bool exists, const struct stat& old) {
    if (exists) KeepOwnerAndMode(fd, old);
    FileError error = WriteAll(fd, bytes);
    if (error != FileError::None) return error;
    if (const int fault = InjectedFault(WriteStep::Flush, 0)) return Errno(fault);
    if (::fsync(fd) != 0 && errno != EINVAL) return Errno(errno);
    return FileError::None;
}

// Takes `temp` under a new hidden name in `prefix`'s folder made by `create`, which returns 0 or
// the errno of its failure; names in use are passed over.
template <class Create>
int CreateHiddenName(const std::string& prefix, std::string& temp,
                     std::optional<PendingTemporary>& pending, Create create) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temp = prefix + TemporaryName<char>();
        pending.reset();
        pending.emplace(temp);
        const int code = create(temp);
        if (code != EEXIST) {
            if (code != 0) {
                pending.reset();
                temp.clear();
            }
            return code;
        }
    }
    pending.reset();
    temp.clear();
    return EEXIST;
}

#ifdef O_TMPFILE

// Links the unnamed file `fd` under `name`; 0 or an errno value.
int LinkUnnamed(int fd, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    const int code = errno;
    // Without /proc only a privileged process may link a file by its descriptor.
    if (code == ENOENT && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
    return code;
}

// The file is written without a name and named only when complete, so that a process killed
// meanwhile leaves nothing behind. `unsupported` (with nothing changed) when the file system
// or the system cannot do it.
FileError WriteUnnamed(const std::string& target, const std::string& folder,
                       const std::string& prefix, std::string_view bytes, bool exists,
                       const struct stat& old, bool& unsupported) {
    unsupported = false;
    const int fault = InjectedFault(WriteStep::OpenUnnamed, 0);
    const int fd = fault != 0 ? -1 : ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        unsupported = true;
        return FileError::None;
    }
    FileError error = FillAndFlush(fd, bytes, exists, old);
    std::string temp;
    std::optional<PendingTemporary> pending;
    if (error == FileError::None) {
        if (const int renameFault = InjectedFault(WriteStep::Rename, 0)) {
            error = Errno(renameFault);
        } else {
            // A new file takes its name directly; an old one is replaced by a rename, which a
            // link cannot do.
            int code = exists ? EEXIST : LinkUnnamed(fd, target);
            if (code == EEXIST) {
                code = CreateHiddenName(prefix, temp, pending, [fd](const std::string& name) {
                    return LinkUnnamed(fd, name);
                });
            }
            if (code == ENOENT || code == EPERM || code == EOPNOTSUPP) {
                unsupported = true;  // no /proc and no privilege: the named way works
            } else if (code != 0) {
                error = Errno(code);
            }
        }
    }
    if (::close(fd) != 0 && error == FileError::None) error = Errno(errno);
    if (unsupported) return FileError::None;
    if (error == FileError::None && !temp.empty() && ::rename(temp.c_str(), target.c_str()) != 0) {
        error = Errno(errno);
    }
    if (error != FileError::None && !temp.empty()) ::unlink(temp.c_str());
    return error;
}

#endif

// The file is written under a hidden name beside the target and renamed over it.
FileError WriteNamed(const std::string& target, const std::string& prefix, std::string_view bytes,
                     bool exists, const struct stat& old) {
    std::string temp;
    std::optional<PendingTemporary> pending;
    int fd = -1;
    const int code = CreateHiddenName(prefix, temp, pending, [&fd](const std::string& name) {
        // A new document gets 0666 less the umask, like any file the user creates.
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd < 0 ? errno : 0;
    });
    if (code == EEXIST) return FileError::Other;
    if (code != 0) return Errno(code);

    FileError error = FillAndFlush(fd, bytes, exists, old);
    if (::close(fd) != 0 && error == FileError::None) error = Errno(errno);
    if (error == FileError::None) {
        if (const int fault = InjectedFault(WriteStep::Rename, 0)) {
            error = Errno(fault);
        } else if (::rename(temp.c_str(), target.c_str()) != 0) {
            error = Errno(errno);
        }
    }
    if (error != FileError::None) ::unlink(temp.c_str());
    return error;
}

}  // namespace

FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::string target = path.string();
    struct stat old;
    bool exists;
    if (const FileError error = CheckTarget(target, old, exists); error != FileError::None) {
        return error;
    }

    const std::string folder = FolderOf(target);
    const std::string prefix = target.find('/') == std::string::npos ? "" : folder + "/";
    if (const int fault = InjectedFault(WriteStep::Open, 0)) return Errno(fault);
    bool unsupported = true;
    FileError error = FileError::None;
#ifdef O_TMPFILE
    error = WriteUnnamed(target, folder, prefix, bytes, exists, old, unsupported);
#endif
    if (unsupported) error = WriteNamed(target, prefix, bytes, exists, old);
    if (error != FileError::None) return error;
    FlushFolder(folder);
    return FileError::None;
}

void RemoveLeftTemporaryFiles(const std::filesystem::path&) {}

void RemovePendingTemporaryFile() noexcept {
    if (pendingSet.load()) ::unlink(pendingPath.data());
}

#else  // _WIN32

namespace {

FileError LastError() { return FileErrorFromWin32(::GetLastError()); }
FileError Errno(int code) { return FileErrorFromErrno(code ? code : EIO); }

FileError ResolveLinks(std::filesystem::path& path) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return FileError::None;
        std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) return FileError::Other;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return FileError::TooManyLinks;
}

FileError WriteAll(HANDLE file, std::string_view bytes) {
    const std::size_t chunk = std::min<std::size_t>(WriteChunkBytes(), 1u << 30);
    for (int index = 0; !bytes.empty(); ++index) {
        if (const int fault = InjectedFault(WriteStep::Write, index)) return Errno(fault);
        std::string_view piece = bytes.substr(0, chunk);
        while (!piece.empty()) {
            DWORD written = 0;
            if (!::WriteFile(file, piece.data(), static_cast<DWORD>(piece.size()), &written,
                             nullptr)) {
                return LastError();
            }
            if (written == 0) return FileError::Other;
            piece.remove_prefix(written);
            bytes.remove_prefix(written);
        }
    }
    return FileError::None;
}

FileError CheckTarget(std::filesystem::path& target) {
    if (target.empty()) return FileError::NoSuchFile;
    if (const FileError error = ResolveLinks(target); error != FileError::None) return error;

    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        return code == ERROR_FILE_NOT_FOUND ? FileError::None : FileErrorFromWin32(code);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileError::IsFolder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return FileError::NotRegularFile;
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileError::ReadOnly;
    // Refused here, not after the temporary file is written: a file the user may not write,
    // or one another program holds open without sharing.
    const HANDLE probe = ::CreateFileW(target.c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return LastError();
    const DWORD type = ::GetFileType(probe);
    ::CloseHandle(probe);
    return type == FILE_TYPE_DISK ? FileError::None : FileError::NotRegularFile;
}

}  // namespace

FileError CheckReplaceable(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    return CheckTarget(target);
}

namespace {

// A name TemporaryName makes.
bool IsTemporaryName(std::wstring_view name) {
    const auto matches = [](std::wstring_view part, std::string_view ascii) {
        return std::equal(part.begin(), part.end(), ascii.begin(), ascii.end(),
                          [](wchar_t w, char c) { return w == static_cast<wchar_t>(c); });
    };
    const std::size_t end = kTemporaryStart.size() + kTemporaryRandomLetters;
    if (name.size() != end + kTemporaryEnd.size()) return false;
    const std::wstring_view letters = name.substr(kTemporaryStart.size(), kTemporaryRandomLetters);
    return matches(name.substr(0, kTemporaryStart.size()), kTemporaryStart) &&
           matches(name.substr(end), kTemporaryEnd) &&
           std::all_of(letters.begin(), letters.end(), [](wchar_t c) {
               return c < 0x80 &&
                      kTemporaryLetters.find(static_cast<char>(c)) != std::string_view::npos;
           });
}

}  // namespace

void RemoveLeftTemporaryFiles(const std::filesystem::path& folder) {
    const std::filesystem::path pattern =
        (folder.empty() ? std::filesystem::path(L".") : folder) / L".numora-*.tmp";
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !IsTemporaryName(found.cFileName)) {
            continue;
        }
        // Only a file that no process holds open can be opened without sharing; closing this
        // handle then deletes it. A write in progress keeps its temporary open until renamed.
        const std::filesystem::path left = pattern.parent_path() / found.cFileName;
        const HANDLE file =
            ::CreateFileW(left.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path target = path;
    if (const FileError error = CheckTarget(target); error != FileError::None) return error;

    const std::filesystem::path folder = target.parent_path();
    if (const int fault = InjectedFault(WriteStep::Open, 0)) return Errno(fault);
    RemoveLeftTemporaryFiles(folder);
    std::filesystem::path temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    std::optional<PendingTemporary> pending;
    for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = folder / TemporaryName<wchar_t>();
        pending.reset();
        pending.emplace(temp.native());
        // Shared for deletion: Ctrl+C is handled on another thread, which must be able to
        // remove the file while it is open here.
        file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            return LastError();
        }
    }
    if (file == INVALID_HANDLE_VALUE) return FileError::Other;

    FileError error = WriteAll(file, bytes);
    if (error == FileError::None) {
        if (const int fault = InjectedFault(WriteStep::Flush, 0)) {
            error = Errno(fault);
        } else if (!::FlushFileBuffers(file)) {
            error = LastError();
        }
    }
    // Renamed while still open (its sharing allows it), so that no other copy of the program
    // ever finds it closed and takes it for one a crash left (RemoveLeftTemporaryFiles). One
    // removed meanwhile (Ctrl+C in numora-calc) is not renamed: Windows would refuse a file
    // waiting to be deleted, Wine does not.
    if (error == FileError::None) {
        if (const int fault = InjectedFault(WriteStep::Rename, 0)) {
            error = Errno(fault);
        } else if (pendingRemoved.load()) {
            error = FileError::Other;
        } else if (!::MoveFileExW(temp.c_str(), target.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            error = LastError();
        }
    }
    if (error != FileError::None) ::DeleteFileW(temp.c_str());
    if (!::CloseHandle(file) && error == FileError::None) error = LastError();
    return error;
}

void RemovePendingTemporaryFile() noexcept {
    if (!pendingSet.load()) return;
    pendingRemoved.store(true);
    ::DeleteFileW(pendingPath.data());
}

#endif

}  // namespace numora
