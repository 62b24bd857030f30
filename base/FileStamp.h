#pragma once
// What a file held when this program last read or wrote it, so that a change another program
// made since is noticed before a save would overwrite it.
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace numora {

struct FileStamp {
    bool known = false;   // nothing read or written yet: there is nothing to compare with
    bool exists = false;  // the file was absent
    std::uint64_t size = 0;
    std::uint64_t hash = 0;  // of the contents
    bool operator==(const FileStamp&) const = default;
};

// Builds the stamp of contents that arrive in pieces.
class StampBuilder {
public:
    void Add(std::string_view bytes);
    FileStamp Finish() const { return {true, true, size_, hash_}; }

private:
    std::uint64_t size_ = 0;
    std::uint64_t hash_ = 0xcbf29ce484222325;  // FNV-1a
};

FileStamp StampOf(std::string_view bytes);
// The file as it is now: read through (bounded, refusing what is not a regular file); a missing
// file is known and absent. False when it cannot be read.
bool ReadStamp(const std::filesystem::path& path, FileStamp& stamp);
// True when `stamp` is known and the file no longer holds what it describes (or cannot be read
// to tell). The modification time is not trusted: a coarse clock misses a quick change, and a
// file rewritten with the same bytes has lost nothing.
bool ChangedOnDisk(const std::filesystem::path& path, const FileStamp& stamp);

// True when `a` and `b` name the same file: the same file where both exist (through links and
// different spellings), otherwise the same place once made absolute and normal. An empty path
// names no file. Two files that do not exist yet are not the same file for being absent.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace numora
