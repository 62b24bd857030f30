#include "settings/RecentDocuments.h"

#include <algorithm>

namespace numora {

namespace {

char16_t FoldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + (u'a' - u'A'));
    // Full-width Latin capitals, which Windows also folds in file names.
    if (c >= u'\uFF21' && c <= u'\uFF3A') return static_cast<char16_t>(c + 0x20);
    return c;
}

}  // namespace

bool RecentDocuments::SamePath(std::u16string_view a, std::u16string_view b) {
#ifdef _WIN32
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
#else
    (void)FoldCase;
    return a == b;
#endif
}

void RecentDocuments::SetMaximum(int maximum) {
    maximum_ = std::clamp(maximum, kLeastMaximum, kGreatestMaximum);
    Trim();
}

void RecentDocuments::Add(std::u16string_view path) {
    if (path.empty()) return;
    const auto same =
        std::find_if(entries_.begin(), entries_.end(),
                     [&](const std::u16string& entry) { return SamePath(entry, path); });
    if (same != entries_.end()) entries_.erase(same);
    entries_.insert(entries_.begin(), std::u16string(path));
    Trim();
}

void RecentDocuments::MoveToTop(std::size_t index) {
    if (index >= entries_.size()) return;
    std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(index),
                entries_.begin() + static_cast<std::ptrdiff_t>(index) + 1);
}

void RecentDocuments::Remove(std::size_t index) {
    if (index < entries_.size())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentDocuments::Assign(const std::vector<std::u16string>& newestFirst) {
    entries_.clear();
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) Add(*it);
}

void RecentDocuments::Trim() {
    if (entries_.size() > static_cast<std::size_t>(maximum_)) {
        entries_.resize(static_cast<std::size_t>(maximum_));
    }
}

}  // namespace numora
