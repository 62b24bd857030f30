#pragma once
// Why a file could not be read or written, in words a user understands.
#include <string_view>

namespace numora {

enum class FileError {
    None,
    NoSuchFile,
    PermissionDenied,
    ReadOnly,
    IsFolder,
    IsPipe,
    IsDevice,
    IsSocket,
    NotRegularFile,
    DiskFull,
    NameTooLong,
    TooManyLinks,
    TooLarge,
    OutOfMemory,
    Other,
};

// An errno value (POSIX, or the C runtime on Windows) as a FileError; 0 is None.
FileError FileErrorFromErrno(int code);
#ifdef _WIN32
// A Windows system error code (GetLastError) as a FileError; 0 is None.
FileError FileErrorFromWin32(unsigned long code);
#else
// Why a file of this kind (a stat mode) cannot be read or replaced as a document: None for a
// regular file.
FileError FileKindError(unsigned mode);
#endif
// A short English reason for messages: "permission denied", "disk full", ...
std::string_view FileErrorText(FileError error);

}  // namespace numora
