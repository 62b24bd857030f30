// Replace All on the worksheet editor: one undo step that also brings the colours along.
#include <gtest/gtest.h>

#include "shell/find/FindReplace.h"
#include "tests/support/scripted_prompter.h"
#include "tests/view/view_support.h"

namespace numora::test {
namespace {

class FindViewTest : public ViewTest {
protected:
    ScriptedPrompter prompter;
    FindReplace find{&view, view, view.Driver()};
};

TEST_F(FindViewTest, ReplaceAllOfTenThousandIsOneUndoStepWithItsColours) {
    QString sheet;
    for (int i = 0; i < 10000; ++i) sheet += "k=1//c\n";
    view.LoadText(sheet);
    find.Session().SetRecolor([this](int from, int to) { view.RecolorParagraphs(from, to); });
    find.Session().Last() = {"//", "+", {}, true};
    EXPECT_EQ(find.Session().ReplaceAll(), 10000);
    EXPECT_TRUE(view.Text().startsWith("k=1+c\nk=1+c\n"));
    EXPECT_TRUE(Colors().startsWith("DDDDD\nDDDDD\n"));
    EXPECT_TRUE(Colors().endsWith("DDDDD\n"));

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view.Text(), sheet);
    EXPECT_TRUE(Colors().endsWith("DDDCCC\n"));
    EXPECT_FALSE(view.document()->isUndoAvailable());
}

}  // namespace
}  // namespace numora::test
