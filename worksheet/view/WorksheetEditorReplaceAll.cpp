// Replacing the whole worksheet text with a recalculated one.
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <string_view>
#include <vector>

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

// [from, to) of the old text becomes `text`.
struct Edit {
    std::size_t from = 0;
    std::size_t to = 0;
    std::u16string_view text;
    bool breakBefore = false;  // "\n" + text, appended after the last old paragraph
    bool breakAfter = false;   // text + "\n", a paragraph inserted before an old one
};

std::vector<std::u16string_view> Paragraphs(std::u16string_view text) {
    std::vector<std::u16string_view> paragraphs;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find(u'\n', from);
        paragraphs.push_back(text.substr(from, end == text.npos ? text.npos : end - from));
        if (end == text.npos) return paragraphs;
        from = end + 1;
    }
}

// Paragraph by paragraph: a recalculation rewrites result lines and inserts new ones, so most
// edits stay inside one paragraph. Rewriting the whole range instead would rebuild every
// paragraph of a long worksheet, which costs more than the recalculation itself.
struct Plan {
    std::vector<Edit> edits;
    std::ptrdiff_t first = 0;        // the paragraph number of the range's first paragraph
    std::vector<std::ptrdiff_t> to;  // where each old paragraph of the range ends up, relative
    std::ptrdiff_t growth = 0;       // paragraphs added by the range

    // Where the old paragraph `p` is afterwards: the same text line, when it stays.
    std::ptrdiff_t Map(std::ptrdiff_t p) const {
        if (p < first) return p;
        const std::ptrdiff_t in = p - first;
        return in < std::ssize(to) ? first + to[static_cast<std::size_t>(in)] : p + growth;
    }
};

Plan ParagraphEdits(std::u16string_view before, std::u16string_view after,
                    const ChangedRange& change) {
    const auto olds = Paragraphs(before.substr(change.start, change.oldEnd - change.start));
    const auto news = Paragraphs(after.substr(change.start, change.newEnd - change.start));
    Plan plan;
    plan.first = std::count(before.begin(),
                            before.begin() + static_cast<std::ptrdiff_t>(change.start), u'\n');
    plan.growth = std::ssize(news) - std::ssize(olds);
    std::vector<Edit>& edits = plan.edits;
    std::size_t i = 0, j = 0, at = change.start;  // `at`: where olds[i] starts
    while (i < olds.size() && j < news.size()) {
        if (olds[i] != news[j] && news.size() - j > olds.size() - i && news[j].starts_with(u'>') &&
            !olds[i].starts_with(u'>')) {
            edits.push_back({at, at, news[j++], false, true});
            continue;
        }
        if (olds[i] != news[j]) edits.push_back({at, at + olds[i].size(), news[j]});
        plan.to.push_back(static_cast<std::ptrdiff_t>(j));
        at += olds[i++].size() + 1;
        ++j;
    }
    const std::size_t lastEnd = at - 1;  // the end of the last old paragraph walked
    for (; j < news.size(); ++j) edits.push_back({lastEnd, lastEnd, news[j], true});
    if (i < olds.size()) edits.push_back({lastEnd, change.oldEnd, {}});
    for (; i < olds.size(); ++i) plan.to.push_back(std::ssize(news) - 1);
    return plan;
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
    const int top = firstVisibleBlock().blockNumber();

    const Plan plan = ParagraphEdits(before, text, change);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    // The lines take their colours as they are shown, as after any edit.
    std::ptrdiff_t shift = 0;  // what the edits above have added
    for (const Edit& edit : plan.edits) {
        QString inserted = QString(reinterpret_cast<const QChar*>(edit.text.data()),
                                   static_cast<qsizetype>(edit.text.size()));
        if (edit.breakBefore) inserted.prepend(u'\n');
        if (edit.breakAfter) inserted.append(u'\n');
        const auto from = static_cast<std::ptrdiff_t>(edit.from) + shift;
        cursor.setPosition(static_cast<int>(from));
        cursor.setPosition(
            static_cast<int>(from + static_cast<std::ptrdiff_t>(edit.to - edit.from)),
            QTextCursor::KeepAnchor);
        cursor.insertText(inserted);
        shift += inserted.size() - static_cast<std::ptrdiff_t>(edit.to - edit.from);
    }
    cursor.endEditBlock();

    // Results inserted above move the lines down; the caret and the view follow their line.
    QTextBlock block = document()->findBlockByNumber(static_cast<int>(plan.Map(caretParagraph)));
    if (!block.isValid()) block = document()->lastBlock();
    QTextCursor placed(block);
    placed.setPosition(block.position() + std::min(caretColumn, block.length() - 1));
    PlaceCursor(placed);
    verticalScrollBar()->setValue(scrollY + static_cast<int>(plan.Map(top) - top));
    horizontalScrollBar()->setValue(scrollX);
}

}  // namespace numora
