#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "settings/Settings.h"
#include "settings/SettingsFolder.h"
#include "tests/settings/TestFiles.h"

namespace numora {
namespace {

auto Fields(const Settings& s) {
    const IntRect& w = s.WindowRect;
    return std::make_tuple(std::u16string_view(s.DataPath), w.left, w.top, w.right, w.bottom,
                           s.SplitterPos, s.Toolbar, s.List, s.Status, s.TopMost, s.WordWrap,
                           s.PrintMargins.left, s.PrintMargins.top, s.PrintMargins.right,
                           s.PrintMargins.bottom, s.Digits, s.Option, s.DefaultColor, s.ResultColor,
                           s.ErrorColor, s.CommentColor, s.Font.Height, s.Font.Weight,
                           s.Font.Italic, std::u16string_view(s.Font.FaceName));
}

TEST(Settings, DefaultsWithoutFile) {
    test::TempFolder temp;
    const auto folder = temp.path() / "deep" / "cfg";
    Settings s(folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(s.IniPath, folder / "Numora.ini");
    EXPECT_EQ(s.UntitledPath(), folder / "Untitled.txt");
    s.Load();
    EXPECT_FALSE(std::filesystem::exists(s.IniPath));
    EXPECT_TRUE(Fields(s) == std::make_tuple(u"", INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN,
                                             INT32_MIN, true, true, true, false, false, 1000, 1000,
                                             1000, 1000, 32, 3u, 0u, 0xFF0000u, 0xFFu, 0x8000u, 0,
                                             0, uint8_t{0}, u"Meiryo UI"));
}

TEST(Settings, LoadReadsValuesWithTheirRules) {
    const struct {
        const char* name;
        std::string ini;
        std::function<void(Settings&)> expect;  // applied to the defaults
    } cases[] = {
        {"digits above", "[Edit]\nDigits=500", [](Settings& s) { s.Digits = 127; }},
        {"digits below", "[Edit]\nDigits=-3", [](Settings& s) { s.Digits = 0; }},
        {"digits garbage", "[Edit]\nDigits=abc", [](Settings& s) { s.Digits = 0; }},
        {"digits leading", "[edit]\ndigits=12abc", [](Settings& s) { s.Digits = 12; }},
        {"list lower case", "[view]\nlist=0", [](Settings& s) { s.List = false; }},
        {"width 0", "[General]\nLeft=100\nWidth=0",
         [](Settings& s) { s.WindowRect.left = s.WindowRect.right = 100; }},
        {"font 0 keeps", "[Font]\nHeight=0\nWeight=0", [](Settings&) {}},
        {"font set", "[Font]\nHeight=-16\nWeight=700",
         [](Settings& s) { s.Font.Height = -16, s.Font.Weight = 700; }},
        {"italic low byte", "[Font]\nItalic=257", [](Settings& s) { s.Font.Italic = 1; }},
        {"face cut", "[Font]\nFaceName=" + std::string(40, 'F'),
         [](Settings& s) { s.Font.FaceName = std::u16string(31, u'F'); }},
        {"face surrogate not split",
         "[Font]\nFaceName=" + std::string(30, 'F') + "\xF0\x9F\x98\x80",
         [](Settings& s) { s.Font.FaceName = std::u16string(30, u'F'); }},
        {"path cut", "[General]\nDataPath=" + std::string(2000, 'p'),
         [](Settings& s) { s.DataPath = std::u16string(1024, u'p'); }},
        {"option high bit", "[Edit]\nOption=-2147483615",
         [](Settings& s) { s.Option = 0x80000021; }},
        {"margins", "[Print]\nMarginLeft=5\nMarginBottom=-1",
         [](Settings& s) { s.PrintMargins.left = 5, s.PrintMargins.bottom = -1; }},
    };
    test::TempFolder temp;
    for (const auto& c : cases) {
        Settings loaded(temp.path()), expected(temp.path());
        loaded.Font.Height = expected.Font.Height = -12;  // as if the system font was put in
        loaded.Font.Weight = expected.Font.Weight = 400;
        test::WriteBytes(loaded.IniPath, c.ini);
        loaded.Load();
        c.expect(expected);
        EXPECT_TRUE(Fields(loaded) == Fields(expected)) << c.name;
    }
}

TEST(Settings, SaveWritesEveryKeyInOrderAndKeepsOthers) {
    test::TempFolder temp;
    Settings s(temp.path());
    test::WriteBytes(s.IniPath,
                     "[General]\r\nExtra=1\r\n[view]\r\nlist=0\r\n; note\r\n\r\n[Plugin]\r\nX=y");
    s.Load();
    EXPECT_FALSE(s.List);
    s.List = true;
    s.DataPath = u"/home/u/計算";
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(test::ReadBytes(s.IniPath),
              "[General]\r\nExtra=1\r\nDataPath=/home/u/\xE8\xA8\x88\xE7\xAE\x97\r\n"
              "Top=-2147483648\r\nLeft=-2147483648\r\nWidth=0\r\nHeight=0\r\n"
              "[view]\r\nList=1\r\n; note\r\nSplitterPos=-2147483648\r\nToolbar=1\r\n"
              "Status=1\r\nTopMost=0\r\nWordWrap=0\r\n\r\n[Plugin]\r\nX=y\r\n\r\n"
              "[Edit]\r\nDigits=32\r\nOption=3\r\nDefaultColor=0\r\nResultColor=16711680\r\n"
              "ErrorColor=255\r\nCommentColor=32768\r\n\r\n"
              "[Font]\r\nHeight=0\r\nWeight=0\r\nItalic=0\r\nFaceName=Meiryo UI\r\n\r\n"
              "[Print]\r\nMarginLeft=1000\r\nMarginTop=1000\r\nMarginRight=1000\r\n"
              "MarginBottom=1000\r\n");
}

TEST(Settings, SaveAndLoadRoundTrip) {
    test::TempFolder temp;
    Settings s(temp.path());
    s.DataPath = u"  C:\\データ\\\"x\"  ";
    s.WindowRect = {INT32_MIN, -50, 0, INT32_MAX};  // sizes beyond 32 bits wrap and come back
    s.SplitterPos = 250;
    s.Toolbar = s.List = s.Status = false;
    s.TopMost = s.WordWrap = true;
    s.PrintMargins = {1, 2, 3, 4};
    s.Digits = 100;
    s.Option = 0xF0000035u;  // unknown bits travel with the known ones
    s.DefaultColor = 0x123456;
    s.ResultColor = 0xFFFFFFFFu;
    s.ErrorColor = 1;
    s.CommentColor = 2;
    s.Font = {-20, 700, 1, u"ＭＳ ゴシック"};
    ASSERT_TRUE(s.Save());
    Settings back(temp.path());
    back.Load();
    EXPECT_TRUE(Fields(back) == Fields(s));

    s.Digits = 255;  // the options dialog allows it; kept for the run, clamped at next start
    ASSERT_TRUE(s.Save());
    EXPECT_NE(test::ReadBytes(s.IniPath).find("Digits=255\r\n"), std::string::npos);
    back.Load();
    EXPECT_EQ(back.Digits, 127);
}

TEST(Settings, FailedSaveKeepsOldFile) {
    test::TempFolder temp;
    Settings s(temp.path());
    test::WriteBytes(s.IniPath, "[Edit]\r\nDigits=7\r\n");
    s.Load();
    {
        test::FileSizeLimit limit(64);
        EXPECT_FALSE(s.Save());
    }
    EXPECT_EQ(test::ReadBytes(s.IniPath), "[Edit]\r\nDigits=7\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);

    Settings gone(temp.path() / "never", false);  // no folder: defaults, failed write
    EXPECT_FALSE(std::filesystem::exists(gone.SettingsFolder));
    EXPECT_FALSE(gone.Save());
    gone.Load();
    EXPECT_EQ(gone.Digits, 32);
}

TEST(Settings, StatusFormatSavedBits) {
    EXPECT_EQ(StatusFormatSavedValue(0x3F), 3);
    EXPECT_EQ(WithStatusFormatSaved(0x80000003u, 1), 0x80000007u);
}

TEST(SettingsFolder, FollowsConfigHomeAndIsCreated) {
    test::TempFolder temp;
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", (temp.path() / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (temp.path() / "a" / "b").c_str(), 1);
    Settings s;
    EXPECT_EQ(s.IniPath, temp.path() / "a" / "b" / "Numora" / "Numora.ini");
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "a" / "b" / "Numora"));
    for (const char* ignored : {"", "relative/dir"}) {
        ::setenv("XDG_CONFIG_HOME", ignored, 1);
        EXPECT_EQ(DefaultSettingsFolder(), temp.path() / "home" / ".config" / "Numora") << ignored;
    }
    ::setenv("HOME", oldHome.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
}

}  // namespace
}  // namespace numora
