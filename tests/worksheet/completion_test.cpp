// Help while typing as text: which name is being typed, what it may become, and which
// argument of which call the caret is in.
#include "worksheet/Completion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/Text.h"

namespace numora {
namespace {

TEST(Completion, TheNameBeingTypedEndsAtTheCaret) {
    struct Case {
        const char16_t* paragraph;
        std::int32_t column;
        std::optional<std::u16string> name;
    };
    const Case cases[] = {
        {u"sq", 2, u"sq"},
        {u"1 + sqr", 7, u"sqr"},
        {u"x = Log_2", 9, u"Log_2"},
        {u"2pi", 3, u"pi"},      // the digits of a number are no part of it
        {u"税率", 2, u"税率"},   // names in any script
        {u"ｓｑ", 2, u"ｓｑ"},   // full width, as the engine folds it
        {u"s", 1, std::nullopt},  // one letter is not enough
        {u"sqrt", 2, std::nullopt},  // inside a longer name
        {u"12", 2, std::nullopt},
        {u"1 // sq", 7, std::nullopt},  // a comment
        {u">sq", 3, std::nullopt},      // a result line
        {u"  > sq", 6, std::nullopt},
        {u"sin(x)", 6, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto typed = NameBeforeCaret(c.paragraph, c.column);
        ASSERT_EQ(typed.has_value(), c.name.has_value()) << Utf16ToUtf8(c.paragraph);
        if (typed) {
            EXPECT_EQ(typed->text, *c.name) << Utf16ToUtf8(c.paragraph);
        }
    }
}

TEST(Completion, TheCallAroundTheCaretAndItsArgument) {
    struct Case {
        const char16_t* paragraph;
        std::optional<std::string> call;  // "name/argument/column of its ("
    };
    const Case cases[] = {
        {u"LogN(3;", "LogN/1/4"},
        {u"LogN(", "LogN/0/4"},
        {u"1 + hypot(sin(2); ", "hypot/1/9"},
        {u"hypot(sin(2", "sin/0/9"},
        {u"hypot(2; (1+2", "hypot/1/5"},  // plain parentheses are no call
        {u"f(a; g(b; c); ", "f/2/1"},
        {u"sin(1) + 2", std::nullopt},  // the call is closed
        {u"(1 + 2", std::nullopt},
        {u"1 // sin(", std::nullopt},
        {u">sin(", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::u16string paragraph = c.paragraph;
        const auto call =
            CallAroundCaret(paragraph, static_cast<std::int32_t>(paragraph.size()));
        ASSERT_EQ(call.has_value(), c.call.has_value()) << Utf16ToUtf8(paragraph);
        if (call) {
            EXPECT_EQ(Utf16ToUtf8(call->name) + "/" + std::to_string(call->argument) + "/" +
                          std::to_string(call->open),
                      *c.call);
        }
    }
    EXPECT_EQ(SplitArguments(u" base;x ; "), (std::vector<std::u16string>{u"base", u"x", u""}));
    EXPECT_TRUE(SplitArguments(u" ").empty());
}

TEST(Completion, UsedNamesThenFunctionsThenTheMostUsedThenShorterNames) {
    using Kind = CompletionItem::Kind;
    const std::pair<const char16_t*, int> usages[] = {
        {u"Sqrt", 10}, {u"Sqr", 0},  {u"Sin", 9}, {u"Sinh", 0},  {u"Cos", 8}, {u"Cosh", 0},
        {u"Exp", 5},   {u"Exp2", 0}, {u"Log", 6}, {u"Log10", 2}, {u"Logb", 0}};
    std::vector<CompletionItem> items;
    for (const auto& [name, usage] : usages)
        items.push_back({name, u"x", {}, Kind::Builtin, usage});
    for (const char16_t* name : {u"sqr2", u"exp", u"pi"}) {
        items.push_back({name, {}, {}, Kind::Constant});
    }
    CompletionIndex builtins;
    builtins.Assign(std::move(items));
    CompletionIndex functions;
    functions.Assign(
        {{u"LogN", u"base; x", {}, Kind::UserFunction}, {u"SqFit", u"x", {}, Kind::UserFunction}});
    CompletionIndex variables;
    variables.Assign({{u"SQ_total", {}, {}, Kind::Variable}, {u"cosy", {}, {}, Kind::Variable}});

    struct Case {
        const char16_t* typed;
        std::vector<std::u16string> used;  // names the text uses, as keys
        bool withVariables;
        std::vector<std::string> best;
    };
    const Case cases[] = {
        {u"sq", {}, false, {"Sqrt", "Sqr", "SqFit", "sqr2"}},
        {u"SQ", {}, false, {"Sqrt", "Sqr", "SqFit", "sqr2"}},  // case never decides
        {u"s", {}, false, {"Sqrt", "Sin", "Sqr", "Sinh", "SqFit", "sqr2"}},
        {u"lo", {}, false, {"Log", "Log10", "Logb", "LogN"}},
        {u"ex", {}, false, {"Exp", "Exp2", "exp"}},  // the function before the constant
        {u"co", {}, false, {"Cos", "Cosh"}},
        {u"co", {u"cosh"}, false, {"Cosh", "Cos"}},
        {u"sq", {u"sqr2", u"pi"}, false, {"sqr2", "Sqrt", "Sqr", "SqFit"}},
        {u"sq", {u"sqfit"}, false, {"SqFit", "Sqrt", "Sqr", "sqr2"}},
        // The worksheet's variables were assigned by its lines.
        {u"sq", {}, true, {"SQ_total", "Sqrt", "Sqr", "SqFit", "sqr2"}},
        {u"co", {u"cos"}, true, {"Cos", "cosy", "Cosh"}},
        {u"zz", {}, true, {}},
    };
    for (const Case& c : cases) {
        std::vector<const CompletionIndex*> indexes{&builtins, &functions};
        if (c.withVariables) indexes.push_back(&variables);
        const CompletionContext context{[&](std::u16string_view key) {
            return std::find(c.used.begin(), c.used.end(), key) != c.used.end();
        }};
        std::vector<std::string> best;
        for (const auto& [index, item] : FindInAll(indexes, c.typed, 6, context)) {
            best.push_back(Utf16ToUtf8(indexes[index]->Item(item).name));
        }
        EXPECT_EQ(best, c.best) << Utf16ToUtf8(c.typed);
    }
    ASSERT_NE(builtins.Named(u"SQRT"), nullptr);
    EXPECT_EQ(builtins.Named(u"SQRT")->name, u"Sqrt");
    EXPECT_EQ(builtins.Named(u"exp")->kind, Kind::Builtin);
}

TEST(Completion, ManyVariablesGiveTheShortestFirst) {
    using Kind = CompletionItem::Kind;
    std::vector<CompletionItem> many;
    for (int i = 300; i >= 1; --i) many.push_back({u"v" + Utf8ToUtf16(std::to_string(i)), {}, {}, Kind::Variable});
    CompletionIndex lots;
    lots.Assign(std::move(many));
    std::vector<std::string> shortest;
    for (const std::size_t item : lots.Find(u"v", 11)) shortest.push_back(Utf16ToUtf8(lots.Item(item).name));
    EXPECT_EQ(shortest, (std::vector<std::string>{"v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8",
                                                  "v9", "v10", "v11"}));
}

TEST(Completion, TheNamesAParagraphUses) {
    struct Case {
        const char16_t* paragraph;
        std::vector<std::u16string> names;
    };
    const Case cases[] = {
        {u"sq_total = Sqrt(2) + sin(x)", {u"sq_total", u"sqrt", u"sin"}},  // one letter is left out
        {u"sin(sin(1))", {u"sin", u"sin"}},
        {u"2pi + ｓｉｎ(1)", {u"pi", u"sin"}},  // as the engine reads them
        {u"税率*2", {u"税率"}},
        {u"a = cosh(1) // tanh", {u"cosh"}},
        {u">sqrt(2)", {}},
        {u"  >Error : \"to\" is Not Variable", {}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NamesUsedIn(c.paragraph), c.names) << Utf16ToUtf8(c.paragraph);
    }

    // Paragraphs come and go; the name being typed is in the text once already.
    NameTally tally;
    tally.Add(NamesUsedIn(u"x = sin(1) + sq"));
    tally.Add(NamesUsedIn(u"sin(2)"));
    EXPECT_EQ(tally.Count(u"sin"), 2);
    EXPECT_FALSE(tally.UsedBesides(u"sq", NameKey(u"SQ")));
    EXPECT_TRUE(tally.UsedBesides(u"sin", NameKey(u"SQ")));
    tally.Add(NamesUsedIn(u"sq*2"));
    EXPECT_TRUE(tally.UsedBesides(u"sq", NameKey(u"SQ")));
    tally.Remove(NamesUsedIn(u"sin(2)"));
    tally.Remove(NamesUsedIn(u"sq*2"));
    EXPECT_EQ(tally.Count(u"sin"), 1);
    tally.Remove(NamesUsedIn(u"x = sin(1) + sq"));
    EXPECT_EQ(tally.Size(), 0u);
}

}  // namespace
}  // namespace numora
