// The find and replace dialogs and their messages, answered by the scripted prompter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "base/Text.h"
#include "shell/find/FindReplace.h"
#include "tests/support/qt_app_support.h"
#include "tests/support/scripted_prompter.h"
#include "worksheet/LineEvaluator.h"
#include "worksheet/MemoryTextBuffer.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

class Unused final : public LineEvaluator {
public:
    int Evaluate(std::u16string&, std::int32_t&) override { return -1; }
    const std::u16string& MessageText() const override { return text_; }

private:
    std::u16string text_;
};

class FindReplaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::App(); }
    void Select(int anchor, int caret) { buffer.SetSelection(anchor, caret); }

    test::ScriptedPrompter prompter;
    QWidget editor;
    MemoryTextBuffer buffer{u"a=1\nb=a+1\nAlpha\n"};
    Unused evaluator;
    WorksheetDriver driver{buffer, evaluator};
    FindReplace find{&editor, buffer, driver};
};

TEST_F(FindReplaceTest, AtMostOneDialogOffersTheSelectionOrTheLastText) {
    Select(4, 5);
    find.OpenFind();
    ASSERT_NE(find.Dialog(), nullptr);
    EXPECT_EQ(find.Dialog()->Request().what, "b");
    // The keyboard goes to the search text.
    EXPECT_TRUE(QTest::qWaitForWindowActive(find.Dialog()));
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()),
              find.Dialog()->findChild<QLineEdit*>());
    FindDialog* first = find.Dialog();
    find.OpenFind();
    EXPECT_EQ(find.Dialog(), first);

    find.Session().Last().what = "a+1";
    Select(0, 6);  // a selection across a line break is not offered
    find.OpenReplace();
    ASSERT_NE(find.Dialog(), first);
    EXPECT_EQ(find.Dialog()->DialogKind(), FindDialog::Kind::Replace);
    EXPECT_EQ(find.Dialog()->Request().what, "a+1");
    find.Dialog()->close();
}

TEST_F(FindReplaceTest, F3WithoutTextOpensFindAndShiftF3TurnsTheDialogUpwards) {
    find.FindNext(false);
    ASSERT_NE(find.Dialog(), nullptr);
    EXPECT_TRUE(prompter.messages.empty());
    find.Session().Last().what = "a";
    Select(10, 10);
    find.FindNext(true);
    EXPECT_FALSE(find.Dialog()->Request().down);
    EXPECT_EQ(buffer.GetSelection().start, 6);
    find.Dialog()->close();
}

TEST_F(FindReplaceTest, MessagesNameTheTexts) {
    find.Session().Last() = {"zz", "y", {}, true};
    find.FindNext(false);
    find.Session().Last().what = "a";
    find.OpenReplace();
    auto request = find.Dialog()->Request();
    request.with = "c";
    find.Dialog()->SetRequest(request);
    emit find.Dialog()->ReplaceAllRequested();
    find.Dialog()->close();

    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].title, "文字列検索");
    EXPECT_EQ(prompter.messages[0].text, "文字列 \"zz\" は見つかりませんでした。");
    EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(prompter.messages[1].title, "文字列置換");
    EXPECT_EQ(prompter.messages[1].text, "4 個の \"a\" を \"c\" に置換しました。");
    EXPECT_EQ(Utf16ToUtf8(buffer.Text()), "c=1\nb=c+1\nclphc\n");
}

}  // namespace
}  // namespace numora
