#include <gtest/gtest.h>

#include <string>

#include "EngineTestSupport.h"
#include "engine/Builtins.h"
#include "engine/FunctionCall.h"

namespace numora::test {
namespace {

class CallTest : public EngineTest {};

// Built-in bodies are tested with their families; here only the call machinery matters, so the
// cases look at messages, positions and at values that do not come from a built-in.
TEST_F(CallTest, ArgumentCountMessages) {
    const ErrorCaseList cases = {
        {"sin(1;2)", -1, "Error : Invalid Function Parameter (Up to 1 Parameter(s))", 0},
        {"1 + SIN(1;2)", -1, "Error : Invalid Function Parameter (Up to 1 Parameter(s))", 4},
        {"date(1;2)", -1, "Error : Invalid Function Parameter (Up to 1 Parameter(s))", 0},
        {"atan2(1)", -1, "Error : Invalid Function Parameter (2 Parameters Required)", 0},
        {"atan2()", -1, "Error : Invalid Function Parameter (2 Parameters Required)", 0},
        {"unixtime(1;2;3;4;5)", -1, "Error : Invalid Function Parameter (6 Parameters Required)",
         0},
        {"todate(2024;1)", -1,
         "Error : Invalid Function Parameter (Minimum of 3 Parameters Required)", 0},
        {"format(1)", -1, "Error : Invalid Function Parameter (Minimum of 2 Parameters Required)",
         0},
        {"rad(1;2;3;4)", -1, "Error : Invalid Function Parameter (Up to 3 Parameter(s))", 0},
        {"sin()", -1, "Error : No Function Parameter", 0},
        {"2*Sqrt( )", -1, "Error : No Function Parameter", 2},
        {"sin(1;)", -1, "Error : No Function Parameter", 6},
        {"atan2(;1)", -1, "Error : No Function Parameter", 6},
        {"atan2(; )", -1, "Error : No Function Parameter", 6},
        {"todate(1; ;3)", -1, "Error : No Function Parameter", 9},
        {"sin(1", -1, "Error : Invalid Function Parenthesis", 5},
        {"sin((1)", -1, "Error : Invalid Function Parenthesis", 7},
        {"sin(1/0)", -1, "Error : Division by zero", 7},
        {"atan2(1; 2*)", -1, "Error : Illegal Expression", 11},
        {"atan2(1; y)", -1, "Error : \"y\" is Not Variable", 9},
        {"undefined(1)", -1, "Error : \"undefined\" is Not Function", 0},
        {"3*Undefined (1)", -1, "Error : \"undefined\" is Not Function", 2},
        {"undefined(1/0)", -1, "Error : Division by zero", 13},
    };
    for (const auto& c : cases) {
        const Outcome out = Run(c.Line);
        EXPECT_EQ(out.Status, c.Status) << c.Line;
        EXPECT_EQ(out.Text, c.Message) << c.Line;
        EXPECT_EQ(out.Position, c.Position) << c.Line;
    }
}

TEST_F(CallTest, EveryBuiltinResolvesInAnyCaseWithItsCounts) {
    for (const BuiltinFunction& row : BuiltinTable()) {
        std::string name(row.Name.begin(), row.Name.end());
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        std::string tooMany = upper + "(";
        for (int i = 0; i <= row.MaxParams; ++i) tooMany += i == 0 ? "1" : ";1";
        EXPECT_EQ(Text(tooMany + ")"), "Error : Invalid Function Parameter (Up to " +
                                           std::to_string(row.MaxParams) + " Parameter(s))")
            << name;
        if (row.MinParams == 0) {
            EXPECT_EQ(Run(name + "()").Status, 0) << name;
        }
    }
}

TEST_F(CallTest, EmptyListPassesOneZeroToOptionalParameter) {
    ArgumentList arguments;
    EvalContext context;
    VariableTable variables;
    context.Variables = &variables;
    const std::u16string text = u"date( )";
    std::size_t position = 4;
    ASSERT_TRUE(ParseArguments(context, text, position, arguments));
    EXPECT_EQ(position, 7u);
    ASSERT_EQ(arguments.size(), 1u);
    EXPECT_TRUE(arguments[0].StandsForEmptyList());
    EXPECT_EQ(arguments[0].Position, -5);
    EXPECT_EQ(arguments[0].Value, 0);
}

TEST_F(CallTest, ArgumentsSplitAtTopLevelSemicolonsAndShareVariables) {
    VariableTable variables;
    variables.Store(u"k", Number(10));
    EvalContext context;
    context.Variables = &variables;
    const std::u16string text = u"f( (1;2) ; k*2 ;1,5 )";
    std::size_t position = 1;
    ArgumentList arguments;
    // The ';' inside parentheses stays in the first argument, where it is no separator.
    EXPECT_FALSE(ParseArguments(context, text, position, arguments));
    EXPECT_EQ(position, 5u);
    EXPECT_EQ(context.MessageText, u"Error : \";2\" is Not Variable");

    const std::u16string good = u"f( (1+2) ; k*2 ;1,5 )";
    position = 1;
    ASSERT_TRUE(ParseArguments(context, good, position, arguments));
    EXPECT_EQ(position, good.size());
    ASSERT_EQ(arguments.size(), 3u);
    EXPECT_EQ(arguments[0].Value, 3);
    EXPECT_EQ(arguments[0].Position, 2);
    EXPECT_EQ(arguments[1].Value, 20);
    EXPECT_EQ(arguments[1].Position, 10);
    EXPECT_EQ(arguments[2].Value, 15);
    EXPECT_EQ(arguments[2].Position, 16);
}

TEST_F(CallTest, UserFunctionsSeeOnlyTheirParameters) {
    AddUserFunction("sq", {"x"}, "x*x");
    AddUserFunction("Twice", {"X"}, "x*2");
    AddUserFunction("hyp2", {"a", "b"}, "sq(a)+sq(b)");
    AddUserFunction("usey", {"x"}, "x+y");
    AddUserFunction("noargs", {}, "1");
    AddUserFunction("dup", {"p", "P"}, "p");
    AddUserFunction("sin", {"x"}, "42");  // hidden by the built-in
    AddUserFunction("circle", {"r"}, "pi*r^2/pi");
    ASSERT_EQ(Run("y = 100").Status, 0);

    const ValueCaseList values = {
        {"sq(3)", "9"},      {"SQ (4)+1", "17"},  {"twice(3)", "6"},     {"TWICE(sq(2))", "8"},
        {"hyp2(3;4)", "25"}, {"sq(sq(2))", "16"}, {"sq(2)*sq(3)", "36"}, {"dup(1;2)", "2"},
        {"circle(3)", "9"},  {"sq(y)", "10000"},  {"x = sq(5)", "25"},   {"x", "25"},
    };
    for (const auto& c : values) EXPECT_EQ(Text(c.Line), c.Expected) << c.Line;
    EXPECT_NE(Text("sin(0)"), "42");

    const ErrorCaseList errors = {
        {"sq()", -1, "Error : No Function Parameter", 0},
        {"1+sq(1;2)", -1, "Error : Invalid Function Parameter (1 Parameter(s))", 2},
        {"noargs()", -1, "Error : Invalid Function Parameter (0 Parameter(s))", 0},
        {"usey(1)", -1, "Error : \"y\" is Not Variable (User Function)", 0},
        {"2*hyp2(1;usey(1))", -1, "Error : \"y\" is Not Variable (User Function)", 9},
    };
    for (const auto& c : errors) {
        const Outcome out = Run(c.Line);
        EXPECT_EQ(out.Status, c.Status) << c.Line;
        EXPECT_EQ(out.Text, c.Message) << c.Line;
        EXPECT_EQ(out.Position, c.Position) << c.Line;
    }
    EXPECT_TRUE(ActiveCalls().empty());
}

TEST_F(CallTest, RecursionIsRefusedButRepeatedCallsAreNot) {
    AddUserFunction("r", {"x"}, "r(x)");
    AddUserFunction("ping", {"x"}, "pong(x)+1");
    AddUserFunction("pong", {"x"}, "ping(x)");
    AddUserFunction("f", {"x"}, "x+1");
    AddUserFunction("g", {"x"}, "f(x)*f(x)");

    EXPECT_EQ(Text("r(1)"), "Error : Multiple Fuction Call (User Function)");
    EXPECT_EQ(Text("ping(1)"), "Error : Multiple Fuction Call (User Function) (User Function)");
    EXPECT_TRUE(ActiveCalls().empty());
    EXPECT_EQ(Text("f(f(1))"), "3");
    EXPECT_EQ(Text("f(1)+f(2)"), "5");
    EXPECT_EQ(Text("g(g(1))"), "25");
    EXPECT_TRUE(ActiveCalls().empty());
}

TEST_F(CallTest, ErrorAfterTopLevelTextIsStillAnError) {
    // An unknown function reports itself even when an earlier top-level call left a text.
    const Outcome out = Run("hex(255)+nosuch(1)");
    EXPECT_EQ(out.Status, -1);
    EXPECT_EQ(out.Text, "Error : \"nosuch\" is Not Function");
    EXPECT_EQ(out.Position, 9);
}

TEST_F(CallTest, NestingDepthIsBounded) {
    auto nested = [](int depth) {
        std::string line;
        for (int i = 0; i < depth; ++i) line += "abs(";
        line += "1";
        line += std::string(static_cast<std::size_t>(depth), ')');
        return line;
    };
    EXPECT_EQ(Run(nested(200)).Status, 0);
    const Outcome deep = Run(nested(201));
    EXPECT_EQ(deep.Status, -1);
    EXPECT_EQ(deep.Text, "Error : Function Calls Nested Too Deeply");
    EXPECT_EQ(deep.Position, 200 * 4);

    AddUserFunction("id", {"x"}, "x");
    std::string users;
    for (int i = 0; i < 300; ++i) users += "id(";
    users += "7" + std::string(300, ')');
    EXPECT_EQ(Text(users), "Error : Function Calls Nested Too Deeply");
    EXPECT_TRUE(ActiveCalls().empty());
    EXPECT_EQ(Text("id(id(7))"), "7");
}

}  // namespace
}  // namespace numora::test
