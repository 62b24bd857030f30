// Calls of built-in and user functions, and the table behind them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/Builtins.h"
#include "engine/FunctionCall.h"

namespace numora::test {
namespace {

class CallTest : public EngineTest {};

TEST_F(CallTest, ArgumentListAndCountMessages) {
    const std::string upTo1 = "Error : Invalid Function Parameter (Up to 1 Parameter(s))";
    // clang-format off
    ExpectErrors({
        {"sin(1;2)", -1, upTo1, 0}, {"1 + SIN (1;2)", -1, upTo1, 4}, {"date(1;2)", -1, upTo1, 0},
        {"atan2(1)", -1, "Error : Invalid Function Parameter (2 Parameters Required)", 0},
        {"unixtime(1;2)", -1, "Error : Invalid Function Parameter (6 Parameters Required)", 0},
        {"todate(2024;1)", -1,
         "Error : Invalid Function Parameter (Minimum of 3 Parameters Required)", 0},
        {"rad(1;2;3;4)", -1, "Error : Invalid Function Parameter (Up to 3 Parameter(s))", 0},
        {"sin()", -1, "Error : No Function Parameter", 0},
        {"2*Sqrt( )", -1, "Error : No Function Parameter", 2},
        {"sin(1;)", -1, "Error : No Function Parameter", 6},
        {"atan2(; )", -1, "Error : No Function Parameter", 6},
        {"todate(1; ;3)", -1, "Error : No Function Parameter", 9},
        {"sin((1)", -1, "Error : Invalid Function Parenthesis", 7},
        {"sin(1/0)", -1, "Error : Division by zero", 7},
        {"atan2(1; 2*)", -1, "Error : Illegal Expression", 11},
        {"atan2((1;2); 2)", -1, "Error : \";2\" is Not Variable", 8},
        {"3*Undefined (1)", -1, "Error : \"undefined\" is Not Function", 2},
        {"undefined(1/0)", -1, "Error : Division by zero", 13},
    });
    // clang-format on
    ExpectValues({{"abs(-2)+abs( 3 ;)", "Error : No Function Parameter"},
                  {"abs((2+3)*-1,5)", "75"},
                  {"date()*0", "0"}});
}

TEST_F(CallTest, TopLevelTextIsFollowedByTheValue) {
    const std::string hex = Text("hex(255)");
    ASSERT_GT(hex.size(), 7u);
    EXPECT_EQ(hex.substr(hex.size() - 7), " (@255)");
    EXPECT_EQ(Text("hex(255)*2"), hex.substr(0, hex.size() - 7) + " (@510)");
    EXPECT_EQ(Text("abs(hex(255))"), "255");  // a nested call's text is dropped
    EXPECT_EQ(Text("@"), "255");
    // An unknown function reports itself even after a top-level call left a text.
    ExpectErrors({{"hex(255)+nosuch(1)", -1, "Error : \"nosuch\" is Not Function", 9}});
}

TEST_F(CallTest, UserFunctionsSeeOnlyTheirParameters) {
    AddUserFunction("sq", {"x"}, "x*x");
    AddUserFunction("Twice", {"X"}, "x*2");
    AddUserFunction("hyp2", {"a", "b"}, "sq(a)+sq(b)");
    AddUserFunction("usey", {"x"}, "x+y");
    AddUserFunction("noargs", {}, "1");
    AddUserFunction("dup", {"p", "P"}, "p");
    AddUserFunction("abs", {"x"}, "42");  // hidden by the built-in
    ASSERT_EQ(Run("y = 100").Status, 0);
    // clang-format off
    ExpectValues({
        {"sq(3)", "9"}, {"SQ (4)+1", "17"}, {"twice(3)", "6"}, {"TWICE(sq(2))", "8"},
        {"hyp2(3;4)", "25"}, {"sq(2)*sq(3)", "36"}, {"dup(1;2)", "2"}, {"abs(-1)", "1"},
        {"sq(y)", "10000"}, {"x = sq(5)", "25"}, {"x", "25"},
    });
    // clang-format on
    ExpectErrors({
        {"sq()", -1, "Error : No Function Parameter", 0},
        {"1+sq(1;2)", -1, "Error : Invalid Function Parameter (1 Parameter(s))", 2},
        {"noargs()", -1, "Error : Invalid Function Parameter (0 Parameter(s))", 0},
        {"usey(1)", -1, "Error : \"y\" is Not Variable (User Function)", 0},
        {"2*hyp2(1;usey(1))", -1, "Error : \"y\" is Not Variable (User Function)", 9},
    });
    EXPECT_TRUE(engine.GetActiveCalls().empty());
}

TEST_F(CallTest, RecursionIsRefusedButRepeatedCallsAreNot) {
    AddUserFunction("r", {"x"}, "r(x)");
    AddUserFunction("ping", {"x"}, "pong(x)+1");
    AddUserFunction("pong", {"x"}, "ping(x)");
    AddUserFunction("f", {"x"}, "x+1");
    AddUserFunction("g", {"x"}, "f(x)*f(x)");
    // clang-format off
    ExpectValues({
        {"r(1)", "Error : Multiple Fuction Call (User Function)"},
        {"ping(1)", "Error : Multiple Fuction Call (User Function) (User Function)"},
        {"f(f(1))", "3"}, {"f(1)+f(2)", "5"}, {"g(g(1))", "25"},
    });
    // clang-format on
    EXPECT_TRUE(engine.GetActiveCalls().empty());
}

TEST_F(CallTest, NestingDepthIsBounded) {
    auto nested = [](const std::string& name, int depth) {
        std::string line;
        for (int i = 0; i < depth; ++i) line += name + "(";
        return line + "1" + std::string(static_cast<std::size_t>(depth), ')');
    };
    EXPECT_EQ(Run(nested("abs", 200)).Status, 0);
    ExpectErrors({{nested("abs", 201), -1, "Error : Function Calls Nested Too Deeply", 800}});
    AddUserFunction("id", {"x"}, "x");
    ExpectValues({{nested("id", 300), "Error : Function Calls Nested Too Deeply"}});
    EXPECT_TRUE(engine.GetActiveCalls().empty());
}

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(BuiltinTable, EveryNameFindsItsOwnRowWithOneCallingShape) {
    const std::vector<BuiltinFunction>& table = BuiltinTable();
    ASSERT_EQ(table.size(), 63u);
    std::set<BuiltinImpl> values;
    std::set<BuiltinTextImpl> texts;
    std::set<BuiltinEngineImpl> stateful;
    for (const BuiltinFunction& row : table) {
        EXPECT_EQ(FindBuiltin(row.Name), &row) << Narrow(row.Name);
        EXPECT_LE(row.MinParams, row.MaxParams) << Narrow(row.Name);
        const int shapes =
            (row.Impl != nullptr) + (row.TextImpl != nullptr) + (row.EngineImpl != nullptr);
        EXPECT_EQ(shapes, 1) << Narrow(row.Name);
        EXPECT_EQ(row.TextImpl != nullptr, row.ReturnsText) << Narrow(row.Name);
        if (row.Impl != nullptr) values.insert(row.Impl);
        if (row.TextImpl != nullptr) texts.insert(row.TextImpl);
        if (row.EngineImpl != nullptr) stateful.insert(row.EngineImpl);
    }
    EXPECT_EQ(values.size() + texts.size() + stateful.size(), 56u);
    for (std::u16string_view miss : {u"Sin", u"sin ", u"", u"si", u"pi", u"atan2x"}) {
        EXPECT_EQ(FindBuiltin(miss), nullptr) << Narrow(miss);
    }
}

TEST_F(CallTest, AliasesBehaveAlike) {
    const std::string pi = "3.1415926535897932384626433832795";
    // clang-format off
    ExpectValues({
        {"log(1000)", "3"}, {"log10(1000)", "3"}, {"sqrt(16)", "4"}, {"sqr(16)", "4"},
        {"cbrt(-27)", "-3"}, {"cbr(-27)", "-3"}, {"deg(pi)", "180"}, {"todeg(pi)", "180"},
        {"radtodeg(pi)", "180"}, {"rad(90;0;0)*2", pi}, {"torad(90;0;0)*2", pi},
        {"degtorad(90;0;0)*2", pi},
    });
    // clang-format on
}

}  // namespace
}  // namespace numora::test
