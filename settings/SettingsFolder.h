#pragma once
// Where the program keeps its per-user files.
#include <filesystem>
#include <string_view>

namespace numora {

inline constexpr std::string_view kProductName = "Numora";
inline constexpr std::string_view kIniFileName = "Numora.ini";
inline constexpr std::string_view kUntitledFileName = "Untitled.txt";

// Windows: %APPDATA%\Numora. Elsewhere: $XDG_CONFIG_HOME/Numora when that variable holds an
// absolute path, else ~/.config/Numora.
std::filesystem::path DefaultSettingsFolder();

// Creates the folder with its missing parents. An existing folder or a failure is ignored
// here: reading then gives defaults and writing fails.
void CreateSettingsFolder(const std::filesystem::path& folder);

}  // namespace numora
