#pragma once
// The recent documents list: full paths, newest first, without duplicates, at most Maximum().
// Storage and the menu are the window's business; this is the list's own logic.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

class RecentDocuments {
public:
    static constexpr int kDefaultMaximum = 5;
    static constexpr int kLeastMaximum = 2;
    static constexpr int kGreatestMaximum = 16;

    int Maximum() const { return maximum_; }
    // Clamped to 2..16; entries beyond the new maximum fall off.
    void SetMaximum(int maximum);

    const std::vector<std::u16string>& Entries() const { return entries_; }
    std::size_t Size() const { return entries_.size(); }

    // Puts `path` first. An equal path already listed moves to the front instead; the oldest
    // entry falls off when the list is full. An empty path is ignored.
    void Add(std::u16string_view path);
    void MoveToTop(std::size_t index);
    void Remove(std::size_t index);
    // Replaces the entries by `newestFirst`, as if each were added from the oldest on.
    void Assign(const std::vector<std::u16string>& newestFirst);

    // Paths are compared as the file system compares names: without regard to letter case on
    // Windows, exactly elsewhere (two names differing in case are two files there).
    static bool SamePath(std::u16string_view a, std::u16string_view b);

private:
    void Trim();

    std::vector<std::u16string> entries_;
    int maximum_ = kDefaultMaximum;
};

}  // namespace numora
