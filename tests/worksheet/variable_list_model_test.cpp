#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/VariableTable.h"
#include "worksheet/VariableList.h"

namespace numora {
namespace {

std::vector<std::u16string> Texts(const VariableListModel& list) {
    std::vector<std::u16string> out;
    for (const VariableListEntry& e : list.Entries()) out.push_back(e.text);
    return out;
}

// Feeds successful lines as (assigned names, value text) and checks the resulting list.
TEST(VariableListRefresh, KeepsOneSortedEntryPerVariable) {
    struct Line {
        std::vector<std::u16string> names;
        std::u16string value;
    };
    struct Case {
        const char* what;
        std::vector<Line> lines;
        std::vector<std::u16string> expected;
    };
    const Case cases[] = {
        {"later value replaces",
         {{{u"a"}, u"1"}, {{u"ab"}, u"2"}, {{u"a"}, u"3"}},
         {u"a=3", u"ab=2"}},
        {"sorted by name ignoring case",
         {{{u"b"}, u"1"}, {{u"C"}, u"2"}, {{u"a1"}, u"3"}, {{u"a"}, u"4"}, {{u"B2"}, u"5"}},
         {u"a=4", u"a1=3", u"b=1", u"B2=5", u"C=2"}},
        {"name keeps the spelling of the latest assignment",
         {{{u"Rate"}, u"1"}, {{u"rate"}, u"2"}, {{u"RATE"}, u"0.5"}},
         {u"RATE=0.5"}},
        {"every target of a chain gets the value", {{{u"y", u"x"}, u"6"}}, {u"x=6", u"y=6"}},
        {"a chain naming one variable twice leaves one entry", {{{u"a", u"A"}, u"2"}}, {u"A=2"}},
        {"a line assigning nothing changes nothing", {{{u"a"}, u"1"}, {{}, u"7"}}, {u"a=1"}},
        {"non-ASCII names", {{{u"税率"}, u"0.1"}, {{u"a"}, u"1"}}, {u"a=1", u"税率=0.1"}},
    };
    for (const Case& c : cases) {
        VariableListModel list;
        for (const Line& line : c.lines) list.Refresh(line.names, line.value, nullptr);
        EXPECT_EQ(Texts(list), c.expected) << c.what;
    }
}

TEST(VariableListRefresh, RemembersOnlyVariablesFoundInTheTable) {
    VariableTable table;
    table.Store(u"rate", Number(5));
    VariableListModel list;
    list.Refresh({u"Rate", u"ghost"}, u"5", &table);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Entries()[0], (VariableListEntry{u"ghost=5", u""}));
    EXPECT_EQ(list.Entries()[1], (VariableListEntry{u"Rate=5", u"rate"}));
}

TEST(VariableListInsert, GivesTheTrimmedName) {
    VariableListModel list;
    list.Refresh({u"rate", u" w\u3000"}, u"1=2", nullptr);
    ASSERT_EQ(Texts(list), (std::vector<std::u16string>{u" w\u3000=1=2", u"rate=1=2"}));
    EXPECT_EQ(list.InsertText(1), u"rate");
    EXPECT_EQ(list.InsertText(0), u"w");
    EXPECT_EQ(list.InsertText(std::nullopt), u"");
    EXPECT_EQ(list.InsertText(2), u"");
}

TEST(VariableListDelete, RemovesTheVariableFromTheTable) {
    VariableTable table;
    table.Store(u"a", Number(1));
    table.Store(u"b", Number(2));
    VariableListModel list;
    list.Refresh({u"A"}, u"1", &table);
    list.Refresh({u"b"}, u"2", &table);
    list.Refresh({u"c"}, u"3", &table);  // not in the table

    EXPECT_FALSE(list.Delete(3, &table));
    EXPECT_EQ(list.Count(), 3u);

    EXPECT_TRUE(list.Delete(0, &table));
    EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"b=2", u"c=3"}));
    EXPECT_EQ(table.Find(u"a"), nullptr);
    EXPECT_NE(table.Find(u"b"), nullptr);

    EXPECT_TRUE(list.Delete(1, &table));  // only from the list
    EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"b=2"}));
    EXPECT_EQ(table.Size(), 1u);
}

TEST(VariableListMove, DropsAboveTheEntryUnderThePointer) {
    struct Case {
        std::optional<std::size_t> source, target;
        std::optional<std::size_t> selected;
        std::vector<std::u16string> expected;
    };
    const std::optional<std::size_t> none;
    const Case cases[] = {
        {0, none, 3, {u"b=2", u"c=3", u"d=4", u"a=1"}},  // below the last entry: to the end
        {0, 3, 2, {u"b=2", u"c=3", u"a=1", u"d=4"}},
        {3, 0, 0, {u"d=4", u"a=1", u"b=2", u"c=3"}},
        {2, 1, 1, {u"a=1", u"c=3", u"b=2", u"d=4"}},
        {1, 1, none, {u"a=1", u"b=2", u"c=3", u"d=4"}},
        {1, 2, none, {u"a=1", u"b=2", u"c=3", u"d=4"}},  // just below itself
        {none, 2, none, {u"a=1", u"b=2", u"c=3", u"d=4"}},
        {7, 0, none, {u"a=1", u"b=2", u"c=3", u"d=4"}},
    };
    for (const Case& c : cases) {
        // Each entry has its own value so that a lost or duplicated entry shows.
        VariableListModel list;
        for (int i = 0; i < 4; ++i) {
            const std::u16string name(1, static_cast<char16_t>(u'a' + i));
            list.Refresh({name}, std::u16string(1, static_cast<char16_t>(u'1' + i)), nullptr);
        }
        EXPECT_EQ(list.Move(c.source, c.target), c.selected)
            << (c.source ? int(*c.source) : -1) << " -> " << (c.target ? int(*c.target) : -1);
        EXPECT_EQ(Texts(list), c.expected);
    }
}

TEST(VariableListMove, MovedEntriesStayAndKeepTheirVariable) {
    VariableTable table;
    for (const char16_t* name : {u"a", u"b", u"c"}) table.Store(name, Number(1));
    VariableListModel list;
    list.Refresh({u"a", u"b", u"c"}, u"1", &table);
    ASSERT_EQ(list.Move(0, std::nullopt), 2u);  // b c a

    // A new entry goes before the first entry that sorts after it; the moved one stays put.
    list.Refresh({u"bb"}, u"2", nullptr);
    EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"b=1", u"bb=2", u"c=1", u"a=1"}));
    // Replacing the moved variable re-sorts only that entry.
    list.Refresh({u"a"}, u"5", &table);
    EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"a=5", u"b=1", u"bb=2", u"c=1"}));

    ASSERT_EQ(list.Move(3, 0), 0u);  // c a b bb
    EXPECT_TRUE(list.Delete(0, &table));
    EXPECT_EQ(table.Find(u"c"), nullptr);
    EXPECT_EQ(table.Size(), 2u);
}

}  // namespace
}  // namespace numora
