// A calculation that would run for days: the window stays responsive, Esc or a close cancels,
// and what is typed or clicked meanwhile arrives afterwards, in order.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "engine/UserFunctions.h"
#include "tests/view/view_support.h"

namespace numora::test {
namespace {

class CalculationTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        // f40 calls f39 twice, which calls f38 twice, ...: 2^40 calls, and only 40 deep.
        functions.Append({u"f0", {u"x"}, u"x+1", u""});
        for (int i = 1; i <= 40; ++i) {
            const std::u16string inner = u"f" + QString::number(i - 1).toStdU16String() + u"(x)";
            functions.Append(
                {u"f" + QString::number(i).toStdU16String(), {u"x"}, inner + u"+" + inner, u""});
        }
        Enter({"v=1"});
    }

    const Number* V() { return sheet.Engine().GetVariables().Find(u"v"); }
};

TEST_F(CalculationTest, EscCancelsTheLineAndInputTypedMeanwhileArrivesAfterwards) {
    int calculated = 0;
    sheet.SetCalculatedHandler([&] { ++calculated; });
    QSignalSpy busy(&wait, &CalculationWait::BusyChanged);
    bool waitCursor = false;
    QObject::connect(&wait, &CalculationWait::BusyChanged, &view, [&](bool on) {
        if (!on) return;
        waitCursor = QApplication::overrideCursor() != nullptr &&
                     QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        EXPECT_TRUE(sheet.Calculating());
        // A click behind the first line, keys, then Esc: the click and the keys wait.
        QTextCursor first(view.document());
        first.movePosition(QTextCursor::EndOfBlock);
        const QPoint behind = view.cursorRect(first).center() + QPoint(40, 0);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, behind);
        Type("+1<Esc>");
        EXPECT_EQ(Text(), "v=1\n>1\nv=f40(1)");  // nothing has arrived yet
    });
    Type("v=f40(1)<Enter>");
    QCoreApplication::processEvents();

    EXPECT_EQ(Text(), "v=1+1\n>1\nv=f40(1)\n>Error : Calculation Canceled\n");
    ASSERT_NE(V(), nullptr);
    EXPECT_EQ(*V(), Number(1));
    EXPECT_EQ(calculated, 0);
    ASSERT_EQ(busy.count(), 2);
    EXPECT_FALSE(busy[1][0].toBool());
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(sheet.Calculating());

    view.moveCursor(QTextCursor::End);
    Type("v+1<Enter>");  // the editor works as before
    EXPECT_TRUE(view.Text().endsWith(QStringLiteral("v+1\n>2\n")));
}

TEST_F(CalculationTest, ClosingCancelsTheLineFirstThenCloses) {
    QObject::connect(&wait, &CalculationWait::BusyChanged, &view, [&](bool on) {
        if (on) view.close();
    });
    Type("v=f40(1)<Enter>");
    EXPECT_TRUE(view.Text().endsWith(QStringLiteral(">Error : Calculation Canceled\n")));
    EXPECT_EQ(*V(), Number(1));
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace numora::test
