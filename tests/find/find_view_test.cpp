// Replace All on the worksheet editor: one undo step, the colours following the text.
#include <gtest/gtest.h>

#include "shell/find/FindReplace.h"
#include "tests/support/scripted_prompter.h"
#include "tests/view/view_support.h"

namespace numora::test {
namespace {

class FindViewTest : public ViewTest {
protected:
    ScriptedPrompter prompter;
    FindReplace find{&view, view, sheet.Driver()};
};

TEST_F(FindViewTest, ReplaceAllOfTenThousandIsOneUndoStepWithItsColours) {
    QString sheet;
    for (int i = 0; i < 10000; ++i) sheet += "k=1//c\n";
    view.LoadText(sheet);
    find.Session().Last() = {"//", "+", {}, true};
    EXPECT_EQ(find.Session().ReplaceAll(), 10000);
    EXPECT_TRUE(view.Text().startsWith("k=1+c\nk=1+c\n"));
    // Lines show their colours as they come into view, at either end.
    EXPECT_TRUE(Colors().endsWith("DDDDD\nDDDDD\n"));
    Press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(Colors().startsWith("DDDDD\nDDDDD\n"));

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view.Text(), sheet);
    EXPECT_FALSE(view.document()->isUndoAvailable());
    Press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(Colors().startsWith("DDDCCC\nDDDCCC\n"));
    Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(Colors().endsWith("DDDCCC\nDDDCCC\n"));
}

// The caret ends out of view, inside a line the replacement lengthened, whose old layout was
// kept from when it was shown: the scroll to it must use the line as it is now.
TEST_F(FindViewTest, ReplaceAllEndingOutOfViewInAShownLine) {
    QString sheet;
    for (int i = 0; i < 200; ++i) sheet += "a=x1\n";
    sheet += "a=x1";
    view.LoadText(sheet);
    Press(Qt::Key_End, Qt::ControlModifier);  // the last lines are laid out and shown
    QCoreApplication::processEvents();
    find.Session().Last() = {"x", "yy", {}, true};
    EXPECT_EQ(find.Session().ReplaceAll(), 201);
    EXPECT_TRUE(view.Text().endsWith("a=yy1\na=yy1"));
    EXPECT_EQ(Caret(), view.Text().size() - 1);
}

}  // namespace
}  // namespace numora::test
