#include "base/FileStamp.h"

#include "base/FileIO.h"

namespace numora {

void StampBuilder::Add(std::string_view bytes) {
    size_ += bytes.size();
    std::uint64_t hash = hash_;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3;
    }
    hash_ = hash;
}

FileStamp StampOf(std::string_view bytes) {
    StampBuilder builder;
    builder.Add(bytes);
    return builder.Finish();
}

bool ReadStamp(const std::filesystem::path& path, FileStamp& stamp) {
    FileReader reader(path);
    if (reader.Error() == FileError::NoSuchFile) {
        stamp = {true, false, 0, 0};
        return true;
    }
    StampBuilder builder;
    char buffer[64 * 1024];
    while (const std::size_t got = reader.Read(buffer, sizeof buffer)) {
        builder.Add(std::string_view(buffer, got));
    }
    if (reader.Error() != FileError::None) return false;
    stamp = builder.Finish();
    return true;
}

bool ChangedOnDisk(const std::filesystem::path& path, const FileStamp& stamp) {
    if (!stamp.known) return false;
    // A different size needs no reading.
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (ec) return true;
    if (exists != stamp.exists) return true;
    if (!exists) return false;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size != stamp.size) return true;
    FileStamp now;
    if (ReadStamp(path, now)) return now != stamp;
    // Unreadable, so perhaps changed; but a file that cannot be replaced either (on Windows, one
    // another program holds open without sharing) is left to the save, which says it failed.
    return CheckReplaceable(path) == FileError::None;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    if (!ec) return same;  // both exist, or exactly one does
    // Neither exists: where they would be. weakly_canonical resolves the part that exists.
    const auto place = [](const std::filesystem::path& path) {
        std::error_code error;
        std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
        if (error) full = std::filesystem::absolute(path, error).lexically_normal();
        return full;
    };
    return place(a) == place(b);
}

}  // namespace numora
