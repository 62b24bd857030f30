// Where Enter, Undo and Redo leave the caret and the view in a long worksheet: on the line they
// changed, shown whole, and the view scrolled only when that line was out of it.
#include <QScrollBar>
#include <QTextBlock>

#include "tests/shell/main_frame_support.h"

namespace numora::test {
namespace {

class CaretInViewTest : public MainFrameTest {
protected:
    int Scrolled() { return View().verticalScrollBar()->value(); }
    int CaretBlock() { return View().textCursor().blockNumber(); }
    QTextCursor EndOf(int block) {
        QTextCursor cursor(View().document()->findBlockByNumber(block));
        cursor.movePosition(QTextCursor::EndOfBlock);
        return cursor;
    }
    // Paragraph `block` lies whole inside the view.
    bool Shown(int block) {
        QApplication::processEvents();
        return View().viewport()->rect().contains(View().cursorRect(EndOf(block)));
    }
    void PutCaret(int block) {
        View().setTextCursor(EndOf(block));
        QApplication::processEvents();
    }
};

TEST_F(CaretInViewTest, UndoAndRedoOfAnEnterStayOnTheLineThatChanged) {
    // Every result is out of date: with automatic recalculation an Enter rewrites each one
    // below it, to the end of the sheet.
    QString sheet;
    for (int i = 1; i <= 1000; ++i) sheet += QStringLiteral("x=%1\n>0\n").arg(i);
    const struct {
        bool autoRecalc;
        int scroll;     // the view's first line before Enter
        int line;       // the line Enter is pressed on
        int scrollOff;  // the view scrolled here after Enter; -1 leaves it
    } rows[] = {
        // Line 1998 is the last expression line: its Enter leaves the caret on a line of its own.
        {false, 0, 0, -1},    {true, 0, 0, -1},    {false, 600, 610, -1}, {true, 600, 610, -1},
        {false, 600, 610, 0}, {true, 600, 610, 0}, {false, 0, 1998, -1},
    };
    Start();
    frame_->resize(600, 400);
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "auto " << row.autoRecalc << ", line " << row.line
                                        << ", scrolled off " << row.scrollOff);
        frame_->Sheet().SetAutoRecalculate(row.autoRecalc);
        View().LoadText(sheet);
        View().verticalScrollBar()->setValue(row.scroll);
        PutCaret(row.line);
        Key(Qt::Key_Return);
        const QString entered = View().Text();
        ASSERT_NE(entered, sheet);
        ASSERT_EQ(CaretBlock(), row.line + 2);
        const int after = Scrolled();
        if (row.scrollOff >= 0) View().verticalScrollBar()->setValue(row.scrollOff);

        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(View().Text(), sheet);
        // Back where the caret was before Enter: at the end of the expression line.
        EXPECT_EQ(View().textCursor().position(), EndOf(row.line).position());
        if (row.scrollOff < 0) {
            EXPECT_EQ(Scrolled(), after);
        } else {
            EXPECT_TRUE(Shown(row.line));
        }

        Key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(View().Text(), entered);
        EXPECT_EQ(CaretBlock(), row.line + 2);
        if (row.scrollOff < 0) {
            EXPECT_EQ(Scrolled(), after);
        } else {
            EXPECT_TRUE(Shown(row.line + 2));
        }
    }
}

TEST_F(CaretInViewTest, EnterOnTheLastLineShownShowsItsResultAndTheCaret) {
    Start();
    frame_->resize(600, 400);
    QString lines;
    for (int i = 0; i < 200; ++i) lines += QStringLiteral("1\n");
    View().LoadText(lines);
    PutCaret(0);
    int last = 0;  // the last line shown whole
    while (Shown(last + 1)) ++last;
    ASSERT_GT(last, 3);
    const struct {
        const char* line;
        bool below;  // more lines follow the one typed on
        int caret;   // the caret's line after Enter, counted from the one typed on
    } rows[] = {
        {"12*3", true, 2},
        {"12*3", false, 2},
        {"12*", true, 0},
        {"12*", false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.line << (row.below ? " above more" : " at the end"));
        View().LoadText(row.below ? lines : lines.left(2 * last + 1));
        View().verticalScrollBar()->setValue(0);
        PutCaret(last);
        ASSERT_EQ(Scrolled(), 0);
        QTest::keyClick(&View(), Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(&View(), QString::fromUtf8(row.line));
        Key(Qt::Key_Return);
        ASSERT_EQ(View().document()->findBlockByNumber(last + 1).text().front(), u'>');
        EXPECT_EQ(CaretBlock(), last + row.caret);
        EXPECT_TRUE(Shown(last + 1)) << "the result line";
        EXPECT_TRUE(Shown(CaretBlock())) << "the caret's line";
    }
}

}  // namespace
}  // namespace numora::test
