#include <gtest/gtest.h>

#include "settings/IniFile.h"

namespace numora {
namespace {

TEST(ParseProfileInt, TakesLeadingDigits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"12abc", 12},
        {"abc", 0},
        {"-3", -3},
        {"+7", 7},
        {"  42", 42},
        {"- 5", 0},
        {"0x10", 0},
        {"1.9", 1},
        {"", 0},
        {"--1", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"4294967295", -1},
        {"4294967296", 0},  // wraps like the platform's reader
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseProfileInt(text), expected) << text;
}

TEST(IniFile, ReadsLikeTheProfileReader) {
    IniFile ini;
    ini.Parse(
        "; by hand\r\n[General]\r\nDataPath = C:\\Work \r\nQuoted=\"  padded  \"\r\n"
        "Single='x'\r\nEmpty=\r\nNoEquals\r\n;Top=5\r\nTop=1\r\ntop=2\r\n\r\n"
        "[ view ]\nlist=0\nNum=12abc\n[Other]\r\nKey=a=b\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* expected;  // nullptr: missing
    } cases[] = {
        {"general", "DATAPATH", "C:\\Work"},  // trimmed; names without regard to case
        {"General", "Quoted", "  padded  "},  // one pair of quotes removed
        {"General", "Single", "x"},
        {"General", "Empty", ""},
        {"General", "NoEquals", nullptr},
        {"General", "Top", "1"},  // the first of two; the comment line is no key
        {"View", "List", "0"},
        {"Other", "Key", "a=b"},
        {"Missing", "Key", nullptr},
    };
    for (const auto& c : cases) {
        const auto value = ini.GetString(c.section, c.key);
        EXPECT_EQ(value.value_or("<missing>"), c.expected ? c.expected : "<missing>")
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(ini.GetInt("View", "Missing", 7), 7);
    EXPECT_EQ(ini.GetInt("General", "Empty", 7), 7);
    EXPECT_EQ(ini.GetInt("General", "Single", 7), 0);
    EXPECT_EQ(ini.GetInt("View", "Num", 7), 12);
}

TEST(IniFile, WritingKeepsForeignLinesAndRewritesKnownKeys) {
    IniFile ini;
    ini.Parse("\xEF\xBB\xBF; top\n[View]\nlist=0\nMine=keep\n\n[Extra]\nFoo=bar\n");
    ini.SetInt("VIEW", "List", 1);          // existing key: its name is rewritten as given
    ini.SetInt("View", "Status", -5);       // new key: after the section's last key
    ini.SetString("New", "Face", "Arial");  // new section: at the end
    EXPECT_EQ(ini.Serialize(),
              "; top\r\n[View]\r\nList=1\r\nMine=keep\r\nStatus=-5\r\n\r\n"
              "[Extra]\r\nFoo=bar\r\n\r\n[New]\r\nFace=Arial\r\n");
}

TEST(IniFile, WrittenValuesReadBackUnchanged) {
    const char* cases[] = {
        "plain", "  lead", "trail  ", "\"quoted\"", "'single'", "", "a=b;c", "\xE6\x97\xA5",
    };
    for (const char* value : cases) {
        IniFile ini;
        ini.SetString("S", "K", value);
        IniFile back;
        back.Parse(ini.Serialize());
        EXPECT_EQ(back.GetString("S", "K").value_or("<missing>"), value) << value;
    }
    IniFile ini;  // a value cannot add lines of its own
    ini.SetString("S", "K", "cut\r\nOther=1\n");
    EXPECT_EQ(ini.Serialize(), "[S]\r\nK=cut\r\n");
}

}  // namespace
}  // namespace numora
