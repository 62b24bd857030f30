// libFuzzer target: the ini reader. Whatever a file holds, setting a key and writing the file
// back gives a file that reads back to the same values and writes back byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/IniFile.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

constexpr std::string_view kSections[] = {"Edit", "edit", "Window", "Print", "New Section"};
constexpr std::string_view kKeys[] = {"Digits", "DIGITS", "Option", "FaceName", "Left"};

}  // namespace

// Input: one byte picking the section and key, one byte giving the value's length, the value,
// then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view section = kSections[data[0] % 5];
    const std::string_view key = kKeys[(data[0] / 5) % 5];
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string value(rest.substr(0, data[1]));
    rest.remove_prefix(std::min<std::size_t>(data[1], rest.size()));
    // A value is one line.
    for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';
    }

    numora::IniFile ini;
    ini.Parse(rest);
    ini.SetString(section, key, value);
    ini.SetInt("Edit", "Digits", static_cast<std::int32_t>(value.size()));
    const std::string written = ini.Serialize();

    numora::IniFile reread;
    reread.Parse(written);
    Require(reread.Serialize() == written);
    for (const std::string_view s : kSections) {
        for (const std::string_view k : kKeys)
            Require(reread.GetString(s, k) == ini.GetString(s, k));
    }
    Require(reread.GetInt("Edit", "Digits", -1) == static_cast<std::int32_t>(value.size()));
    return 0;
}
