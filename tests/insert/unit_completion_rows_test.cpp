// The completion list's rows for units: the help of every row of the unit table, and of the
// units with a prefix, which no table holds.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engine/UnitTable.h"
#include "shell/insert/UnitCompletionRows.h"
#include "shell/insert/UnitHelpTable.h"
#include "tests/support/qt_app_support.h"

namespace numora {
namespace {

// A unit with a prefix is named by the prefix's word and the unit's: every prefix has one.
TEST(UnitCompletionRows, EveryPrefixHasItsWord) {
    for (const UnitPrefix& prefix : UnitPrefixes()) {
        EXPECT_TRUE(std::any_of(UnitPrefixWords().begin(), UnitPrefixWords().end(),
                                [&](const UnitPrefixWord& w) { return w.prefix == prefix.Name; }))
            << Utf16ToUtf8(prefix.Name);
    }
}

TEST(UnitCompletionRows, EachRowIsTheNameAndItsHelp) {
    test::App();
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"尺", "尺 (しゃく) = 10/33 m"},    {u"ft", "フィート = 12 in"},
        {u"km", "キロメートル = 1000 m"},    {u"cm", "センチメートル = 0.01 m"},
        {u"hPa", "ヘクトパスカル = 100 Pa"}, {u"kWh", "キロワット時 = 1000 Wh"},
        {u"GHz", "ギガヘルツ = 10⁹ Hz"},     {u"ns", "ナノ秒 = 10⁻⁹ s"},
        {u"mK", "ミリケルビン = 0.001 K"},
    };
    for (const auto& [name, help] : cases) {
        const std::vector<CompletionRow> rows = UnitCompletionRows(name, 1);
        ASSERT_EQ(rows.size(), 1u) << Utf16ToUtf8(name);
        EXPECT_EQ(rows[0].name, QString::fromStdU16String(name));
        EXPECT_EQ(rows[0].signature, rows[0].name);
        EXPECT_EQ(rows[0].help.toStdString(), help);
        EXPECT_TRUE(rows[0].unit);
        EXPECT_FALSE(rows[0].function);
    }
}

}  // namespace
}  // namespace numora
