#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CalcEngine.h"
#include "base/Text.h"
#include "engine/VariableTable.h"
#include "worksheet/VariableList.h"

namespace numora {
namespace {

using Texts = std::vector<std::u16string>;

Texts TextsOf(const VariableListModel& list) {
    Texts out;
    for (const VariableListEntry& e : list.Entries()) out.push_back(e.text);
    return out;
}

// Successful lines as (assigned names, value text), then the list they leave.
TEST(VariableList, RefreshKeepsOneSortedEntryPerVariable) {
    using Line = std::pair<std::vector<std::u16string>, std::u16string>;
    const std::pair<std::vector<Line>, Texts> cases[] = {
        {{{{u"a"}, u"1"}, {{u"ab"}, u"2"}, {{u"a"}, u"3"}}, {u"a=3", u"ab=2"}},
        {{{{u"b"}, u"1"}, {{u"C"}, u"2"}, {{u"a1"}, u"3"}, {{u"a"}, u"4"}, {{u"B2"}, u"5"}},
         {u"a=4", u"a1=3", u"b=1", u"B2=5", u"C=2"}},
        {{{{u"Rate"}, u"1"}, {{u"RATE"}, u"0.5"}}, {u"RATE=0.5"}},
        {{{{u"y", u"x"}, u"6"}, {{}, u"7"}}, {u"x=6", u"y=6"}},
        {{{{u"税率"}, u"0.1"}, {{u"a"}, u"1"}}, {u"a=1", u"税率=0.1"}},
    };
    for (const auto& [lines, expected] : cases) {
        VariableListModel list;
        for (const auto& [names, value] : lines) list.Refresh(names, value, nullptr);
        EXPECT_EQ(TextsOf(list), expected);
    }
}

TEST(VariableList, DropMovesAboveTheEntryUnderThePointer) {
    using Index = std::optional<std::size_t>;
    const std::tuple<Index, Index, Index, Texts> cases[] = {
        {0, {}, 3, {u"b=2", u"c=3", u"d=4", u"a=1"}},  // below the last entry: to the end
        {0, 3, 2, {u"b=2", u"c=3", u"a=1", u"d=4"}},   {3, 0, 0, {u"d=4", u"a=1", u"b=2", u"c=3"}},
        {1, 2, {}, {u"a=1", u"b=2", u"c=3", u"d=4"}},  // just below itself
        {{}, 2, {}, {u"a=1", u"b=2", u"c=3", u"d=4"}},
    };
    for (const auto& [source, target, selected, expected] : cases) {
        VariableListModel list;
        for (char16_t i = 0; i < 4; ++i) {
            list.Refresh({std::u16string(1, u'a' + i)}, std::u16string(1, u'1' + i), nullptr);
        }
        EXPECT_EQ(list.Move(source, target), selected);
        EXPECT_EQ(TextsOf(list), expected);
    }
}

TEST(VariableList, InsertDeleteAndMovedEntries) {
    VariableTable table;
    for (const char16_t* name : {u"a", u"b", u"rate"}) table.Store(name, Number(1));
    VariableListModel list;
    list.Refresh({u"Rate", u"a", u"b", u"c"}, u"1", &table);  // c is not in the table
    list.Refresh({u" w\u3000"}, u"2", nullptr);
    ASSERT_EQ(TextsOf(list), (Texts{u" w\u3000=2", u"a=1", u"b=1", u"c=1", u"Rate=1"}));

    EXPECT_EQ(list.InsertText(4), u"Rate");
    EXPECT_EQ(list.InsertText(0), u"w");
    EXPECT_EQ(list.InsertText(std::nullopt), u"");

    // A moved entry stays where it was dropped; new entries go before the first entry that
    // sorts after them.
    ASSERT_EQ(list.Move(1, std::nullopt), 4u);
    list.Refresh({u"bb"}, u"3", nullptr);
    EXPECT_EQ(TextsOf(list), (Texts{u" w\u3000=2", u"b=1", u"bb=3", u"c=1", u"Rate=1", u"a=1"}));

    EXPECT_FALSE(list.Delete(6, &table));
    EXPECT_TRUE(list.Delete(5, &table));
    EXPECT_TRUE(list.Delete(3, &table));
    EXPECT_EQ(table.Find(u"a"), nullptr);
    EXPECT_EQ(table.Size(), 2u);
    EXPECT_EQ(list.Count(), 4u);
}

// The list fed from the engine after each successful line, as the main window does.
TEST(VariableList, FollowsTheEngine) {
    CalcEngine engine;
    VariableListModel list;
    for (std::u16string line : {u"a=1", u"ab=2", u"Rate = x = 1/4", u"a=3", u"1/0", u"A=ab"}) {
        std::int32_t position = 0;
        if (engine.Evaluate(line, position) == 0) list.Refresh(engine);
    }
    EXPECT_EQ(TextsOf(list), (Texts{u"A=2", u"ab=2", u"Rate=0.25", u"x=0.25"}));
}

// Lines calculated again may take a variable back (a line removed) or give it an older value;
// the list ends up agreeing with the table, and a calculation from the top starts it afresh.
TEST(VariableList, FollowsLinesCalculatedAgain) {
    CalcEngine engine;
    engine.SetDigits(10);
    VariableTable& table = engine.GetVariables();
    VariableListModel list;
    list.Refresh({u"Gone"}, u"1", nullptr);  // never in the table: stays as it is
    table.Store(u"a", Number(2));
    table.Store(u"rate", Number(5));
    table.Store(u"old", Number(7));
    list.Refresh({u"a"}, u"9", &table);
    list.Refresh({u"old"}, u"7", &table);
    table.Remove(u"old");
    list.Follow({{{u"Rate"}, u"5"}}, false, engine, {u"a", u"old", u"gone"});
    EXPECT_EQ(TextsOf(list), (Texts{u"a=2", u"Gone=1", u"Rate=5"}));
    list.Follow({{{u"b"}, u"3"}}, true, engine);
    EXPECT_EQ(TextsOf(list), (Texts{u"b=3"}));
}

// The rows a view keeps by applying the changes one by one, or all entries when it is told to.
void ApplyChanges(VariableListModel& list, Texts& rows) {
    std::vector<VariableListChange> changes;
    if (!list.TakeChanges(changes)) {
        rows = TextsOf(list);
        return;
    }
    for (const VariableListChange& change : changes) {
        const auto at = rows.begin() + static_cast<std::ptrdiff_t>(change.index);
        switch (change.kind) {
            case VariableListChange::Kind::Replaced:
                *at = change.text;
                break;
            case VariableListChange::Kind::Inserted:
                rows.insert(at, change.text);
                break;
            case VariableListChange::Kind::Removed:
                rows.erase(at);
                break;
        }
    }
}

// Many lines taken in at once leave the list that one Refresh after another leaves, sorted or
// after a drag, and a view that follows the changes shows the same rows.
TEST(VariableList, ManyLinesAtOnceAsOneAfterAnother) {
    std::vector<LineAssignment> lines;
    for (int i = 0; i < 3000; ++i) {
        const int n = (i * 7919) % 1200;  // names come back, in no order
        std::u16string name = (i % 3 == 0 ? u"Y" : u"y") + Utf8ToUtf16(std::to_string(n));
        std::vector<std::u16string> names{name};
        if (n % 5 == 0) names.push_back(u"z" + Utf8ToUtf16(std::to_string(n / 5)));
        lines.push_back({names, Utf8ToUtf16(std::to_string(i))});
    }
    for (const bool dragged : {false, true}) {
        for (const std::size_t count : {std::size_t{10}, lines.size()}) {
            const std::vector<LineAssignment> some(lines.begin(), lines.begin() + count);
            VariableListModel one, many;
            Texts rows;
            for (VariableListModel* list : {&one, &many}) {
                list->Refresh({u"m"}, u"1", nullptr);
                list->Refresh({u"a"}, u"2", nullptr);
                if (dragged) list->Move(0, std::nullopt);
            }
            ApplyChanges(many, rows);
            for (const LineAssignment& line : some) one.Refresh(line.names, line.valueText, nullptr);
            many.Assign(some, nullptr);
            ApplyChanges(many, rows);
            EXPECT_EQ(TextsOf(many), TextsOf(one)) << dragged << " " << count;
            EXPECT_EQ(rows, TextsOf(many)) << dragged << " " << count;
            // One more line changes a row or two, not all of them.
            many.Refresh({u"m", u"new"}, u"9", nullptr);
            std::vector<VariableListChange> changes;
            EXPECT_TRUE(many.TakeChanges(changes));
            EXPECT_EQ(changes.size(), dragged ? 3u : 2u);
        }
    }
}

}  // namespace
}  // namespace numora
