#include <gtest/gtest.h>

#include "base/Text.h"
#include "tests/base/file_test_support.h"
#include "userfunc/UserFunctionStore.h"

namespace numora {
namespace {

using namespace std::string_literals;

// The catalogue as one readable text: "name(p;q)=expr|explain" per entry.
std::string Describe(const UserFunctionCatalogue& catalogue) {
    std::u16string out;
    for (const auto& [key, f] : catalogue.Entries()) {
        out += f.FuncName + u"(" + JoinParameters(f.Parameter) + u")=" + f.Expression + u"|" +
               f.Explain + u"\n";
    }
    return Utf16ToUtf8(out);
}

TEST(UserFunctionFile, ReadingRules) {
    const std::pair<std::string, const char*> cases[] = {
        // file bytes, catalogue
        {"", ""},
        {"f\tx;y\tx+y\r\ng\tx\tx\ta\tb\r\n", "f(x;y)=x+y|\ng(x)=x|a\n"},  // three fields or more
        {"f\t\tx\tx*2\tnote", "f(x)=x*2|note\n"},  // an empty field is skipped
        {"f\tx\t \tnote", "f(x)=|note\n"},         // a blank one keeps its place
        {"f\tx\r\njunk\r\n", ""},                  // too few fields
        {"f\ta; b c; d\t1\ng\t;;x+1;(y);w^2;v%;-u;p*q;r/s;z;\t2\nh\t a b \t3\nh\t;\t4",
         "f(a;d)=1|\ng(z)=2|\n"},  // bad parameters dropped; none left: skipped
        {"my f\tx\t1\ng-h\tx\t1\nok\tx\t1", "ok(x)=1|\n"},                     // forbidden name
        {"  f \t x\xE3\x80\x80; y \t x + y \t  s p  ", "f(x;y)=x + y|s p\n"},  // trimmed
        {"a\tx\t1\rb\tx\t2\nc\tx\t3\r\n\r\n\n\rd\tx\t4", "a(x)=1|\nb(x)=2|\nc(x)=3|\nd(x)=4|\n"},
        {"Area\tw;h\tw*h\r\nAREA\ts\ts*s\r\n", "Area(w;h)=w*h|\nAREA(s)=s*s|\n"},
        {"\xEF\xBB\xBFok\tx\t1\r\n\0g\tx\t2\r\n"s, "ok(x)=1|\n"},  // BOM skipped, NUL ends
        {"f\tx\t1\t\xFF\x80ok\r\ng\tx\t2", "f(x)=1|\xEF\xBF\xBD\xEF\xBF\xBDok\ng(x)=2|\n"},
    };
    test::TempFolder temp;
    for (const auto& [bytes, expected] : cases) {
        test::WriteBytes(temp.path() / "UserFunction.dat", bytes);
        UserFunctionCatalogue catalogue;
        LoadUserFunctions(catalogue, temp.path());
        EXPECT_EQ(Describe(catalogue), expected) << bytes;
    }
}

TEST(UserFunctionFile, DefaultsWhenUnreadable) {
    test::TempFolder missing, notAFile;
    std::filesystem::create_directory(notAFile.path() / "UserFunction.dat");
    for (const auto& folder : {missing.path(), notAFile.path()}) {
        UserFunctionCatalogue catalogue;
        AddUserFunction(catalogue, u"old", u"x", u"x", u"");
        LoadUserFunctions(catalogue, folder);
        EXPECT_EQ(catalogue.Size(), 10u);
        const std::string text = Describe(catalogue);
        EXPECT_EQ(text.substr(0, text.find('\n')),
                  "LogN(base;x)=log(x)/log(base)|baseを底とする x の対数 : LogN(base; x)");
    }
    EXPECT_FALSE(std::filesystem::exists(missing.path() / "UserFunction.dat"));
}

TEST(UserFunctionFile, StoreWritesRowsAndKeepsOldFileOnFailure) {
    test::TempFolder temp;
    const auto path = temp.path() / "UserFunction.dat";
    UserFunctionCatalogue catalogue, back;
    ASSERT_TRUE(StoreUserFunctions(
        catalogue, temp.path(),
        {{u"LogN", u"base; x", u"log(x)", u"底"}, {u"f", u"x", u"x\t+1", u"a\r\nb\0c"s}}));
    const std::string stored = "LogN\tbase; x\tlog(x)\t底\r\nf\tx\tx +1\ta  b c\r\n";  // no BOM
    EXPECT_EQ(test::ReadBytes(path), stored);
    EXPECT_EQ(Describe(catalogue), "LogN(base;x)=log(x)|底\nf(x)=x +1|a  b c\n");
    LoadUserFunctions(back, temp.path());
    EXPECT_EQ(Describe(back), Describe(catalogue));

    const std::vector<UserFunctionRow> rows(50, {u"g", u"x", u"x*x", u"a long explanation"});
    for (const test::WriteFault& fault : test::EveryWriteFault()) {
        {
            test::InjectedWriteFault inject(fault);
            EXPECT_FALSE(StoreUserFunctions(catalogue, temp.path(), rows)) << fault.name;
        }
        EXPECT_EQ(catalogue.Size(), 50u) << fault.name;  // the new rows stay in use
        EXPECT_EQ(test::ReadBytes(path), stored) << fault.name;
        EXPECT_EQ(test::EntryCount(temp.path()), 1u) << fault.name;
    }
    ASSERT_TRUE(StoreUserFunctions(catalogue, temp.path(), {}));
    EXPECT_EQ(test::ReadBytes(path), "");
}

}  // namespace
}  // namespace numora
