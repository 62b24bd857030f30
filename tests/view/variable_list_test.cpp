// The variable list beside the worksheet: refreshed by Enter, names inserted at the caret,
// variables deleted, entries reordered by dragging.
#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QSignalSpy>

#include "tests/view/view_support.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"

namespace numora::test {
namespace {

class VariableListTest : public ViewTest {
protected:
    void SetUp() override {
        // Wired as the main window wires them.
        auto* layout = new QHBoxLayout(&window);
        view.setParent(&window);
        layout->addWidget(&view);
        layout->addWidget(&pane);
        pane.SetEngine(&sheet.Engine());
        sheet.SetCalculatedHandler([this] { pane.Refresh(sheet.Engine()); });
        QObject::connect(&pane, &VariableListPane::NameChosen, &view,
                         &WorksheetEditor::InsertAtCaret);
        window.resize(500, 300);
        window.show();
        view.setFocus();
    }
    void TearDown() override { view.setParent(nullptr); }

    VariableListBox& List() { return *pane.List(); }
    QStringList Entries() {
        QStringList out;
        for (int i = 0; i < List().count(); ++i) out << List().Text(i);
        return out;
    }
    QPoint RowCenter(int row) { return List().RowRect(row).center(); }

    QWidget window;
    VariableListPane pane;
};

TEST_F(VariableListTest, SuccessfulLinesRefreshEntriesInSortOrder) {
    Enter({"a=1", "ab=2", "a=3", "B = c = 2*3", "7", "d=1/0"});
    EXPECT_EQ(Entries(), QStringList({"a=3", "ab=2", "B=6", "c=6"}));
}

TEST_F(VariableListTest, EnterAndDoubleClickInsertTheNameAtTheCaret) {
    Enter({"rate=5", "total=2"});
    Type("1+");
    List().setFocus();
    List().setCurrentRow(0);
    QTest::keyClick(&List(), Qt::Key_Return);
    EXPECT_EQ(window.focusWidget(), &view);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, RowCenter(1));
    EXPECT_TRUE(view.Text().endsWith(QStringLiteral("\n1+ratetotal")));
    Type("<Undo>");
    EXPECT_TRUE(view.Text().endsWith(QStringLiteral("\n1+rate")));
}

// The keys of a list: Up and Down step, Home and End go to the first and the last entry, and
// Tab leaves the list.
TEST_F(VariableListTest, KeysMoveThroughTheEntries) {
    Enter({"a=1", "b=2", "c=3", "d=4"});
    List().setFocus();
    List().setCurrentRow(1);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Down, 2}, {Qt::Key_End, 3}, {Qt::Key_Up, 2}, {Qt::Key_Home, 0}, {Qt::Key_Down, 1}};
    for (const auto& [key, row] : steps) {
        QTest::keyClick(&List(), key);
        EXPECT_EQ(List().currentRow(), row) << key;
        EXPECT_TRUE(List().RowSelected(row)) << key;
    }
    QTest::keyClick(&List(), Qt::Key_Tab);
    EXPECT_FALSE(List().hasFocus());
}

TEST_F(VariableListTest, DeleteRemovesTheVariableFromTheEngine) {
    Enter({"a=1", "b=2"});
    QSignalSpy deleted(&pane, &VariableListPane::VariableDeleted);
    List().setFocus();
    List().setCurrentRow(0);
    QTest::keyClick(&List(), Qt::Key_Delete);
    EXPECT_EQ(Entries(), QStringList({"b=2"}));
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted[0][0].toString(), QStringLiteral("a"));
    EXPECT_EQ(sheet.Engine().GetVariables().Find(u"a"), nullptr);
    EXPECT_NE(sheet.Engine().GetVariables().Find(u"b"), nullptr);
}

TEST_F(VariableListTest, DraggingMovesAnEntryUnderARedMark) {
    Enter({"a=1", "b=2", "c=3", "d=4"});
    QWidget* viewport = List().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(0));
    QTest::mouseMove(viewport, RowCenter(1));
    QTest::mouseMove(viewport, RowCenter(2));
    const int markY = List().RowRect(2).top();
    const QImage shown = viewport->grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, markY), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(viewport->width() - 4, markY), QColor(255, 0, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCenter(2));
    EXPECT_EQ(Entries(), QStringList({"b=2", "a=1", "c=3", "d=4"}));
    EXPECT_EQ(List().currentRow(), 1);

    // Below the last entry: to the end.
    const QPoint below(5, viewport->height() - 2);
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(0));
    QTest::mouseMove(viewport, RowCenter(1));
    QTest::mouseMove(viewport, below);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, below);
    EXPECT_EQ(Entries(), QStringList({"a=1", "c=3", "d=4", "b=2"}));
    EXPECT_EQ(List().currentRow(), 3);
    EXPECT_TRUE(List().RowSelected(3));
}

}  // namespace
}  // namespace numora::test
