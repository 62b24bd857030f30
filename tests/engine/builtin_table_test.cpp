// The built-in function table: names, order, argument counts, text results and aliases.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/Builtins.h"

namespace numora {
namespace {

struct ExpectedRow {
    std::u16string_view Name;
    int Min;
    int Max;
    bool Text;
};

// In table order.
const std::vector<ExpectedRow> kExpected = {
    {u"date", 0, 1, false},      {u"time", 0, 1, false},      {u"now", 0, 1, false},
    {u"random", 0, 1, false},    {u"abs", 1, 1, false},       {u"int", 1, 1, false},
    {u"frac", 1, 1, false},      {u"ceil", 1, 1, false},      {u"floor", 1, 1, false},
    {u"round", 1, 1, false},     {u"trunc", 1, 1, false},     {u"exp", 1, 1, false},
    {u"exp2", 1, 1, false},      {u"ln", 1, 1, false},        {u"log2", 1, 1, false},
    {u"log", 1, 1, false},       {u"log10", 1, 1, false},     {u"sqrt", 1, 1, false},
    {u"sqr", 1, 1, false},       {u"cbrt", 1, 1, false},      {u"cbr", 1, 1, false},
    {u"sin", 1, 1, false},       {u"cos", 1, 1, false},       {u"tan", 1, 1, false},
    {u"asin", 1, 1, false},      {u"acos", 1, 1, false},      {u"atan", 1, 1, false},
    {u"sinh", 1, 1, false},      {u"cosh", 1, 1, false},      {u"tanh", 1, 1, false},
    {u"asinh", 1, 1, false},     {u"acosh", 1, 1, false},     {u"atanh", 1, 1, false},
    {u"deg", 1, 1, false},       {u"todeg", 1, 1, false},     {u"radtodeg", 1, 1, false},
    {u"not", 1, 1, false},       {u"logb", 1, 1, false},      {u"hex", 1, 1, true},
    {u"dayofweek", 1, 2, false}, {u"formattime", 1, 2, true}, {u"rad", 1, 3, false},
    {u"torad", 1, 3, false},     {u"degtorad", 1, 3, false},  {u"atan2", 2, 2, false},
    {u"scalbn", 2, 2, false},    {u"hypot", 2, 2, false},     {u"ldexp", 2, 2, false},
    {u"or", 2, 2, false},        {u"and", 2, 2, false},       {u"xor", 2, 2, false},
    {u"nor", 2, 2, false},       {u"nand", 2, 2, false},      {u"bsl", 2, 2, false},
    {u"bsr", 2, 2, false},       {u"bit", 2, 2, false},       {u"incmonth", 2, 3, false},
    {u"format", 2, 3, true},     {u"todate", 3, 4, false},    {u"totime", 3, 4, false},
    {u"timespan", 4, 4, false},  {u"unixtime", 6, 6, false},  {u"exceltime", 6, 6, false},
};

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(BuiltinTable, RowsInOrderWithTheirCounts) {
    const std::vector<BuiltinFunction>& table = BuiltinTable();
    ASSERT_EQ(table.size(), 63u);
    ASSERT_EQ(kExpected.size(), 63u);
    for (size_t i = 0; i < kExpected.size(); ++i) {
        const ExpectedRow& want = kExpected[i];
        SCOPED_TRACE(Narrow(want.Name));
        EXPECT_EQ(table[i].Name, want.Name) << "row " << i + 1;
        const BuiltinFunction* found = FindBuiltin(want.Name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found, &table[i]);
        EXPECT_EQ(found->MinParams, want.Min);
        EXPECT_EQ(found->MaxParams, want.Max);
        EXPECT_EQ(found->ReturnsText, want.Text);
        // Exactly one calling shape, the one the text flag selects.
        EXPECT_EQ(found->Impl != nullptr, !want.Text);
        EXPECT_EQ(found->TextImpl != nullptr, want.Text);
    }
}

TEST(BuiltinTable, LookupIsByExactLowerCaseName) {
    const std::u16string_view misses[] = {u"Sin",  u"SQRT", u"sin ", u"",     u"si",
                                          u"sine", u"pi",   u"e",    u"log1", u"atan2x"};
    for (std::u16string_view name : misses) {
        EXPECT_EQ(FindBuiltin(name), nullptr) << Narrow(name);
    }
}

TEST(BuiltinTable, AliasesShareOneImplementation) {
    const std::vector<std::vector<std::u16string_view>> groups = {
        {u"log", u"log10"},
        {u"sqrt", u"sqr"},
        {u"cbrt", u"cbr"},
        {u"deg", u"todeg", u"radtodeg"},
        {u"rad", u"torad", u"degtorad"},
    };
    for (const auto& group : groups) {
        const BuiltinFunction* first = FindBuiltin(group[0]);
        ASSERT_NE(first, nullptr);
        for (std::u16string_view alias : group) {
            const BuiltinFunction* row = FindBuiltin(alias);
            ASSERT_NE(row, nullptr) << Narrow(alias);
            EXPECT_EQ(row->Impl, first->Impl) << Narrow(alias);
            EXPECT_EQ(row->MinParams, first->MinParams) << Narrow(alias);
            EXPECT_EQ(row->MaxParams, first->MaxParams) << Narrow(alias);
        }
    }
}

TEST(BuiltinTable, FiftySixImplementationsServeTheSixtyThreeNames) {
    std::set<BuiltinImpl> values;
    std::set<BuiltinTextImpl> texts;
    for (const BuiltinFunction& row : BuiltinTable()) {
        if (row.Impl != nullptr) values.insert(row.Impl);
        if (row.TextImpl != nullptr) texts.insert(row.TextImpl);
    }
    EXPECT_EQ(values.size() + texts.size(), 56u);
}

}  // namespace
}  // namespace numora
