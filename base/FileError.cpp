#include "base/FileError.h"

#include <cerrno>

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
        case FileError::NotRegularFile:
            return "not a regular file";
        case FileError::DiskFull:
            return "disk full";
        case FileError::NameTooLong:
            return "the name is too long";
        case FileError::TooManyLinks:
            return "too many levels of symbolic links";
        case FileError::Other:
            break;
    }
    return "input/output error";
}

}  // namespace numora
