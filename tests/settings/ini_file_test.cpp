#include <gtest/gtest.h>

#include <array>

#include "settings/IniFile.h"

namespace numora {
namespace {

TEST(ParseProfileInt, TakesLeadingDigits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"12abc", 12},      {"abc", 0},        {"", 0},
        {"  -3", -3},       {"+7", 7},         {"- 5", 0},
        {"0x10", 0},        {"--1", 0},        {"-2147483648", INT32_MIN},
        {"4294967295", -1}, {"4294967296", 0},  // wraps like the platform's reader
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseProfileInt(text), expected) << text;
}

TEST(IniFile, ReadsLikeTheProfileReader) {
    IniFile ini;
    ini.Parse(
        "; by hand\r\n[General]\r\nDataPath = C:\\Work \r\nQuoted=\"  padded  \"\r\n"
        "Single='x'\r\nEmpty=\r\nNoEquals\r\n;Top=5\r\nTop=1\r\ntop=2\r\n\r\n"
        "[ view ]\nlist=0\n[Other]\r\nKey=a=b\r\n");
    const std::array<const char*, 3> cases[] = {
        // section, key, value (nullptr: missing)
        {"general", "DATAPATH", "C:\\Work"},  // trimmed; names without regard to case
        {"General", "Quoted", "  padded  "},  // one pair of quotes removed
        {"General", "Single", "x"},
        {"General", "Empty", ""},
        {"General", "NoEquals", nullptr},
        {"Missing", "Key", nullptr},
        {"General", "Top", "1"},  // the first of two; the comment line is no key
        {"View", "List", "0"},
        {"Other", "Key", "a=b"},
    };
    for (const auto& [section, key, expected] : cases) {
        EXPECT_EQ(ini.GetString(section, key).value_or("<missing>"),
                  expected ? expected : "<missing>")
            << section << "/" << key;
    }
}

}  // namespace
}  // namespace numora
