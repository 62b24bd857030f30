#include "worksheet/RecoveryCopy.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "base/FileIO.h"
#include "worksheet/Document.h"

namespace numora {

namespace {

// A marker line, the document's path, the stamp line (not in the first form), then the worksheet
// as a worksheet file holds it.
constexpr std::string_view kMarker1 = "Numora recovery 1\r\n";
constexpr std::string_view kMarker = "Numora recovery 2\r\n";

// The next line of `view` (without its CR LF), which moves past it; false when there is none.
bool NextLine(std::string_view& view, std::string_view& line) {
    const std::size_t end = view.find("\r\n");
    if (end == std::string_view::npos) return false;
    line = view.substr(0, end);
    view.remove_prefix(end + 2);
    return true;
}

// "exists size hash"; anything else is an unknown stamp.
FileStamp ParseStamp(std::string_view line) {
    std::uint64_t fields[3];
    const char* at = line.data();
    const char* end = at + line.size();
    for (std::uint64_t& field : fields) {
        if (at < end && *at == ' ') ++at;
        const auto [next, error] = std::from_chars(at, end, field);
        if (error != std::errc()) return {};
        at = next;
    }
    if (at != end) return {};
    return {true, fields[0] != 0, fields[1], fields[2]};
}

// Compared in the system's own characters: a name that is no text (bytes that are not UTF-8)
// is simply not a copy.
bool IsCopyName(const std::filesystem::path::string_type& name) {
    const auto same = [](auto begin, std::string_view ascii) {
        return std::equal(ascii.begin(), ascii.end(), begin,
                          [](char a, auto c) { return static_cast<decltype(c)>(a) == c; });
    };
    return name.size() > kRecoveryCopyPrefix.size() + kRecoveryCopySuffix.size() &&
           same(name.begin(), kRecoveryCopyPrefix) &&
           same(name.end() - static_cast<std::ptrdiff_t>(kRecoveryCopySuffix.size()),
                kRecoveryCopySuffix);
}

}  // namespace

std::string EncodeRecoveryCopy(std::string_view documentPath, const FileStamp& stamp,
                               std::u16string_view text) {
    std::string bytes(kMarker);
    bytes.append(documentPath).append("\r\n");
    if (stamp.known) {
        bytes += std::to_string(stamp.exists) + ' ' + std::to_string(stamp.size) + ' ' +
                 std::to_string(stamp.hash);
    }
    bytes += "\r\n";
    bytes += EncodeWorksheet(text);
    return bytes;
}

bool DecodeRecoveryCopy(std::string_view view, RecoveryCopy& copy) {
    const bool stamped = view.starts_with(kMarker);
    if (!stamped && !view.starts_with(kMarker1)) return false;
    view.remove_prefix((stamped ? kMarker : kMarker1).size());
    std::string_view path, stamp;
    if (!NextLine(view, path) || (stamped && !NextLine(view, stamp))) return false;
    std::u16string decoded;
    if (DecodeWorksheet(view, decoded) != DocumentStatus::Ok) return false;
    copy.documentPath = path;
    copy.stamp = ParseStamp(stamp);
    copy.text = std::move(decoded);
    return true;
}

bool ReadRecoveryCopy(const std::filesystem::path& path, RecoveryCopy& copy) {
    std::string bytes;
    if (ReadFileBytes(path, bytes) != FileError::None) return false;
    return DecodeRecoveryCopy(bytes, copy);
}

std::vector<std::filesystem::path> FindRecoveryCopies(const std::filesystem::path& folder) {
    struct Found {
        std::filesystem::path path;
        std::filesystem::file_time_type written;
    };
    std::vector<Found> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (!IsCopyName(it->path().filename().native()) || !it->is_regular_file(ignored)) continue;
        const auto written = it->last_write_time(ignored);
        if (!ignored) found.push_back({it->path(), written});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.written != b.written) return a.written > b.written;
        return a.path.filename() < b.path.filename();
    });
    std::vector<std::filesystem::path> paths;
    paths.reserve(found.size());
    for (Found& f : found) paths.push_back(std::move(f.path));
    return paths;
}

}  // namespace numora
