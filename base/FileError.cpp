#include "base/FileError.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace numora {

FileError FileErrorFromErrno(int code) {
    switch (code) {
        case 0:
            return FileError::None;
        case ENOENT:
        case ENOTDIR:
            return FileError::NoSuchFile;
        case EACCES:
        case EPERM:
            return FileError::PermissionDenied;
        case EROFS:
            return FileError::ReadOnly;
        case EISDIR:
            return FileError::IsFolder;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return FileError::DiskFull;
        case ENOMEM:
            return FileError::OutOfMemory;
        case ENAMETOOLONG:
            return FileError::NameTooLong;
#ifdef ELOOP
        case ELOOP:
            return FileError::TooManyLinks;
#endif
        default:
            return FileError::Other;
    }
}

#ifdef _WIN32

FileError FileErrorFromWin32(unsigned long code) {
    switch (code) {
        case ERROR_SUCCESS:
            return FileError::None;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return FileError::NoSuchFile;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileError::PermissionDenied;
        case ERROR_WRITE_PROTECT:
            return FileError::ReadOnly;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileError::DiskFull;
        case ERROR_FILENAME_EXCED_RANGE:
            return FileError::NameTooLong;
        case ERROR_CANT_RESOLVE_FILENAME:
            return FileError::TooManyLinks;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return FileError::OutOfMemory;
        case ERROR_PIPE_BUSY:
            return FileError::IsPipe;
        default:
            return FileError::Other;
    }
}

#else

FileError FileKindError(unsigned mode) {
    if (S_ISREG(mode)) return FileError::None;
    if (S_ISDIR(mode)) return FileError::IsFolder;
    if (S_ISFIFO(mode)) return FileError::IsPipe;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileError::IsDevice;
    if (S_ISSOCK(mode)) return FileError::IsSocket;
    return FileError::NotRegularFile;
}

#endif

std::string_view FileErrorText(FileError error) {
    switch (error) {
        case FileError::None:
            return "no error";
        case FileError::NoSuchFile:
            return "no such file or folder";
        case FileError::PermissionDenied:
            return "permission denied";
        case FileError::ReadOnly:
            return "the file is read-only";
        case FileError::IsFolder:
            return "is a folder";
        case FileError::IsPipe:
            return "is a named pipe";
        case FileError::IsDevice:
            return "is a device";
        case FileError::IsSocket:
            return "is a socket";
        case FileError::NotRegularFile:
            return "not a regular file";
        case FileError::DiskFull:
            return "disk full";
        case FileError::NameTooLong:
            return "the name is too long";
        case FileError::TooManyLinks:
            return "too many levels of symbolic links";
        case FileError::TooLarge:
            return "too large";
        case FileError::OutOfMemory:
            return "not enough memory";
        case FileError::Other:
            break;
    }
    return "input/output error";
}

}  // namespace numora
