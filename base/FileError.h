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
    NotRegularFile,
    DiskFull,
    NameTooLong,
    TooManyLinks,
    Other,
};

// An errno value (POSIX, or the C runtime on Windows) as a FileError; 0 is None.
FileError FileErrorFromErrno(int code);
// A short English reason for messages: "permission denied", "disk full", ...
std::string_view FileErrorText(FileError error);

}  // namespace numora
