#include "settings/SettingsFolder.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace numora {

namespace {

#ifdef _WIN32

std::filesystem::path UserConfigBase() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData && *appData) return std::filesystem::path(appData);
    // Started without the variable (by a service, a scheduler): the same folder, from the system.
    std::filesystem::path base;
    wchar_t* known = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) base = known;
    CoTaskMemFree(known);
    return base;
}

#else

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    // Nowhere better to go; the files then live below the working folder.
    return std::filesystem::path(".");
}

std::filesystem::path UserConfigBase() {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        std::filesystem::path base(xdg);
        if (base.is_absolute()) return base;
    }
    return HomeFolder() / ".config";
}

#endif

}  // namespace

std::filesystem::path DefaultSettingsFolder() { return UserConfigBase() / kProductName; }

void CreateSettingsFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

}  // namespace numora
