#include "base/FileIO.h"

#include <cerrno>
#include <system_error>

namespace numora {

FileReader::FileReader(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error_ = FileError::IsFolder;
        return;
    }
    errno = 0;
#ifdef _WIN32
    file_ = ::_wfopen(path.c_str(), L"rb");
#else
    file_ = std::fopen(path.c_str(), "rb");
#endif
    if (!file_) {
        error_ = errno ? FileErrorFromErrno(errno) : FileError::Other;
        return;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) sizeHint_ = size;
}

FileReader::~FileReader() {
    if (file_) std::fclose(file_);
}

std::size_t FileReader::Read(char* buffer, std::size_t size) {
    if (!file_ || error_ != FileError::None || size == 0) return 0;
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, size, file_);
    if (std::ferror(file_)) {
        error_ = errno ? FileErrorFromErrno(errno) : FileError::Other;
    }
    return got;
}

FileError ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    FileReader reader(path);
    std::string data;
    if (reader.SizeHint() < (std::uint64_t{1} << 40)) {
        data.reserve(static_cast<std::size_t>(reader.SizeHint()));
    }
    char buffer[64 * 1024];
    while (const std::size_t got = reader.Read(buffer, sizeof buffer)) data.append(buffer, got);
    if (reader.Error() != FileError::None) return reader.Error();
    bytes = std::move(data);
    return FileError::None;
}

}  // namespace numora
