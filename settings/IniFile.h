#pragma once
// A small ini store with the semantics of the Windows profile functions: sections and keys are
// found without regard to ASCII case, the first match wins, values are trimmed and lose one pair
// of enclosing quotes, integers are read from their leading digits. Lines the program does not
// know (other sections, keys, comments) are kept byte for byte when the file is written back.
// Values are UTF-8 bytes; text the file holds that is not UTF-8 is kept as it is.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// Optional blanks, an optional sign, then decimal digits up to the first other character;
// "12abc" is 12, "abc" is 0. Overflow wraps modulo 2^32 like the platform's reader.
int32_t ParseProfileInt(std::string_view text);

class IniFile {
public:
    // False when the file cannot be read; the store is then empty.
    bool Load(const std::filesystem::path& path);
    void Parse(std::string_view bytes);

    // The value of the key, or nullopt when the section or the key is missing.
    std::optional<std::string> GetString(std::string_view section, std::string_view key) const;
    // `fallback` when the key is missing or its value is empty.
    int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;

    // Replaces the first matching key (its name is rewritten as given) or appends the key to
    // its section, creating the section at the end when needed.
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    void SetInt(std::string_view section, std::string_view key, int32_t value);

    // The whole file, CR LF after every line.
    std::string Serialize() const;
    // Written atomically; on failure the old file stays as it was.
    bool Save(const std::filesystem::path& path) const;

private:
    struct Section {
        std::string name;
        std::string header;              // the header line as it was read
        std::vector<std::string> lines;  // everything up to the next header
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);

    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace numora
