// Replacing the whole worksheet text with a recalculated one, at once or piece by piece while
// the recalculation still runs.
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <string_view>
#include <vector>

#include "ui/QtText.h"
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

std::vector<std::u16string_view> Paragraphs(std::u16string_view text) {
    std::vector<std::u16string_view> paragraphs;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find(u'\n', from);
        paragraphs.push_back(text.substr(from, end == text.npos ? text.npos : end - from));
        if (end == text.npos) return paragraphs;
        from = end + 1;
    }
}

}  // namespace

// Paragraph by paragraph: a recalculation rewrites result lines and inserts new ones, so most
// edits stay inside one paragraph. Rewriting the whole range instead would rebuild every
// paragraph of a long worksheet, which costs more than the recalculation itself.
struct WorksheetEditor::Replacement {
    QString before;                         // the old text, which `olds` views
    std::vector<std::u16string_view> olds;  // the old paragraphs of the range
    std::ptrdiff_t first = 0;               // the paragraph number of olds[0]
    std::ptrdiff_t newCount = -1;           // the range's new paragraphs, when known in advance
    std::size_t i = 0;                      // the next old paragraph
    std::ptrdiff_t j = 0;                   // the new paragraphs walked
    std::size_t at = 0;                     // where olds[i] starts in the old text
    std::ptrdiff_t shift = 0;               // what the edits so far have added
    std::vector<std::ptrdiff_t> to;         // where each old paragraph walked ends up, relative
    std::u16string pending;                 // a new paragraph whose end has not come yet
    QTextCursor cursor;                     // the one that makes the edits
    bool grouped = false;                   // an edit was made: the undo step exists
    bool open = false;                      // an edit block is open for this piece
    bool done = false;                      // every new paragraph has been walked
    int caretParagraph = 0;
    int caretColumn = 0;
    int scrollY = 0;
    int scrollX = 0;
    int top = 0;
    bool scrolled = false;   // by the user, meanwhile
    bool suspended = false;  // the view is not redrawn until the end, or until the user scrolls
    bool scrolling = false;  // the view is being put back on its lines
    QMetaObject::Connection watchY, watchX;

    // Where the old paragraph `p` is now: the same text line, when it stays.
    std::ptrdiff_t Map(std::ptrdiff_t p) const {
        if (p < first) return p;
        const std::ptrdiff_t in = p - first;
        if (in < std::ssize(to)) return first + to[static_cast<std::size_t>(in)];
        if (!done) return p + j - std::ssize(to);         // below the walk: moved by its edits
        if (in < std::ssize(olds)) return first + j - 1;  // taken away: onto the last new one
        return p + j - std::ssize(olds);
    }
};

void WorksheetEditor::EndReplacement::operator()(Replacement* replacement) const {
    delete replacement;
}

void WorksheetEditor::StartReplacement(QString text, std::size_t start, std::size_t oldEnd) {
    std::unique_ptr<Replacement, EndReplacement> run(new Replacement);
    run->before = std::move(text);
    const std::u16string_view before = ToU16View(run->before);
    run->olds = Paragraphs(before.substr(start, oldEnd - start));
    run->first =
        std::count(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(start), u'\n');
    run->at = start;
    run->cursor = QTextCursor(document());
    const QTextCursor caret = textCursor();
    run->caretParagraph = caret.blockNumber();
    run->caretColumn = caret.positionInBlock();
    run->scrollY = verticalScrollBar()->value();
    run->scrollX = horizontalScrollBar()->value();
    run->top = firstVisibleBlock().blockNumber();
    replacement_ = std::move(run);
}

// [from, to) of the old text, where the walk has come, becomes `text`.
void WorksheetEditor::ReplaceOld(std::size_t from, std::size_t to, std::u16string_view text,
                                 bool breakBefore, bool breakAfter) {
    Replacement& run = *replacement_;
    QString inserted = ToQString(text);
    if (breakBefore) inserted.prepend(u'\n');
    if (breakAfter) inserted.append(u'\n');
    QTextCursor& cursor = run.cursor;
    // Each piece's edits are a block of their own, so that the layout follows the text between
    // pieces; joined, all of them undo as one. The lines take their colours as they are shown.
    if (!run.open) {
        if (run.grouped) {
            cursor.joinPreviousEditBlock();
        } else {
            cursor.beginEditBlock();
        }
        run.grouped = run.open = true;
    }
    const auto start = static_cast<std::ptrdiff_t>(from) + run.shift;
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + static_cast<std::ptrdiff_t>(to - from)),
                       QTextCursor::KeepAnchor);
    cursor.insertText(inserted);
    run.shift += inserted.size() - static_cast<std::ptrdiff_t>(to - from);
}

// The next new paragraph against the old one where the walk stands: kept, rewritten, put in
// before it (a result line where there was none) or, once the old ones are used up, added.
void WorksheetEditor::WalkParagraph(std::u16string_view paragraph) {
    Replacement& run = *replacement_;
    if (run.i >= run.olds.size()) {
        ReplaceOld(run.at - 1, run.at - 1, paragraph, true, false);
        ++run.j;
        return;
    }
    const std::u16string_view old = run.olds[run.i];
    const bool more =
        run.newCount < 0 ||
        run.newCount - run.j > std::ssize(run.olds) - static_cast<std::ptrdiff_t>(run.i);
    if (old != paragraph && more && paragraph.starts_with(u'>') && !old.starts_with(u'>')) {
        ReplaceOld(run.at, run.at, paragraph, false, true);
        ++run.j;
        return;
    }
    if (old != paragraph) ReplaceOld(run.at, run.at + old.size(), paragraph, false, false);
    run.to.push_back(run.j++);
    run.at += old.size() + 1;
    ++run.i;
}

void WorksheetEditor::ClosePiece() {
    Replacement& run = *replacement_;
    if (!run.open) return;
    run.cursor.endEditBlock();
    run.open = false;
    KeepView();
}

// Results put in above move the lines down: the view follows the line it showed at the top,
// unless the user has scrolled it meanwhile.
void WorksheetEditor::KeepView() {
    Replacement& run = *replacement_;
    if (run.scrolled) return;
    run.scrolling = true;
    verticalScrollBar()->setValue(run.scrollY + static_cast<int>(run.Map(run.top) - run.top));
    run.scrolling = false;
}

// While the pieces come, the view is drawn once they are all in (each redraw would cost the
// recalculation's time again), unless the user scrolls it: then they see where they go.
void WorksheetEditor::WatchScrolling() {
    Replacement& run = *replacement_;
    viewport()->setUpdatesEnabled(false);
    run.suspended = true;
    const auto scrolled = [this] {
        if (!replacement_ || replacement_->scrolling || replacement_->scrolled) return;
        replacement_->scrolled = true;
        StopWatchingScrolling();
    };
    run.watchY = connect(verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    run.watchX = connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
}

void WorksheetEditor::StopWatchingScrolling() {
    Replacement& run = *replacement_;
    disconnect(run.watchY);
    disconnect(run.watchX);
    if (!run.suspended) return;
    run.suspended = false;
    viewport()->setUpdatesEnabled(true);  // which redraws it all
}

void WorksheetEditor::FinishReplacement() {
    Replacement& run = *replacement_;
    if (run.newCount < 0) run.newCount = run.j + 1;  // the last one is walked now
    WalkParagraph(run.pending);
    run.done = true;
    if (run.i < run.olds.size()) {
        // The old paragraphs left over go, with the line break before the first of them.
        const std::size_t oldEnd = static_cast<std::size_t>(
            run.olds.back().data() + run.olds.back().size() - ToU16View(run.before).data());
        ReplaceOld(run.at - 1, oldEnd, {}, false, false);
    }
    ClosePiece();

    // Results inserted above move the lines down; the caret and the view follow their line.
    const auto caretParagraph = static_cast<int>(run.Map(run.caretParagraph));
    const int caretColumn = run.caretColumn;
    const int scrollY = run.scrollY + static_cast<int>(run.Map(run.top) - run.top);
    const bool scrolled = run.scrolled;
    const int scrollX = run.scrollX;
    StopWatchingScrolling();
    replacement_.reset();
    PutBack(caretParagraph, caretColumn, scrolled, scrollY, scrollX);
}

// The caret on `column` of `paragraph` (or of the last one), and the view scrolled to
// `scrollY` and `scrollX`, unless the user has scrolled it.
void WorksheetEditor::PutBack(int paragraph, int column, bool scrolled, int scrollY, int scrollX) {
    QTextBlock block = document()->findBlockByNumber(paragraph);
    if (!block.isValid()) block = document()->lastBlock();
    QTextCursor placed(block);
    placed.setPosition(block.position() + std::min(column, block.length() - 1));
    if (scrolled) {
        scrollY = verticalScrollBar()->value();
        scrollX = horizontalScrollBar()->value();
    }
    PlaceCursor(placed);  // which may scroll to the caret
    verticalScrollBar()->setValue(scrollY);
    horizontalScrollBar()->setValue(scrollX);
}

void WorksheetEditor::ReplaceAllText(std::u16string_view text) {
    QString raw = Text();
    const std::u16string_view before = ToU16View(raw);
    if (before == text) return;
    const ChangedRange change = FindChange(before, text);
    StartReplacement(std::move(raw), change.start, change.oldEnd);
    const auto news = Paragraphs(text.substr(change.start, change.newEnd - change.start));
    replacement_->newCount = std::ssize(news);
    for (std::size_t k = 0; k + 1 < news.size(); ++k) WalkParagraph(news[k]);
    replacement_->pending = news.back();
    FinishReplacement();
}

std::u16string_view WorksheetEditor::BeginReplaceAll() {
    QString text = Text();
    const auto length = static_cast<std::size_t>(text.size());
    StartReplacement(std::move(text), 0, length);
    WatchScrolling();
    return ToU16View(replacement_->before);
}

void WorksheetEditor::ReplaceAllPiece(std::u16string_view piece) {
    if (!replacement_) return;
    std::u16string& pending = replacement_->pending;
    for (std::size_t end; (end = piece.find(u'\n')) != piece.npos; piece.remove_prefix(end + 1)) {
        if (pending.empty()) {
            WalkParagraph(piece.substr(0, end));
        } else {
            pending.append(piece.substr(0, end));
            const std::u16string paragraph = std::move(pending);
            pending.clear();
            WalkParagraph(paragraph);
        }
    }
    pending.append(piece);
    ClosePiece();
}

void WorksheetEditor::EndReplaceAll(std::u16string_view rest) {
    if (!replacement_) return;
    ReplaceAllPiece(rest);
    FinishReplacement();
}

void WorksheetEditor::AbandonReplaceAll() {
    if (!replacement_) return;
    ClosePiece();
    StopWatchingScrolling();
    const Replacement run = std::move(*replacement_);
    replacement_.reset();
    if (run.grouped) {
        document()->undo();
        // What was taken back was never the user's to redo.
        document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    }
    PutBack(run.caretParagraph, run.caretColumn, run.scrolled, run.scrollY, run.scrollX);
}

}  // namespace numora
