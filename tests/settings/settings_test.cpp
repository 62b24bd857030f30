#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/SettingsFolder.h"
#include "tests/base/file_test_support.h"

namespace numora {
namespace {

// The file a Settings object writes, compared instead of its fields one by one.
std::string Saved(Settings s) {
    s.SetIniPath("saved.ini");
    std::filesystem::remove(s.IniPath);
    EXPECT_TRUE(s.Save());
    return test::ReadBytes(s.IniPath);
}

// One object loads every file in turn, so each case also shows that keys missing from its
// file fall back to their defaults.
TEST(Settings, LoadReadsValuesWithTheirRules) {
    const struct {
        const char* name;
        std::string ini;                        // empty: no file
        std::function<void(Settings&)> expect;  // applied to the defaults
    } cases[] = {
        {"no file", "", [](Settings&) {}},
        {"digits above", "[Edit]\nDigits=500", [](Settings& s) { s.Digits = 127; }},
        {"digits below", "[Edit]\nDigits=-3", [](Settings& s) { s.Digits = 0; }},
        {"names in any case, cut path",
         "[edit]\ndigits=12abc\n[VIEW]\nLIST=0\n[General]\nDataPath=" + std::string(2000, 'p'),
         [](Settings& s) { s.Digits = 12, s.List = false, s.DataPath.assign(1024, u'p'); }},
        {"garbage and empty", "[Edit]\nDigits=abc\nOption=\nErrorColor=x1",
         [](Settings& s) { s.Digits = 0, s.ErrorColor = 0; }},
        {"English", "[View]\nLanguage=EN", [](Settings& s) { s.Language = "en"; }},
        {"Japanese", "[View]\nLanguage=ja", [](Settings& s) { s.Language = "ja"; }},
        {"unknown language", "[View]\nLanguage=fr", [](Settings&) {}},
        {"undo typing one character at a time", "[edit]\nundotypedruns=0",
         [](Settings& s) { s.UndoTypedRuns = false; }},
        {"undo typing in runs, any non-zero", "[Edit]\nUndoTypedRuns=7", [](Settings&) {}},
        {"no totals", "[EDIT]\ntotals=0", [](Settings& s) { s.Totals = false; }},
        {"no units", "[Edit]\nUnits=0", [](Settings& s) { s.Units = false; }},
        {"percent off, tax at 8% rounded half up, grouped in 万",
         "[Edit]\nPercent=0\nTaxRate=8\nTaxRounding=0\n[View]\nMyriadGrouping=1",
         [](Settings& s) {
             s.Percent = false, s.TaxRate = 8, s.TaxRounding = 0, s.MyriadGrouping = true;
         }},
        {"tax rate clamped, unknown rounding", "[Edit]\nTaxRate=150\nTaxRounding=2",
         [](Settings& s) { s.TaxRate = 99; }},
        {"negative tax rate", "[Edit]\nTaxRate=-5\nTaxRounding=1",
         [](Settings& s) { s.TaxRate = 0, s.TaxRounding = 1; }},
        // A height no one can read keeps the font the caller put in, as 0 does.
        {"font height out of range", "[Font]\nHeight=-2147483648", [](Settings&) {}},
        {"font height too small", "[Font]\nHeight=2", [](Settings&) {}},
        {"font height too large", "[Font]\nHeight=-100000", [](Settings&) {}},
        // Last: Height and Weight 0 keep the font the caller put in.
        {"font",
         "[Font]\nHeight=0\nWeight=700\nItalic=257\nFaceName=" + std::string(30, 'F') +
             "\xF0\x9F\x98\x80",  // a surrogate pair past the limit is not split
         [](Settings& s) {
             s.Font.Weight = 700, s.Font.Italic = 1, s.Font.FaceName.assign(30, u'F');
         }},
    };
    test::TempFolder temp;
    const auto folder = temp.path() / "deep" / "cfg";
    Settings loaded(folder), defaults(folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(loaded.IniPath, folder / "Numora.ini");
    loaded.Font.Height = defaults.Font.Height = -12;  // as if the system font was put in
    loaded.Font.Weight = defaults.Font.Weight = 400;
    for (const auto& c : cases) {
        if (!c.ini.empty()) test::WriteBytes(loaded.IniPath, c.ini);
        loaded.Load();
        EXPECT_EQ(std::filesystem::exists(loaded.IniPath), !c.ini.empty()) << c.name;
        Settings expected = defaults;
        c.expect(expected);
        EXPECT_EQ(Saved(loaded), Saved(expected)) << c.name;
    }
    EXPECT_EQ(loaded.Font.FaceName, std::u16string(30, u'F'));  // writing would cut it too
}

TEST(Settings, SaveWritesEveryKeyInOrderAndKeepsOthers) {
    test::TempFolder temp;
    Settings s(temp.path());
    test::WriteBytes(s.IniPath,
                     "\xEF\xBB\xBF; top\r\n[General]\r\nExtra=1\r\n[view]\r\nlist=0\r\n; note\r\n"
                     "\r\n[Plugin]\r\nX=y");
    s.Load();
    s.List = true;
    s.DataPath = u"/home/u/計算\r\nTop=5";  // a value cannot add lines of its own
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(test::ReadBytes(s.IniPath),
              "; top\r\n[General]\r\nExtra=1\r\nDataPath=/home/u/\xE8\xA8\x88\xE7\xAE\x97\r\n"
              "Top=-2147483648\r\nLeft=-2147483648\r\nWidth=0\r\nHeight=0\r\n"
              "[view]\r\nList=1\r\n; note\r\nSplitterPos=-2147483648\r\nToolbar=1\r\n"
              "Status=1\r\nTopMost=0\r\nWordWrap=0\r\nLanguage=system\r\nMyriadGrouping=0\r\n\r\n[Plugin]\r\nX=y\r\n\r\n"
              "[Edit]\r\nDigits=32\r\nOption=3\r\nLivePreview=1\r\nAutoRecalculate=0\r\nCompletion=1\r\nGroupDigits=0\r\nUndoTypedRuns=1\r\nTotals=1\r\nUnits=1\r\nPercent=1\r\nTaxRate=10\r\nTaxRounding=-1\r\nDefaultColor=0\r\nResultColor=16711680\r\n"
              "ErrorColor=255\r\nCommentColor=32768\r\n\r\n"
              "[Font]\r\nHeight=0\r\nWeight=0\r\nItalic=0\r\nFaceName=Meiryo UI\r\n\r\n"
              "[Print]\r\nMarginLeft=1000\r\nMarginTop=1000\r\nMarginRight=1000\r\n"
              "MarginBottom=1000\r\n");
}

TEST(Settings, LoadAndSaveKeepEveryValue) {
    // Quoted texts, sizes that wrap past 32 bits and unknown option bits all come back.
    const std::string file =
        "[General]\r\nDataPath=\"  C:\\データ\\\"x\"  \"\r\nTop=-50\r\nLeft=-2147483648\r\n"
        "Width=-2147483648\r\nHeight=-2147483599\r\n\r\n[View]\r\nSplitterPos=250\r\n"
        "Toolbar=0\r\nList=0\r\nStatus=0\r\nTopMost=1\r\nWordWrap=1\r\nLanguage=en\r\nMyriadGrouping=1\r\n\r\n"
        "[Edit]\r\n"
        "Digits=100\r\nOption=-268435403\r\nLivePreview=1\r\nAutoRecalculate=0\r\nCompletion=1\r\nGroupDigits=0\r\nUndoTypedRuns=0\r\nTotals=0\r\nUnits=0\r\nPercent=0\r\nTaxRate=8\r\nTaxRounding=1\r\nDefaultColor=1193046\r\nResultColor=-1\r\n"
        "ErrorColor=1\r\nCommentColor=2\r\n\r\n[Font]\r\nHeight=-20\r\nWeight=700\r\nItalic=1\r\n"
        "FaceName=\"'MS Gothic'\"\r\n\r\n[Print]\r\nMarginLeft=1\r\nMarginTop=2\r\n"
        "MarginRight=3\r\nMarginBottom=4\r\n";
    test::TempFolder temp;
    Settings s(temp.path());
    test::WriteBytes(s.IniPath, file);
    s.Load();
    EXPECT_EQ(s.Option, 0xF0000035u);
    EXPECT_EQ(s.WindowRect, (IntRect{INT32_MIN, -50, 0, INT32_MAX}));
    s.SetIniPath("copy.ini");
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(test::ReadBytes(s.IniPath), file);
}

TEST(Settings, FailedSaveKeepsOldFile) {
    test::TempFolder temp;
    Settings s(temp.path());
    test::WriteBytes(s.IniPath, "[Edit]\r\nDigits=7\r\n");
    s.Load();
    s.Digits = 9;
    for (const test::WriteFault& fault : test::EveryWriteFault()) {
        {
            test::InjectedWriteFault inject(fault);
            EXPECT_FALSE(s.Save()) << fault.name;
        }
        EXPECT_EQ(test::ReadBytes(s.IniPath), "[Edit]\r\nDigits=7\r\n") << fault.name;
        EXPECT_EQ(test::EntryCount(temp.path()), 1u) << fault.name;
        EXPECT_EQ(s.Digits, 9) << fault.name;
    }
    EXPECT_FALSE(Settings(temp.path() / "never", false).Save());  // no folder, no file
}

TEST(Settings, StatusFormatSavedBits) {
    EXPECT_EQ(StatusFormatSavedValue(0x3F), 3);
    EXPECT_EQ(WithStatusFormatSaved(0x80000003u, 1), 0x80000007u);
}

#ifdef _WIN32
TEST(SettingsFolder, FollowsAppData) {
    test::TempFolder temp;
    const std::wstring old = _wgetenv(L"APPDATA") ? _wgetenv(L"APPDATA") : L"";
    _wputenv_s(L"APPDATA", temp.path().c_str());
    EXPECT_EQ(Settings().IniPath, temp.path() / "Numora" / "Numora.ini");
    // Without the variable, the user's roaming folder still, never the working folder.
    _wputenv_s(L"APPDATA", L"");
    const std::filesystem::path fallback = DefaultSettingsFolder();
    EXPECT_TRUE(fallback.is_absolute() && fallback.filename() == "Numora") << fallback;
    EXPECT_NE(fallback.parent_path(), std::filesystem::current_path());
    _wputenv_s(L"APPDATA", old.c_str());
}
#else
TEST(SettingsFolder, FollowsConfigHome) {
    test::TempFolder temp;
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", (temp.path() / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (temp.path() / "a").c_str(), 1);
    EXPECT_EQ(Settings().IniPath, temp.path() / "a" / "Numora" / "Numora.ini");
    for (const char* ignored : {"", "relative/dir"}) {
        ::setenv("XDG_CONFIG_HOME", ignored, 1);
        EXPECT_EQ(DefaultSettingsFolder(), temp.path() / "home" / ".config" / "Numora") << ignored;
    }
    ::setenv("HOME", oldHome.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
}
#endif

}  // namespace
}  // namespace numora
