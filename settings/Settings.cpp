#include "settings/Settings.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "base/DigitLimits.h"
#include "base/Text.h"
#include "settings/IniFile.h"
#include "settings/SettingsFolder.h"

namespace numora {

namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kView = "View";
constexpr std::string_view kEdit = "Edit";
constexpr std::string_view kFont = "Font";
constexpr std::string_view kPrint = "Print";
namespace D = SettingsDefaults;

// Window sizes are stored as differences; 32-bit wrap-around keeps every rectangle intact
// through a write and a read, as the platform's own arithmetic would.
int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// At most `maxUnits` UTF-16 code units, never half of a surrogate pair.
std::u16string Truncated(std::u16string text, std::size_t maxUnits) {
    if (text.size() <= maxUnits) return text;
    std::size_t n = maxUnits;
    if (n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
    text.resize(n);
    return text;
}

std::u16string ReadText(const IniFile& ini, std::string_view section, std::string_view key,
                        std::u16string_view fallback, std::size_t maxUnits) {
    const std::optional<std::string> value = ini.GetString(section, key);
    // Bytes that are not UTF-8 become U+FFFD here; the file itself keeps them until the
    // key is written again.
    return Truncated(value ? Utf8ToUtf16(*value) : std::u16string(fallback), maxUnits);
}

// Bit sets and colours are stored as their signed 32-bit reading.
uint32_t ReadBits(const IniFile& ini, std::string_view key, uint32_t fallback) {
    return static_cast<uint32_t>(ini.GetInt(kEdit, key, static_cast<int32_t>(fallback)));
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool ReadBool(const IniFile& ini, std::string_view key, bool fallback) {
    return ini.GetInt(kView, key, fallback ? 1 : 0) != 0;
}

}  // namespace

int StatusFormatSavedValue(uint32_t option) {
    return static_cast<int>((option & OptionBits::StatusFormatSaved) >>
                            OptionBits::StatusFormatSavedShift);
}

uint32_t WithStatusFormatSaved(uint32_t option, int savedValue) {
    const uint32_t bits =
        (static_cast<uint32_t>(savedValue) << OptionBits::StatusFormatSavedShift) &
        OptionBits::StatusFormatSaved;
    return (option & ~OptionBits::StatusFormatSaved) | bits;
}

Settings::Settings() : Settings(DefaultSettingsFolder()) {}

Settings::Settings(std::filesystem::path folder, bool createFolder)
    : SettingsFolder(std::move(folder)) {
    if (createFolder) CreateSettingsFolder(SettingsFolder);
    SetIniPath(kIniFileName);
}

void Settings::SetIniPath(const std::filesystem::path& fileName) {
    IniPath = SettingsFolder / fileName;
}

std::filesystem::path Settings::UntitledPath() const { return SettingsFolder / kUntitledFileName; }

void Settings::Load() {
    IniFile ini;
    ini.Load(IniPath);  // a missing file leaves every key at its default

    DataPath = ReadText(ini, kGeneral, "DataPath", u"", kMaxDataPath);
    WindowRect.top = ini.GetInt(kGeneral, "Top", kNotSet);
    WindowRect.left = ini.GetInt(kGeneral, "Left", kNotSet);
    WindowRect.right = WrapAdd(WindowRect.left, ini.GetInt(kGeneral, "Width", 0));
    WindowRect.bottom = WrapAdd(WindowRect.top, ini.GetInt(kGeneral, "Height", 0));

    SplitterPos = ini.GetInt(kView, "SplitterPos", kNotSet);
    Toolbar = ReadBool(ini, "Toolbar", true);
    List = ReadBool(ini, "List", true);
    Status = ReadBool(ini, "Status", true);
    TopMost = ReadBool(ini, "TopMost", false);
    WordWrap = ReadBool(ini, "WordWrap", false);
    const std::optional<std::string> language = ini.GetString(kView, "Language");
    const std::string chosen = language ? AsciiLower(*language) : std::string();
    Language = std::string(chosen == kLanguageEnglish    ? kLanguageEnglish
                           : chosen == kLanguageJapanese ? kLanguageJapanese
                                                         : kLanguageSystem);

    Digits = std::clamp(ini.GetInt(kEdit, "Digits", D::Digits), 0, kMaxLoadedDigits);
    Option = ReadBits(ini, "Option", D::Option);
    LivePreview = ini.GetInt(kEdit, "LivePreview", 1) != 0;
    AutoRecalculate = ini.GetInt(kEdit, "AutoRecalculate", 0) != 0;
    Completion = ini.GetInt(kEdit, "Completion", 1) != 0;
    GroupDigits = ini.GetInt(kEdit, "GroupDigits", 0) != 0;
    UndoTypedRuns = ini.GetInt(kEdit, "UndoTypedRuns", 1) != 0;
    Totals = ini.GetInt(kEdit, "Totals", 1) != 0;
    Units = ini.GetInt(kEdit, "Units", 1) != 0;
    Percent = ini.GetInt(kEdit, "Percent", 1) != 0;
    TaxRate = std::clamp(ini.GetInt(kEdit, "TaxRate", 10), 0, 99);
    const int64_t rounding = ini.GetInt(kEdit, "TaxRounding", -1);
    TaxRounding = rounding >= -1 && rounding <= 1 ? static_cast<int32_t>(rounding) : -1;
    MyriadGrouping = ReadBool(ini, "MyriadGrouping", false);
    DefaultColor = ReadBits(ini, "DefaultColor", D::DefaultColor);
    ResultColor = ReadBits(ini, "ResultColor", D::ResultColor);
    ErrorColor = ReadBits(ini, "ErrorColor", D::ErrorColor);
    CommentColor = ReadBits(ini, "CommentColor", D::CommentColor);

    const int64_t height = ini.GetInt(kFont, "Height", 0);
    if (std::abs(height) >= kMinFontHeight && std::abs(height) <= kMaxFontHeight) {
        Font.Height = static_cast<int32_t>(height);
    }
    if (const int32_t weight = ini.GetInt(kFont, "Weight", 0)) Font.Weight = weight;
    Font.Italic = static_cast<uint8_t>(ini.GetInt(kFont, "Italic", 0) & 0xFF);
    Font.FaceName = ReadText(ini, kFont, "FaceName", D::FaceName, kMaxFaceName);

    PrintMargins.left = ini.GetInt(kPrint, "MarginLeft", D::Margin);
    PrintMargins.top = ini.GetInt(kPrint, "MarginTop", D::Margin);
    PrintMargins.right = ini.GetInt(kPrint, "MarginRight", D::Margin);
    PrintMargins.bottom = ini.GetInt(kPrint, "MarginBottom", D::Margin);
}

bool Settings::Save() const {
    IniFile ini;
    ini.Load(IniPath);  // keep the sections and keys of others

    ini.SetString(kGeneral, "DataPath", Utf16ToUtf8(DataPath));
    ini.SetInt(kGeneral, "Top", WindowRect.top);
    ini.SetInt(kGeneral, "Left", WindowRect.left);
    ini.SetInt(kGeneral, "Width", WrapSub(WindowRect.right, WindowRect.left));
    ini.SetInt(kGeneral, "Height", WrapSub(WindowRect.bottom, WindowRect.top));

    ini.SetInt(kView, "SplitterPos", SplitterPos);
    ini.SetInt(kView, "Toolbar", Toolbar ? 1 : 0);
    ini.SetInt(kView, "List", List ? 1 : 0);
    ini.SetInt(kView, "Status", Status ? 1 : 0);
    ini.SetInt(kView, "TopMost", TopMost ? 1 : 0);
    ini.SetInt(kView, "WordWrap", WordWrap ? 1 : 0);
    ini.SetString(kView, "Language", Language);
    ini.SetInt(kView, "MyriadGrouping", MyriadGrouping ? 1 : 0);

    ini.SetInt(kEdit, "Digits", Digits);
    ini.SetInt(kEdit, "Option", static_cast<int32_t>(Option));
    ini.SetInt(kEdit, "LivePreview", LivePreview ? 1 : 0);
    ini.SetInt(kEdit, "AutoRecalculate", AutoRecalculate ? 1 : 0);
    ini.SetInt(kEdit, "Completion", Completion ? 1 : 0);
    ini.SetInt(kEdit, "GroupDigits", GroupDigits ? 1 : 0);
    ini.SetInt(kEdit, "UndoTypedRuns", UndoTypedRuns ? 1 : 0);
    ini.SetInt(kEdit, "Totals", Totals ? 1 : 0);
    ini.SetInt(kEdit, "Units", Units ? 1 : 0);
    ini.SetInt(kEdit, "Percent", Percent ? 1 : 0);
    ini.SetInt(kEdit, "TaxRate", TaxRate);
    ini.SetInt(kEdit, "TaxRounding", TaxRounding);
    ini.SetInt(kEdit, "DefaultColor", static_cast<int32_t>(DefaultColor));
    ini.SetInt(kEdit, "ResultColor", static_cast<int32_t>(ResultColor));
    ini.SetInt(kEdit, "ErrorColor", static_cast<int32_t>(ErrorColor));
    ini.SetInt(kEdit, "CommentColor", static_cast<int32_t>(CommentColor));

    ini.SetInt(kFont, "Height", Font.Height);
    ini.SetInt(kFont, "Weight", Font.Weight);
    ini.SetInt(kFont, "Italic", Font.Italic);
    ini.SetString(kFont, "FaceName", Utf16ToUtf8(Truncated(Font.FaceName, kMaxFaceName)));

    ini.SetInt(kPrint, "MarginLeft", PrintMargins.left);
    ini.SetInt(kPrint, "MarginTop", PrintMargins.top);
    ini.SetInt(kPrint, "MarginRight", PrintMargins.right);
    ini.SetInt(kPrint, "MarginBottom", PrintMargins.bottom);

    return ini.Save(IniPath);
}

}  // namespace numora
