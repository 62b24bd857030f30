// Replacing the whole worksheet text with a recalculated one.
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <string_view>

#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

struct ChangedRange {
    std::size_t start = 0;   // a paragraph start, the same in both texts
    std::size_t oldEnd = 0;  // a paragraph end in the old text
    std::size_t newEnd = 0;  // the same paragraph end in the new text
};

// The paragraphs that differ, from the first to the last: everything before and after stays,
// so a long worksheet whose upper lines did not change is not rewritten (nor recoloured).
ChangedRange FindChange(std::u16string_view before, std::u16string_view after) {
    const std::size_t common = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < common && before[start] == after[start]) ++start;
    std::size_t tail = 0;
    while (tail < common - start &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    start = start == 0 ? 0 : before.rfind(u'\n', start - 1) + 1;  // npos + 1 == 0
    std::size_t oldEnd = before.size() - tail;
    std::size_t newEnd = after.size() - tail;
    const std::size_t toBreak = std::min(before.find(u'\n', oldEnd), before.size()) - oldEnd;
    return {start, oldEnd + toBreak, newEnd + toBreak};
}

}  // namespace

void WorksheetEditor::ReplaceAllText(std::u16string_view text) {
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    const std::u16string_view before(reinterpret_cast<const char16_t*>(raw.utf16()),
                                     static_cast<std::size_t>(raw.size()));
    if (before == text) return;
    const ChangedRange change = FindChange(before, text);

    const QTextCursor caret = textCursor();
    const int caretParagraph = caret.blockNumber();
    const int caretColumn = caret.positionInBlock();
    const int scrollY = verticalScrollBar()->value();
    const int scrollX = horizontalScrollBar()->value();

    const std::u16string_view inserted = text.substr(change.start, change.newEnd - change.start);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(static_cast<int>(change.start));
    cursor.setPosition(static_cast<int>(change.oldEnd), QTextCursor::KeepAnchor);
    // The lines take their colours as they are shown, as after any edit.
    cursor.insertText(QString(reinterpret_cast<const QChar*>(inserted.data()),
                              static_cast<qsizetype>(inserted.size())));
    cursor.endEditBlock();

    QTextBlock block = document()->findBlockByNumber(caretParagraph);
    if (!block.isValid()) block = document()->lastBlock();
    QTextCursor placed(block);
    placed.setPosition(block.position() + std::min(caretColumn, block.length() - 1));
    setTextCursor(placed);
    verticalScrollBar()->setValue(scrollY);
    horizontalScrollBar()->setValue(scrollX);
}

}  // namespace numora
