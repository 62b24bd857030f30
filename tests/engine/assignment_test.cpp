#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

class AssignmentTest : public EngineTest {
protected:
    std::vector<std::u16string> Targets() const { return engine.GetAssignTargets(); }
    bool Has(const std::u16string& lowerName) const {
        return engine.GetVariables().Find(lowerName) != nullptr;
    }
};

TEST_F(AssignmentTest, ChainAssignsEveryTargetInLowerCase) {
    const Outcome out = Run("a = B = 2*3");
    EXPECT_EQ(out.Text, "6");
    EXPECT_EQ(out.Position, 11);
    EXPECT_EQ(Targets(), (std::vector<std::u16string>{u"a", u"B"}));
    EXPECT_TRUE(Has(u"b"));
    EXPECT_FALSE(Has(u"B"));
    // clang-format off
    ExpectValues({
        {"A+b", "12"}, {"Abc = 2", "2"}, {"aBC*2", "4"}, {"ABC = 5", "5"}, {"abc", "5"},
        {"x1 = 5", "5"}, {"x1", "5"}, {"a.b = 2", "2"}, {"a.b+1", "3"},
        {"\xE5\xA4\x89\xE6\x95\xB0 = 3", "3"},
        {"\xE5\xA4\x89\xE6\x95\xB0 * 2", "6"},  // 変数
        {"a b = 1", "1"}, {"ab", "1"}, {"a b", "Error : \"a b\" is Not Variable"},
    });
    // clang-format on
    EXPECT_EQ(Targets(), (std::vector<std::u16string>{}));
    EXPECT_EQ(Run("a b = 1").Status, 0);
    EXPECT_EQ(Targets(), (std::vector<std::u16string>{u"ab"}));
    EXPECT_EQ(engine.GetVariables().Size(), 9u);  // with inf and nan
}

TEST_F(AssignmentTest, TargetErrorsAssignNothing) {
    // clang-format off
    ExpectErrors({
        {"a+b = 1", -3, "Error : Illegal Variable Name Charactor", 1},
        {"f(x) = 1", -3, "Error : Illegal Variable Name Charactor", 3},
        {"a = 1+b = 2", -3, "Error : Illegal Variable Name Charactor", 5},
        {"a;b = 1", -3, "Error : Illegal Variable Name Charactor", 1},
        {"a = = 1", -3, "Error : No Variable Name", 4},
        {"  = 5", -3, "Error : No Variable Name", 0},
        {"2x = 1", -3, "Error : Invalid Variable Name \"2x\"", 0},
        {"a = 2x = 1", -3, "Error : Invalid Variable Name \"2x\"", 4},
        {"a =", -3, "Error : Illegal Expression", 3},
        {"a = b c", -1, "Error : \"b c\" is Not Variable", 4},
        {"a = b = 1/0", -2, "Error : Division by zero", 11},
    });
    // clang-format on
    EXPECT_EQ(Targets(), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(engine.GetVariables().Size(), 2u);  // inf and nan
}

TEST_F(AssignmentTest, FullWidthCharactersAreFoldedInPlace) {
    std::u16string line = u"\uFF41\u3000\uFF1D\u3000\uFF11\uFF0B\uFF12";  // ａ　＝　１＋２
    std::int32_t position = 0;
    ASSERT_EQ(engine.Evaluate(line, position), 0);
    EXPECT_EQ(line, u"a\u3000=\u30001+2");
    EXPECT_EQ(engine.GetMessageText(), u"3");
    EXPECT_EQ(Text("\xEF\xBC\xA1 * \xEF\xBC\x92"), "6");  // Ａ * ２
}

TEST_F(AssignmentTest, ConstantsAndLastAnswer) {
    const std::string pi = "3.1415926535897932384626433832795";
    // clang-format off
    ExpectValues({
        {"@", "0"}, {"Pi", pi}, {"\xCF\x80", pi}, {"EXP", "2.7182818284590452353602874713527"},
        {"sqr2^2", "2"}, {"euler", "0.5772156649015328606065120900824"}, {"degree*180", pi},
        {"radian*pi", "180"}, {"a = 21", "21"}, {"@*2", "42"},
        {"pi = 1", "Error : Invalid Variable Name \"pi\""},
        {"@ = 1", "Error : Invalid Variable Name \"@\""},
        {"PI = 1", "1"},  // stored as pi, but the constant still wins
        {"pi", pi},
    });
    // clang-format on
    EXPECT_TRUE(Has(u"pi"));
}

}  // namespace
}  // namespace numora::test
