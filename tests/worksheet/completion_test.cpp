// Help while typing as text: which name is being typed, what it may become, and which
// argument of which call the caret is in.
#include "worksheet/Completion.h"

#include <gtest/gtest.h>

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
        std::optional<std::string> call;  // "name/argument"
    };
    const Case cases[] = {
        {u"LogN(3;", "LogN/1"},
        {u"LogN(", "LogN/0"},
        {u"1 + hypot(sin(2); ", "hypot/1"},
        {u"hypot(sin(2", "sin/0"},
        {u"hypot(2; (1+2", "hypot/1"},  // plain parentheses are no call
        {u"f(a; g(b; c); ", "f/2"},
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
            EXPECT_EQ(Utf16ToUtf8(call->name) + "/" + std::to_string(call->argument), *c.call);
        }
    }
    EXPECT_EQ(SplitArguments(u" base;x ; "), (std::vector<std::u16string>{u"base", u"x", u""}));
    EXPECT_TRUE(SplitArguments(u" ").empty());
}

TEST(Completion, MatchesInTheirOwnCaseComeFirstThenShorterNames) {
    using Kind = CompletionItem::Kind;
    CompletionIndex builtins;
    builtins.Assign({{u"Sqrt", u"x", u"平方根", Kind::Builtin},
                     {u"Sqr", u"x", u"平方根", Kind::Builtin},
                     {u"Sin", u"Radian", u"正弦", Kind::Builtin}});
    CompletionIndex variables;
    std::vector<CompletionItem> names;
    for (const char16_t* name : {u"sq", u"SQ_total", u"square", u"sqrtx", u"other"}) {
        names.push_back({name, {}, {}, Kind::Variable});
    }
    variables.Assign(std::move(names));
    const auto names_of = [&](std::u16string_view typed, std::size_t limit) {
        std::vector<std::string> out;
        for (const auto& [index, item] : FindInAll({&builtins, &variables}, typed, limit)) {
            out.push_back(Utf16ToUtf8((index == 0 ? builtins : variables).Item(item).name));
        }
        return out;
    };
    EXPECT_EQ(names_of(u"sq", 10),
              (std::vector<std::string>{"sq", "sqrtx", "square", "Sqr", "Sqrt", "SQ_total"}));
    EXPECT_EQ(names_of(u"Sq", 3), (std::vector<std::string>{"Sqr", "Sqrt", "sq"}));
    EXPECT_TRUE(names_of(u"zz", 10).empty());
    // Many variables: the shortest, then by name.
    std::vector<CompletionItem> many;
    for (int i = 300; i >= 1; --i) many.push_back({u"v" + Utf8ToUtf16(std::to_string(i)), {}, {}, Kind::Variable});
    CompletionIndex lots;
    lots.Assign(std::move(many));
    std::vector<std::string> shortest;
    for (const std::size_t item : lots.Find(u"v", 11)) shortest.push_back(Utf16ToUtf8(lots.Item(item).name));
    EXPECT_EQ(shortest, (std::vector<std::string>{"v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8",
                                                  "v9", "v10", "v11"}));
    ASSERT_NE(builtins.Named(u"SQRT"), nullptr);
    EXPECT_EQ(builtins.Named(u"SQRT")->name, u"Sqrt");
}

}  // namespace
}  // namespace numora
