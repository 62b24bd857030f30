#include "settings/IniFile.h"

#include <utility>

#include "base/FileIO.h"

namespace numora {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

// A header line "[name]"; the name is trimmed. Anything after "]" is ignored.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// "key=value" with a non-empty key; comment lines (";") are never keys.
std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';') return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    KeyLine kv{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
    if (kv.key.empty()) return std::nullopt;
    return kv;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A value is one line; blanks at the ends or enclosing quotes would be lost on reading,
// so such a value is written inside quotes, which the reader removes again.
std::string ValueText(std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    const bool needsQuotes =
        !value.empty() && (Trim(value).size() != value.size() || Unquote(value) != value);
    if (!needsQuotes) return std::string(value);
    return "\"" + std::string(value) + "\"";
}

bool IsBlankLine(const std::string& line) { return Trim(line).empty(); }

}  // namespace

int32_t ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && kBlanks.find(text[i]) != std::string_view::npos) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

bool IniFile::Load(const std::filesystem::path& path) {
    std::string bytes;
    const bool ok = ReadFileBytes(path, bytes) == FileError::None;
    Parse(bytes);
    return ok;
}

void IniFile::Parse(std::string_view bytes) {
    preamble_.clear();
    sections_.clear();
    if (bytes.substr(0, 3) == kByteOrderMark) bytes.remove_prefix(3);
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (auto name = HeaderName(line)) {
            sections_.push_back({std::string(*name), std::string(line), {}});
        } else if (sections_.empty()) {
            preamble_.emplace_back(line);
        } else {
            sections_.back().lines.emplace_back(line);
        }
    }
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    for (const Section& s : sections_) {
        if (EqualsNoCase(s.name, name)) return &s;
    }
    return nullptr;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string> IniFile::GetString(std::string_view section,
                                              std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    for (const std::string& line : s->lines) {
        const auto kv = SplitKeyLine(line);
        if (kv && EqualsNoCase(kv->key, key)) return std::string(Unquote(kv->value));
    }
    return std::nullopt;
}

int32_t IniFile::GetInt(std::string_view section, std::string_view key, int32_t fallback) const {
    const auto value = GetString(section, key);
    if (!value || value->empty()) return fallback;
    return ParseProfileInt(*value);
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + ValueText(value);

    Section* s = FindSection(section);
    if (!s) {
        // Keep a blank line between the old content and the new section.
        std::vector<std::string>& before = sections_.empty() ? preamble_ : sections_.back().lines;
        if (!before.empty() && !IsBlankLine(before.back())) before.emplace_back();
        sections_.push_back({std::string(section), "[" + std::string(section) + "]", {}});
        s = &sections_.back();
    }
    for (std::string& existing : s->lines) {
        const auto kv = SplitKeyLine(existing);
        if (kv && EqualsNoCase(kv->key, key)) {
            existing = line;
            return;
        }
    }
    // After the section's last non-blank line, so a separating blank line stays below it.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && IsBlankLine(*(pos - 1))) --pos;
    s->lines.insert(pos, line);
}

void IniFile::SetInt(std::string_view section, std::string_view key, int32_t value) {
    SetString(section, key, std::to_string(value));
}

std::string IniFile::Serialize() const {
    std::string out;
    auto put = [&out](const std::string& line) {
        out += line;
        out += "\r\n";
    };
    for (const std::string& line : preamble_) put(line);
    for (const Section& s : sections_) {
        put(s.header);
        for (const std::string& line : s.lines) put(line);
    }
    // Reading drops one byte order mark; a first line that starts with another keeps it only
    // if the file starts with a mark of its own.
    if (out.rfind(kByteOrderMark, 0) == 0) out.insert(0, kByteOrderMark);
    return out;
}

bool IniFile::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Serialize()) == FileError::None;
}

}  // namespace numora
