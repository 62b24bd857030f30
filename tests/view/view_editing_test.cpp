// Typing, Enter and undo in the worksheet editor, checked by text, caret and colour.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QScrollBar>

#include "tests/view/view_support.h"

namespace numora::test {
namespace {

using EditingTest = ViewTest;

TEST_F(EditingTest, EnterWritesResultLinesColouredByKind) {
    Enter({"1+2*3", "x=5 // set x", "1/0"});
    EXPECT_EQ(Text(), "1+2*3\n>7\nx=5 // set x\n>5\n1/0\n>Error : Division by zero\n");
    EXPECT_EQ(Colors().toStdString(),
              "DDDDD\nDR\nDDDDCCCCCCCC\nDR\nDDD\nD" + std::string(24, 'E') + "\n");
}

// Every range of a text with empty lines reads as the same slice of the whole text.
// A whole new text, put in paragraph by paragraph: results rewritten, inserted, lines gone or
// added at either end; the caret stays on its line; one undo takes all of it back.
TEST_F(EditingTest, ReplaceAllTextIsTheNewTextInOneUndoStep) {
    const struct {
        const char* before;
        const char* after;
        const char* caretLine;  // the caret starts on the last line
    } cases[] = {
        {"a=1\n>1\nb\n>2", "a=2\n>2\nb\n>3", ">3"},
        {"a=1\nb\nc", "a=1\n>1\nb\n>Error\nc\n>3", "c"},
        {"x\n>1\n>2\n>3\ny", "x\n>1\ny", "y"},
        {"x", "x\n>1\n\n>2", "x"},
        {"", "1\n>1", "1"},
        {">old\nz", "new\nz", "z"},
        {"p\nq\nr", "", ""},
    };
    // At once, and in pieces of 1, 2 and 5 characters as they come while the text is made.
    for (const auto& c : cases) {
        const std::u16string after = QString::fromUtf8(c.after).toStdU16String();
        for (const std::size_t piece :
             {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
            SCOPED_TRACE(std::string(c.before) + " in pieces of " + std::to_string(piece));
            view.LoadText(QString::fromUtf8(c.before));
            view.moveCursor(QTextCursor::End);
            if (piece == 0) {
                view.ReplaceAllText(after);
            } else {
                EXPECT_EQ(view.BeginReplaceAll(), QString::fromUtf8(c.before).toStdU16String());
                std::size_t at = 0;
                for (; at + piece < after.size(); at += piece) {
                    view.ReplaceAllPiece(std::u16string_view(after).substr(at, piece));
                }
                view.EndReplaceAll(std::u16string_view(after).substr(at));
            }
            EXPECT_EQ(view.Text(), QString::fromUtf8(c.after));
            EXPECT_EQ(view.textCursor().block().text(), QString::fromUtf8(c.caretLine));
            view.undo();
            EXPECT_EQ(view.Text(), QString::fromUtf8(c.before));
            EXPECT_FALSE(view.document()->isUndoAvailable());
        }
    }
}

// Results put in above the shown lines leave the view on them; scrolled by the user meanwhile,
// the view stays where the user put it.
TEST_F(EditingTest, TheViewStaysOnItsLinesWhilePiecesComeIn) {
    QString text, after;
    for (int i = 0; i < 300; ++i) {
        text += QStringLiteral("x = %1\n").arg(i);
        after += QStringLiteral("x = %1\n>%1\n").arg(i);
    }
    const std::u16string news = after.toStdU16String();
    const std::size_t half = news.find(u"x = 200\n");
    view.resize(300, 200);
    view.show();
    const auto topLine = [&] { return view.cursorForPosition(QPoint(4, 4)).block().text(); };
    for (const bool userScrolls : {false, true}) {
        SCOPED_TRACE(userScrolls);
        view.LoadText(text);
        view.verticalScrollBar()->setValue(150);
        view.BeginReplaceAll();
        view.ReplaceAllPiece(std::u16string_view(news).substr(0, half));
        EXPECT_EQ(topLine(), QStringLiteral("x = 150"));
        if (userScrolls) view.verticalScrollBar()->setValue(10);
        view.EndReplaceAll(std::u16string_view(news).substr(half));
        EXPECT_EQ(view.Text(), after);
        EXPECT_EQ(topLine(), userScrolls ? QStringLiteral("x = 5") : QStringLiteral("x = 150"));
    }
}

// Stopped half way, the pieces already in are taken back: the text, the caret and the view as
// they were, the user's own undo step still there, and nothing to redo.
TEST_F(EditingTest, AnAbandonedReplacementLeavesEverythingAsItWas) {
    QString text;
    for (int i = 0; i < 300; ++i) text += QStringLiteral("x = %1\n").arg(i);
    view.resize(300, 200);
    view.show();
    view.LoadText(text);
    view.moveCursor(QTextCursor::End);
    Type("7");
    const QString before = view.Text();
    view.verticalScrollBar()->setValue(150);
    const int scroll = view.verticalScrollBar()->value();
    const int caret = view.textCursor().position();

    view.BeginReplaceAll();
    view.ReplaceAllPiece(u"x = 0\n>0\nx = 1\n>1\nx =");
    view.ReplaceAllPiece(u" 2\n>2\n");
    EXPECT_TRUE(view.Text().startsWith(QStringLiteral("x = 0\n>0\nx = 1\n>1\nx = 2\n>2\nx = 3\n")));
    view.AbandonReplaceAll();
    EXPECT_EQ(view.Text(), before);
    EXPECT_EQ(view.textCursor().position(), caret);
    EXPECT_EQ(view.verticalScrollBar()->value(), scroll);
    EXPECT_FALSE(view.document()->isRedoAvailable());
    view.undo();
    EXPECT_EQ(view.Text(), text);
}

TEST_F(EditingTest, TextRangeReadsAcrossLines) {
    const std::u16string text = u"ab\n\nc\u00e9d\n\n";
    view.LoadText(QString::fromStdU16String(text));
    const TextBuffer& buffer = view;
    const int length = static_cast<int>(text.size());
    for (int from = -1; from <= length + 1; ++from) {
        for (int to = from; to <= length + 1; ++to) {
            const int a = std::clamp(from, 0, length);
            const int b = std::clamp(to, a, length);
            EXPECT_EQ(buffer.TextRange(from, to), text.substr(a, b - a)) << from << ".." << to;
        }
    }
}

TEST_F(EditingTest, EnterKeysLeaveTextAndCaret) {
    const struct {
        const char* script;
        const char* text;
        int caret;
    } rows[] = {
        {"1+2<Enter>", "1+2\n>3\n", 7},
        {"1+2<Enter><Up><Up><End>7<Enter>", "1+27\n>28\n", 9},  // the old result is replaced
        {"1+2<C-Enter>x=5<Up><End><Enter>", "1+2\n>3\nx=5", 7},
        {"a=2 // note<Enter>", "a=2 // note\n>2\n", 15},
        {"  // only<C-Enter>x<Up><Enter>", "  // only\nx", 10},
        {"// only<Enter>", "// only\n", 8},
        {">3<Enter>", ">3\n3\n", 4},  // copied below, caret after the copy
        {">3<S-Enter>", ">3\n>3\n", 6},
        {"1+2<C-Enter>", "1+2\n", 4},
        {"<Enter>", "\n", 1},
        {"  2+*3<Enter>", "  2+*3\n>Error : Invalid Constant (No Operand)\n", 4},  // on the error
    };
    for (const auto& row : rows) {
        view.clear();
        Type(QString::fromUtf8(row.script));
        EXPECT_EQ(Text(), row.text) << row.script;
        EXPECT_EQ(Caret(), row.caret) << row.script;
    }
}

TEST_F(EditingTest, OneUndoTakesBackAKeystrokeAndItsColouring) {
    const struct {
        const char* script;  // its last keystroke is undone
        const char* text;
        const char* colors;
    } rows[] = {
        {"a=1//", "a=1/", "DDDD"},
        {"a=1 // c<Home><Del>", "a=1 // c", "DDDDCCCC"},
        {"// c<Home><BS>x", "// c", "CCCC"},
        {"1+2<Enter>", "1+2", "DDD"},
        {">5 //<Home><Del>", ">5 //", "DRRCC"},
    };
    for (const auto& row : rows) {
        view.LoadText({});
        Type(QString::fromUtf8(row.script));
        const std::string text = Text(), colors = Colors().toStdString();
        Type("<Undo>");
        EXPECT_EQ(Text(), row.text) << row.script;
        EXPECT_EQ(Colors().toStdString(), row.colors) << row.script;
        Type("<Redo>");
        EXPECT_EQ(Text() + Colors().toStdString(), text + colors) << row.script;
    }
}

TEST_F(EditingTest, InputMethodCommitIsOneUndoStep) {
    Type("x=");
    QInputMethodEvent compose(QStringLiteral("１"), {});
    QApplication::sendEvent(&view, &compose);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１２//"));
    QApplication::sendEvent(&view, &commit);
    EXPECT_EQ(view.Text(), QStringLiteral("x=１２//"));
    EXPECT_EQ(Colors().toStdString(), "DDDDCC");
    Type("<Undo>");
    EXPECT_EQ(Text(), "x=");
}

TEST_F(EditingTest, InsertTogglesOverwriteWithABlockCaret) {
    Type("abc<Home><Ins>XY");
    EXPECT_EQ(Text(), "XYc");
    EXPECT_TRUE(view.overwriteMode());  // the editor draws a block caret then
    Type("<Ins>Z");
    EXPECT_EQ(Text(), "XYZc");
    EXPECT_FALSE(view.overwriteMode());
}

TEST_F(EditingTest, WrappedParagraphCalculatesAsOneLine) {
    view.resize(160, 200);
    view.ApplyWordWrap(true);
    QString sum = QStringLiteral("1");
    for (int i = 0; i < 30; ++i) sum += QStringLiteral("+1");
    Type(sum + "<Enter>");
    const QTextBlock first = view.document()->firstBlock();
    view.document()->documentLayout()->blockBoundingRect(first);  // lay it out now
    EXPECT_GT(first.layout()->lineCount(), 1);
    EXPECT_EQ(view.Text(), sum + "\n>31\n");
}

// Typed and pasted lines follow the same rule, however many are pasted at once.
TEST_F(EditingTest, PastedLinesAreColouredAsTypedOnes) {
    Type("x=5 // c<Enter><C-Enter>>5 >Error<Enter>");
    EXPECT_EQ(Text(), "x=5 // c\n>5\n\n>5 >Error\n5 >Error\n");
    EXPECT_EQ(Colors().toStdString(), "DDDDCCCC\nDR\n\nDDDDEEEEE\nDDDEEEEE\n");

    for (const int copies : {1, 300}) {
        view.LoadText("a=1");
        QGuiApplication::clipboard()->setText(QString("x=5 // c\n>5 >Error\n").repeated(copies));
        Press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(Colors().endsWith("DDDDCCCC\nDDDDEEEEE\nDDD")) << copies;
        Press(Qt::Key_Home, Qt::ControlModifier);
        EXPECT_TRUE(Colors().startsWith("DDDDCCCC\nDDDDEEEEE\n")) << copies;
    }
}

// Opening a long worksheet colours the lines in view; the others as they come into it.
TEST_F(EditingTest, OpeningColoursTheLinesInView) {
    view.LoadText(QString("a=1\n>1\n").repeated(5000));
    EXPECT_TRUE(Colors().startsWith("???\n??\n"));
    EXPECT_TRUE(Colors().endsWith("DDD\nDR\n"));
    Press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(Colors().startsWith("DDD\nDR\n"));
}

TEST_F(EditingTest, LoadedTextIsColouredUnmodifiedAndCannotBeUndone) {
    Type("typed");
    view.LoadText(QStringLiteral("a=1\n>1\n// c\n>5 >Error"));
    EXPECT_EQ(Colors().toStdString(),
              "DDD\nDR\nCCCC\nDRRRRRRRR");  // the error marker counts right after '>'
    EXPECT_FALSE(view.document()->isUndoAvailable());
    EXPECT_FALSE(view.document()->isModified());
    EXPECT_EQ(Caret(), 12);

    view.ApplyColors(0x808080, 0x00FF00, 0x0000FF, 0x008000);
    EXPECT_EQ(view.LineColor(ColorKind::Result), QColor(0, 0xFF, 0));
    EXPECT_EQ(Colors().toStdString(), "DDD\nDR\nCCCC\nDRRRRRRRR");
    EXPECT_FALSE(view.document()->isModified());
}

// Keys that leave the caret on a line out of view, which the editor has shown before: the view
// follows the caret there, as it does for any key.
TEST_F(EditingTest, KeysThatTakeTheCaretOutOfViewScrollToIt) {
    QString sheet;
    for (int i = 0; i < 200; ++i) sheet += QStringLiteral("a=%1\n").arg(100 + i);
    view.LoadText(sheet);
    QCoreApplication::processEvents();
    // Backspace at the start of the top line joins it to the line above the view.
    view.SetSelection(100 * 6, 100 * 6);
    QCoreApplication::processEvents();
    view.verticalScrollBar()->setValue(100);
    QCoreApplication::processEvents();
    Press(Qt::Key_Backspace);
    EXPECT_TRUE(view.Text().contains(u"a=199a=200\n"));
    EXPECT_TRUE(view.viewport()->rect().contains(view.cursorRect()));
    // Typing with the caret scrolled out of view, just before a line's last character.
    const int inLine = view.document()->findBlockByNumber(150).position() + 4;
    view.SetSelection(inLine, inLine);
    QCoreApplication::processEvents();
    view.verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    Type("7");
    EXPECT_TRUE(view.Text().contains(u"\na=2571\n"));
    EXPECT_TRUE(view.viewport()->rect().contains(view.cursorRect()));
}

}  // namespace
}  // namespace numora::test
