#include <gtest/gtest.h>

#include "engine/Text.h"
#include "tests/settings/TestFiles.h"
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

TEST(ParseParameters, SplitsTrimsAndDropsBadPieces) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"base; x", u"base;x"},
        {u"a; b c; d", u"a;d"},
        {u";;x;", u"x"},
        {u"\tx\u3000; y ", u"x;y"},
        {u"x+1;y;(z);w^2;v%;-u;p*q;r/s", u"y"},
        {u" ", u""},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Utf16ToUtf8(JoinParameters(ParseParameters(text))), Utf16ToUtf8(expected))
            << Utf16ToUtf8(text);
    }
}

TEST(UserFunctionRecords, ReadingRules) {
    const struct {
        const char* name;
        std::u16string_view text;
        const char* expected;
    } cases[] = {
        {"four fields", u"f\tx;y\tx+y\tsum\r\n", "f(x;y)=x+y|sum\n"},
        {"three fields", u"f\tx;y\tx+y\r\n", "f(x;y)=x+y|\n"},
        {"empty field skipped", u"f\t\tx\tx*2\tnote\r\n", "f(x)=x*2|note\n"},
        {"fields after the fourth", u"f\tx\tx\ta\tb\r\n", "f(x)=x|a\n"},
        {"two fields", u"f\tx\r\ng\tx\t1\r\n", "g(x)=1|\n"},
        {"forbidden name", u"my f\tx\t1\r\ng-h\tx\t1\r\nok\tx\t1\r\n", "ok(x)=1|\n"},
        {"no parameter", u"f\t a b \t1\r\nf\t;\t1\r\ng\tx\t2\r\n", "g(x)=2|\n"},
        {"blank field keeps its place", u"f\tx\t \tnote\r\n", "f(x)=|note\n"},
        {"trimmed", u"  f \t x ; y \t x + y \t  s p  \r\n", "f(x;y)=x + y|s p\n"},
        {"line ends", u"a\tx\t1\rb\tx\t2\nc\tx\t3\r\n\r\n\n\rd\tx\t4",
         "a(x)=1|\nb(x)=2|\nc(x)=3|\nd(x)=4|\n"},
        {"duplicates kept", u"Area\tw;h\tw*h\r\nAREA\ts\ts*s\r\n",
         "Area(w;h)=w*h|\nAREA(s)=s*s|\n"},
        {"Japanese", u"面積\t縦;横\t縦*横\t長方形\r\n", "面積(縦;横)=縦*横|長方形\n"},
    };
    for (const auto& c : cases) {
        UserFunctionCatalogue catalogue;
        AppendUserFunctionRecords(catalogue, c.text);
        EXPECT_EQ(Describe(catalogue), c.expected) << c.name;
    }
}

TEST(UserFunctionFile, DefaultsWhenUnreadable) {
    test::TempFolder missing, notAFile;
    std::filesystem::create_directory(notAFile.path() / "UserFunction.dat");
    for (const auto& folder : {missing.path(), notAFile.path()}) {
        UserFunctionCatalogue catalogue;
        AddUserFunction(catalogue, u"old", u"x", u"x", u"");
        LoadUserFunctions(catalogue, folder);
        const std::string text = Describe(catalogue);
        EXPECT_EQ(catalogue.Size(), 10u);
        EXPECT_EQ(text.substr(0, text.find('\n')),
                  "LogN(base;x)=log(x)/log(base)|baseを底とする x の対数 : LogN(base; x)");
        EXPECT_NE(text.find("\nDegToDeg(d;m;s)=ToDeg(ToRad(d;m;s))|"), std::string::npos);
        EXPECT_EQ(Utf16ToUtf8(catalogue.At(9).FuncName), "MetricToMile");
    }
    EXPECT_FALSE(std::filesystem::exists(missing.path() / "UserFunction.dat"));
}

TEST(UserFunctionFile, ReadableFilesAreUsedAsTheyAre) {
    const struct {
        const char* name;
        std::string bytes;
        const char* expected;
    } cases[] = {
        {"empty file", "", ""},
        {"no valid record", "junk\r\n", ""},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "f\tx\t1\r\n",
         "f(x)=1|\n"},
        {"NUL ends the text", "f\tx\t1\r\n\0g\tx\t2\r\n"s, "f(x)=1|\n"},
        {"invalid UTF-8", "f\tx\t1\t\xFF\x80ok\r\ng\tx\t2\r\n",
         "f(x)=1|\xEF\xBF\xBD\xEF\xBF\xBDok\ng(x)=2|\n"},
    };
    test::TempFolder temp;
    for (const auto& c : cases) {
        test::WriteBytes(temp.path() / "UserFunction.dat", c.bytes);
        UserFunctionCatalogue catalogue;
        LoadUserFunctions(catalogue, temp.path());
        EXPECT_EQ(Describe(catalogue), c.expected) << c.name;
    }
}

TEST(UserFunctionFile, StoreWritesRowsAndReadsBack) {
    test::TempFolder temp;
    UserFunctionCatalogue defaults;
    AddDefaultUserFunctions(defaults);
    std::vector<UserFunctionRow> rows;
    for (const auto& [key, f] : defaults.Entries()) {
        rows.push_back({f.FuncName, JoinParameters(f.Parameter), f.Expression, f.Explain});
    }
    rows.push_back({u"f", u"x; y", u"x\t+y", u"line\r\nbreak\0end"s});

    UserFunctionCatalogue catalogue;
    ASSERT_TRUE(StoreUserFunctions(catalogue, temp.path(), rows));
    const std::string bytes = test::ReadBytes(temp.path() / "UserFunction.dat");
    EXPECT_EQ(bytes.substr(0, 34), "LogN\tbase;x\tlog(x)/log(base)\tbase\xE3");  // no BOM
    EXPECT_EQ(bytes.substr(bytes.size() - 29), "f\tx; y\tx +y\tline  break end\r\n");

    UserFunctionCatalogue back;
    LoadUserFunctions(back, temp.path());
    EXPECT_EQ(Describe(back), Describe(catalogue));
    AddUserFunction(defaults, u"f", u"x;y", u"x +y", u"line  break end");
    EXPECT_EQ(Describe(back), Describe(defaults));

    ASSERT_TRUE(StoreUserFunctions(catalogue, temp.path(), {}));
    EXPECT_EQ(test::ReadBytes(temp.path() / "UserFunction.dat"), "");
    LoadUserFunctions(back, temp.path());
    EXPECT_EQ(back.Size(), 0u);
}

TEST(UserFunctionFile, FailedStoreReportsAndKeepsOldFile) {
    test::TempFolder temp;
    test::WriteBytes(temp.path() / "UserFunction.dat", "old\tx\tx\r\n");
    const std::vector<UserFunctionRow> rows(50, {u"f", u"x", u"x*x", u"a long explanation"});
    UserFunctionCatalogue catalogue;
    {
        test::FileSizeLimit limit(64);
        EXPECT_FALSE(StoreUserFunctions(catalogue, temp.path(), rows));
    }
    EXPECT_EQ(catalogue.Size(), 50u);  // the new rows stay in use
    EXPECT_EQ(test::ReadBytes(temp.path() / "UserFunction.dat"), "old\tx\tx\r\n");
    EXPECT_FALSE(SaveUserFunctionFile(temp.path() / "missing", u"f\tx\tx\r\n"));
}

}  // namespace
}  // namespace numora
