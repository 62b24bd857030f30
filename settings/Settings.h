#pragma once
// The persisted options and window state of the program, kept in "Numora.ini".
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace numora {

// Bits of Settings::Option. Bits not named here are read and written back unchanged.
namespace OptionBits {
inline constexpr uint32_t AutoSaveUntitled = 0x01;
inline constexpr uint32_t NoConfirmOnClose = 0x02;
// 0: the status bar's display format is not kept; 1..3: kept, value = StatusFormat + 1.
inline constexpr uint32_t StatusFormatSaved = 0x0C;
inline constexpr int StatusFormatSavedShift = 2;
inline constexpr uint32_t EnterComputesResultLine = 0x10;
inline constexpr uint32_t UnaryMinusBindsBase = 0x20;
// A worksheet opened from a file is recalculated as one undoable step.
inline constexpr uint32_t RecalculateOnOpen = 0x40;
}  // namespace OptionBits

// 0 when the status format is not kept, else StatusFormat + 1.
int StatusFormatSavedValue(uint32_t option);
uint32_t WithStatusFormatSaved(uint32_t option, int savedValue);

struct IntRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const IntRect&) const = default;
};

// The persisted part of the worksheet font. Height and Weight 0 mean "the default font's".
struct FontData {
    int32_t Height = 0;  // logical units, negative = character height
    int32_t Weight = 0;
    uint8_t Italic = 0;
    std::u16string FaceName;  // at most kMaxFaceName code units
    bool operator==(const FontData&) const = default;
};

// The values a missing key reads as; a new Settings starts with them too.
namespace SettingsDefaults {
inline constexpr int32_t NotSet = INT32_MIN;
inline constexpr int32_t Digits = 32;
inline constexpr uint32_t Option = OptionBits::AutoSaveUntitled | OptionBits::NoConfirmOnClose;
inline constexpr uint32_t DefaultColor = 0x000000;  // black
inline constexpr uint32_t ResultColor = 0xFF0000;   // blue
inline constexpr uint32_t ErrorColor = 0x0000FF;    // red
inline constexpr uint32_t CommentColor = 0x008000;  // dark green
inline constexpr int32_t Margin = 1000;
inline constexpr std::u16string_view FaceName = u"Meiryo UI";
}  // namespace SettingsDefaults

// The values of [View] Language. "system", any other value and none follow the system's
// interface language.
inline constexpr std::string_view kLanguageJapanese = "ja";
inline constexpr std::string_view kLanguageEnglish = "en";
inline constexpr std::string_view kLanguageSystem = "system";

class Settings {
public:
    static constexpr std::size_t kMaxDataPath = 1024;
    static constexpr std::size_t kMaxFaceName = 31;
    static constexpr int32_t kNotSet = SettingsDefaults::NotSet;
    // A stored font height (either sign) outside these pixels reads as the default height: a
    // damaged file must not make the text invisible or a line taller than the screen.
    static constexpr int32_t kMinFontHeight = 6;
    static constexpr int32_t kMaxFontHeight = 500;

    // Uses DefaultSettingsFolder(). The folder is created with its parents.
    Settings();
    // Uses the given folder instead (command line, tests). A reader that never saves may
    // leave the folder uncreated.
    explicit Settings(std::filesystem::path folder, bool createFolder = true);

    // IniPath = SettingsFolder joined with `fileName`; the constructor uses "Numora.ini".
    void SetIniPath(const std::filesystem::path& fileName);
    std::filesystem::path UntitledPath() const;

    // Reads IniPath; missing file, section or key gives the default. Font Height and Weight
    // replace the current ones only when not 0, so the caller may first put the system font
    // into Font.
    void Load();
    // Writes every persisted key to IniPath, keeping what else the file holds. False when the
    // file could not be written; the old file then stays as it was.
    bool Save() const;

    std::filesystem::path SettingsFolder;
    std::filesystem::path IniPath;

    std::u16string DataPath;
    IntRect WindowRect{kNotSet, kNotSet, kNotSet, kNotSet};  // left == kNotSet: never placed
    int32_t SplitterPos = kNotSet;
    bool Toolbar = true;
    bool List = true;
    bool Status = true;
    bool TopMost = false;
    bool WordWrap = false;
    // The interface language, "ja" or "en"; the program reads it at start.
    std::string Language{kLanguageSystem};
    IntRect PrintMargins{SettingsDefaults::Margin, SettingsDefaults::Margin,
                         SettingsDefaults::Margin,
                         SettingsDefaults::Margin};  // hundredths of a millimetre
    int32_t Digits = SettingsDefaults::Digits;
    // [Edit] LivePreview: the value of the line being typed is shown after it.
    bool LivePreview = true;
    // [Edit] AutoRecalculate: an Enter brings every result line below up to date.
    bool AutoRecalculate = false;
    // [Edit] Completion: names are completed as they are typed, with the call's arguments shown.
    bool Completion = true;
    // [Edit] GroupDigits: decimal results are written with their integer digits in threes.
    bool GroupDigits = false;
    // [Edit] UndoTypedRuns: characters typed one after another on a line are one undo step.
    bool UndoTypedRuns = true;
    // [Edit] Totals: subtotal, total and average stand for sums of the results above a line.
    bool Totals = true;
    // [Edit] Units: a value may carry a unit in square brackets and be converted with "->".
    bool Units = true;
    // [Edit] Percent: "1200 + 10%" adds ten percent, numbers take 万 and 億, the tax functions
    // exist.
    bool Percent = true;
    // [Edit] TaxRate: the consumption tax rate in percent (0..99) that Tax uses by default.
    int32_t TaxRate = 10;
    // [Edit] TaxRounding: tax to whole yen, -1 down (切り捨て), 0 half up, 1 up.
    int32_t TaxRounding = -1;
    // [View] MyriadGrouping: results of 1万 and more are written with 万 and 億.
    bool MyriadGrouping = false;
    uint32_t Option = SettingsDefaults::Option;
    // COLORREF values, 0x00BBGGRR.
    uint32_t DefaultColor = SettingsDefaults::DefaultColor;
    uint32_t ResultColor = SettingsDefaults::ResultColor;
    uint32_t ErrorColor = SettingsDefaults::ErrorColor;
    uint32_t CommentColor = SettingsDefaults::CommentColor;
    FontData Font{0, 0, 0, std::u16string(SettingsDefaults::FaceName)};
};

}  // namespace numora
