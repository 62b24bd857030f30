#include "base/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace numora {

namespace {

#ifndef _WIN32
FileError Errno(int code) { return FileErrorFromErrno(code ? code : EIO); }
#endif

// Room for the one byte past the limit.
constexpr std::uint64_t kNoLimit = UINT64_MAX - 1;

}  // namespace

#ifdef _WIN32

FileReader::FileReader(const std::filesystem::path& path, std::uint64_t maxBytes)
    : maxBytes_(std::min(maxBytes, kNoLimit)) {
    // Backup semantics open a folder too, so that it is refused for what it is. Named pipes and
    // devices open without waiting; their handles are refused by their type.
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = FileErrorFromWin32(::GetLastError());
        return;
    }
    handle_ = file;
    BY_HANDLE_FILE_INFORMATION info;
    switch (::GetFileType(file)) {
        case FILE_TYPE_DISK:
            if (::GetFileInformationByHandle(file, &info) &&
                (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                error_ = FileError::IsFolder;
            }
            break;
        case FILE_TYPE_PIPE:
            error_ = FileError::IsPipe;
            break;
        case FILE_TYPE_CHAR:
            error_ = FileError::IsDevice;
            break;
        default:
            error_ = FileError::NotRegularFile;
            break;
    }
    LARGE_INTEGER size;
    if (error_ == FileError::None && ::GetFileSizeEx(file, &size)) {
        sizeHint_ = static_cast<std::uint64_t>(size.QuadPart);
    }
    if (error_ == FileError::None && sizeHint_ > maxBytes_) error_ = FileError::TooLarge;
    if (error_ != FileError::None) Close();
}

void FileReader::Close() {
    if (handle_ != nullptr) ::CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

std::size_t FileReader::ReadSome(char* buffer, std::size_t size) {
    DWORD got = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!::ReadFile(static_cast<HANDLE>(handle_), buffer, want, &got, nullptr)) {
        error_ = FileErrorFromWin32(::GetLastError());
        return 0;
    }
    return got;
}

#else

FileReader::FileReader(const std::filesystem::path& path, std::uint64_t maxBytes)
    : maxBytes_(std::min(maxBytes, kNoLimit)) {
    // Without waiting: opening a named pipe would block until a writer came.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        struct stat st;
        // A socket cannot be opened at all; say what it is.
        if (code == ENXIO && ::stat(path.c_str(), &st) == 0) {
            error_ = FileKindError(st.st_mode);
        }
        if (error_ == FileError::None) error_ = Errno(code);
        return;
    }
    fd_ = fd;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        error_ = Errno(errno);
    } else {
        error_ = FileKindError(st.st_mode);
        if (error_ == FileError::None && static_cast<std::uint64_t>(st.st_size) > maxBytes_) {
            error_ = FileError::TooLarge;  // refused before anything is read
        }
        sizeHint_ = static_cast<std::uint64_t>(st.st_size);
    }
    if (error_ != FileError::None) {
        Close();
        return;
    }
    // A regular file never waits anyway; reading it blocking is the ordinary way.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

void FileReader::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::size_t FileReader::ReadSome(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            error_ = Errno(errno);
            return 0;
        }
    }
}

#endif

FileReader::~FileReader() { Close(); }

std::size_t FileReader::Read(char* buffer, std::size_t size) {
    if (!IsOpen() || error_ != FileError::None || size == 0) return 0;
    // One byte past the limit tells a file that grew after it was opened; no more is read.
    const std::uint64_t room = maxBytes_ - total_ + 1;
    const std::size_t got =
        ReadSome(buffer, static_cast<std::size_t>(std::min<std::uint64_t>(size, room)));
    total_ += got;
    if (total_ > maxBytes_) {
        error_ = FileError::TooLarge;
        return 0;
    }
    return got;
}

FileError ReadFileBytes(const std::filesystem::path& path, std::string& bytes,
                        std::uint64_t maxBytes) {
    bytes.clear();
    FileReader reader(path, maxBytes);
    if (reader.Error() != FileError::None) return reader.Error();
    std::string data;
    try {
        data.reserve(static_cast<std::size_t>(reader.SizeHint()));
        char buffer[64 * 1024];
        while (const std::size_t got = reader.Read(buffer, sizeof buffer)) data.append(buffer, got);
    } catch (const std::bad_alloc&) {
        return FileError::OutOfMemory;
    } catch (const std::length_error&) {
        return FileError::OutOfMemory;
    }
    if (reader.Error() != FileError::None) return reader.Error();
    bytes = std::move(data);
    return FileError::None;
}

}  // namespace numora
