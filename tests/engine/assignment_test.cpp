#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

class AssignmentTest : public EngineTest {
protected:
    std::vector<std::string> Targets() const {
        std::vector<std::string> out;
        for (const auto& t : engine.GetAssignTargets()) out.push_back(Utf16ToUtf8(t));
        return out;
    }
    std::string Variable(const std::string& lowerName) {
        const Number* v = engine.GetVariables().Find(Utf8ToUtf16(lowerName));
        return v == nullptr ? "<none>" : v->str(40, std::ios_base::fmtflags{});
    }
};

TEST_F(AssignmentTest, ChainAssignsEveryTargetInLowerCase) {
    const Outcome out = Run("a = B = 2*3");
    EXPECT_EQ(out.Status, 0);
    EXPECT_EQ(out.Text, "6");
    EXPECT_EQ(out.Position, 11);
    EXPECT_EQ(Targets(), (std::vector<std::string>{"a", "B"}));
    EXPECT_EQ(Variable("a"), "6");
    EXPECT_EQ(Variable("b"), "6");
    EXPECT_EQ(Variable("B"), "<none>");
    EXPECT_EQ(Text("A+b"), "12");
    EXPECT_EQ(Text("@"), "12");
}

TEST_F(AssignmentTest, NamesAreCaseInsensitiveAndReplaceable) {
    EXPECT_EQ(Text("Abc = 2"), "2");
    EXPECT_EQ(Text("aBC*2"), "4");
    EXPECT_EQ(Text("ABC = 5"), "5");
    EXPECT_EQ(Text("abc"), "5");
    EXPECT_EQ(engine.GetVariables().Size(), 1u);
    EXPECT_EQ(Text("x1 = 5"), "5");
    EXPECT_EQ(Text("x1"), "5");
    EXPECT_EQ(Text("a.b = 2"), "2");
    EXPECT_EQ(Text("a.b+1"), "3");
    EXPECT_EQ(Text("\xE5\xA4\x89\xE6\x95\xB0 = 3"), "3");  // 変数
    EXPECT_EQ(Text("\xE5\xA4\x89\xE6\x95\xB0 * 2"), "6");
}

TEST_F(AssignmentTest, BlanksInsideTargetAreDropped) {
    EXPECT_EQ(Text("a b = 1"), "1");
    EXPECT_EQ(Targets(), (std::vector<std::string>{"ab"}));
    EXPECT_EQ(Text("ab"), "1");
    EXPECT_EQ(Text("a b"), "Error : \"a b\" is Not Variable");
    const Outcome out = Run("c = a b");
    EXPECT_EQ(out.Status, -1);
    EXPECT_EQ(out.Text, "Error : \"a b\" is Not Variable");
    EXPECT_EQ(out.Position, 4);
    EXPECT_EQ(Variable("c"), "<none>");
}

TEST_F(AssignmentTest, ConstantsCannotBeAssignedExactlyAsTyped) {
    EXPECT_EQ(Text("pi = 1"), "Error : Invalid Variable Name \"pi\"");
    EXPECT_EQ(Text("@ = 1"), "Error : Invalid Variable Name \"@\"");
    EXPECT_EQ(Text("root2 = 1"), "Error : Invalid Variable Name \"root2\"");
    // Only the exact spelling is refused; the stored lower-case variable is then hidden.
    EXPECT_EQ(Text("PI = 1"), "1");
    EXPECT_EQ(Variable("pi"), "1");
    EXPECT_EQ(Text("pi"), "3.1415926535897932384626433832795");
}

TEST_F(AssignmentTest, TargetErrorsCarryMessageStatusAndPosition) {
    const ErrorCaseList cases = {
        {"a+b = 1", -3, "Error : Illegal Variable Name Charactor", 1},
        {"f(x) = 1", -3, "Error : Illegal Variable Name Charactor", 3},
        {"a = 1+b = 2", -3, "Error : Illegal Variable Name Charactor", 5},
        {"a;b = 1", -3, "Error : Illegal Variable Name Charactor", 1},
        {"a = = 1", -3, "Error : No Variable Name", 4},
        {"=5", -3, "Error : No Variable Name", 0},
        {"  = 5", -3, "Error : No Variable Name", 0},
        {"2x = 1", -3, "Error : Invalid Variable Name \"2x\"", 0},
        {"a = 2x = 1", -3, "Error : Invalid Variable Name \"2x\"", 4},
        {"a =", -3, "Error : Illegal Expression", 3},
        {"a = 1/0", -2, "Error : Division by zero", 7},
        {"a = y", -1, "Error : \"y\" is Not Variable", 4},
    };
    for (const auto& c : cases) {
        const Outcome out = Run(c.Line);
        EXPECT_EQ(out.Status, c.Status) << c.Line;
        EXPECT_EQ(out.Text, c.Message) << c.Line;
        EXPECT_EQ(out.Position, c.Position) << c.Line;
        EXPECT_EQ(engine.GetVariables().Size(), 0u) << c.Line;
    }
}

TEST_F(AssignmentTest, FailingLineAssignsNothingButReportsTargets) {
    EXPECT_EQ(Run("a = b = 1/0").Status, -2);
    EXPECT_EQ(Targets(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine.GetVariables().Size(), 0u);
}

TEST_F(AssignmentTest, FullWidthCharactersAreFolded) {
    std::u16string line = u"\uFF41\u3000\uFF1D\u3000\uFF11\uFF0B\uFF12";  // ａ　＝　１＋２
    std::int32_t position = 0;
    ASSERT_EQ(engine.Evaluate(line, position), 0);
    EXPECT_EQ(line, u"a\u3000=\u30001+2");
    EXPECT_EQ(Utf16ToUtf8(engine.GetMessageText()), "3");
    EXPECT_EQ(Variable("a"), "3");
    EXPECT_EQ(Text("\xEF\xBC\xA1 * \xEF\xBC\x92"), "6");  // Ａ * ２
}

TEST_F(AssignmentTest, ConstantsAndLastAnswer) {
    struct Case {
        const char* Line;
        const char* Expected;
    } cases[] = {
        {"@", "0"},
        {"PI", "3.1415926535897932384626433832795"},
        {"Pi", "3.1415926535897932384626433832795"},
        {"\xCF\x80", "3.1415926535897932384626433832795"},  // π
        {"EXP", "2.7182818284590452353602874713527"},
        {"root2", "1.4142135623730950488016887242097"},
        {"sqr2^2", "2"},
        {"euler", "0.5772156649015328606065120900824"},
        {"radian", "57.295779513082320876798154814105"},
        {"degree", "0.017453292519943295769236907684886"},
        {"degree*180", "3.1415926535897932384626433832795"},
        {"radian*pi", "180"},
        {"a = 21", "21"},
        {"@*2", "42"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.Line), c.Expected) << c.Line;
}

}  // namespace
}  // namespace numora::test
