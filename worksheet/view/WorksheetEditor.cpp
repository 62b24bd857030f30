#include "worksheet/view/WorksheetEditor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <utility>

#include "ui/ColorRef.h"
#include "ui/QtText.h"
#include "worksheet/ColoringLines.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/ParagraphData.h"
#include "worksheet/view/ViewTexts.h"
#include "worksheet/view/WorksheetHighlighter.h"

namespace numora {

namespace {

constexpr int kLeftMargin = 10;
constexpr int kRightMargin = 2;

// Keys whose characters the editor types; the control characters it only acts on.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return false;
    const char16_t c = text.front().unicode();
    return c == u'\t' || (c >= 0x20 && c != 0x7F);
}

}  // namespace

WorksheetEditor::WorksheetEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setDocument(NewWorksheetDocument(this));
    setAccessibleName(view_texts::kWorksheetName());
    groupCursor_ = QTextCursor(document());
    highlighter_ = new WorksheetHighlighter(*document());
    // Automatic recalculation follows which lines the text has changed; colouring a line
    // changes its formats only, and no revision.
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int) {
        if (document()->revision() == notedRevision_) return;
        notedRevision_ = document()->revision();
        if (typing_) {
            typedChange_ = true;
        } else {
            EndTypedRun();
        }
        NoteEdit(document()->findBlock(position).blockNumber());
    });
    // A step made anywhere else ends every branch of the history that was taken back.
    connect(document(), &QTextDocument::undoCommandAdded, this, [this] {
        stepCarets_.erase(stepCarets_.lower_bound(document()->availableUndoSteps()),
                          stepCarets_.end());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!typing_) EndTypedRun();
    });
    // Saved, the text as it stands is a place that undo must be able to come back to.
    connect(document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!modified && !typing_) EndTypedRun();
    });
    ApplyColors(0, 0, 0, 0);  // black until the window hands its colours over
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setViewportMargins(kLeftMargin, 0, kRightMargin, 0);
    // The margins show the editor's background, not the frame's.
    QPalette margins = palette();
    margins.setColor(QPalette::Window, margins.color(QPalette::Base));
    setPalette(margins);
    setAutoFillBackground(true);
    // The editor fills its own background as it paints (see paintEvent), so that a paint held
    // back leaves what was shown.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

WorksheetEditor::~WorksheetEditor() = default;

void WorksheetEditor::ApplyColors(std::uint32_t defaultColor, std::uint32_t resultColor,
                                  std::uint32_t errorColor, std::uint32_t commentColor) {
    // Indexed by ColorKind.
    highlighter_->SetColors({FromColorRef(defaultColor), FromColorRef(resultColor),
                             FromColorRef(errorColor), FromColorRef(commentColor)});
    viewport()->update();
}

QColor WorksheetEditor::LineColor(ColorKind kind) const { return highlighter_->Color(kind); }

void WorksheetEditor::ApplyWordWrap(bool on) {
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void WorksheetEditor::LoadText(const QString& text) {
    // Loading is not an edit: no undo step.
    document()->setUndoRedoEnabled(false);
    setPlainText(text);
    document()->setUndoRedoEnabled(true);
    stepCarets_.clear();
    NoteEdit(0);
    highlighter_->RecolorAll();
    const std::int32_t caret = CaretAfterColorAllLines(*this);
    SetSelection(caret, caret);
    document()->setModified(false);
}

QString WorksheetEditor::Text() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void WorksheetEditor::InsertAtCaret(const QString& text) {
    if (sheet_ != nullptr) {
        sheet_->Driver().InsertAtCaret(ToU16View(text));
        return;
    }
    ReplaceSelection(ToU16View(text));
    FocusEditor();
}

void WorksheetEditor::RecolorAll() {
    highlighter_->RecolorAll();
    viewport()->update();
}

// ---- TextBuffer over the document ----

std::int32_t WorksheetEditor::TextLength() const { return document()->characterCount() - 1; }

char16_t WorksheetEditor::CharAt(std::int32_t position) const {
    if (position < 0 || position >= TextLength()) return 0;
    const QChar c = document()->characterAt(position);
    return c == QChar::ParagraphSeparator ? u'\n' : c.unicode();
}

std::u16string WorksheetEditor::TextRange(std::int32_t from, std::int32_t to) const {
    const std::int32_t length = TextLength();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    // Read from the blocks, not through a cursor: placing a cursor also lays out its line,
    // and only the characters are wanted here.
    std::u16string text;
    text.reserve(static_cast<std::size_t>(to - from));
    QTextBlock block = document()->findBlock(from);
    for (std::int32_t start = block.position(); block.isValid() && start < to;
         block = block.next()) {
        const QString line = block.text();
        const std::int32_t end = start + static_cast<std::int32_t>(line.size());
        const std::int32_t a = std::max(from, start) - start;
        const std::int32_t b = std::min(to, end) - start;
        if (b > a) text.append(reinterpret_cast<const char16_t*>(line.utf16()) + a, b - a);
        if (to > end) text += u'\n';  // the line break is inside the range
        start = end + 1;
    }
    return text;
}

std::int32_t WorksheetEditor::CaretLineStart() const { return Caret().block().position(); }

std::int32_t WorksheetEditor::LineStart(std::int32_t line) const {
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

std::int32_t WorksheetEditor::LineFromPosition(std::int32_t position) const {
    return document()->findBlock(std::clamp(position, 0, TextLength())).blockNumber();
}

std::int32_t WorksheetEditor::LineLengthAt(std::int32_t position) const {
    return document()->findBlock(std::clamp(position, 0, TextLength())).length() - 1;
}

std::int32_t WorksheetEditor::ParagraphCount() const { return document()->blockCount(); }

void WorksheetEditor::KeepResult(std::int32_t paragraph, std::shared_ptr<const KeptResult> kept) {
    ParagraphData* data =
        ParagraphData::Of(document()->findBlockByNumber(paragraph), kept != nullptr);
    if (data != nullptr) data->kept = std::move(kept);
}

const KeptResult* WorksheetEditor::KeptResultAt(std::int32_t paragraph) const {
    const ParagraphData* data = ParagraphData::Of(document()->findBlockByNumber(paragraph), false);
    return data != nullptr ? data->kept.get() : nullptr;
}

std::int32_t WorksheetEditor::ParagraphStart(std::int32_t paragraph) const {
    return document()->findBlockByNumber(paragraph).position();
}

std::int32_t WorksheetEditor::ParagraphOf(std::int32_t position) const {
    return LineFromPosition(position);
}

void WorksheetEditor::SetSelection(std::int32_t anchor, std::int32_t caret) {
    const std::int32_t length = TextLength();
    const auto clamp = [length](std::int32_t p) { return p < 0 ? length : std::min(p, length); };
    QTextCursor cursor = Caret();
    cursor.setPosition(clamp(anchor));
    cursor.setPosition(clamp(caret), QTextCursor::KeepAnchor);
    MoveCaret(cursor);
}

QTextCursor WorksheetEditor::Caret() const { return caretPending_ ? caret_ : textCursor(); }

// The driver moves the caret a few times in an edit group (to the result line, after it, onto
// an error); each move of the editor's own caret would scroll, lay out its line and tell every
// listener. Inside a group the caret is kept here and put in place once, when the group ends or
// before the toolkit edits at it.
void WorksheetEditor::MoveCaret(const QTextCursor& cursor) {
    if (groupDepth_ > 0) {
        caret_ = cursor;
        caretPending_ = true;
    } else {
        PlaceCursor(cursor);
    }
}

void WorksheetEditor::PlaceKeptCaret() {
    if (!caretPending_) return;
    const QTextCursor cursor = caret_;
    PlaceCursor(cursor);
}

void WorksheetEditor::ScrollToShow(const QTextCursor& at) {
    const QRect view = viewport()->rect();
    const int line = std::max(1, fontMetrics().lineSpacing());
    QScrollBar* bar = verticalScrollBar();
    // The bar counts lines; a wrapped line above may take more than one step.
    for (int tries = 0; tries < 8; ++tries) {
        const QRect caret = cursorRect(at);
        if (caret.top() < view.top()) {
            bar->setValue(bar->value() - std::max(1, (view.top() - caret.top()) / line));
        } else if (caret.bottom() > view.bottom()) {
            bar->setValue(bar->value() + std::max(1, (caret.bottom() - view.bottom()) / line));
        } else {
            return;
        }
    }
}

void WorksheetEditor::PlaceCursor(const QTextCursor& cursor) {
    // Inside an edit group the caret's line may still hold the layout of its text before the
    // edit, and the toolkit's scroll to the caret would read a line position that no longer
    // exists (and crash). Cleared, the line is laid out afresh from its text when asked.
    if (groupDepth_ > 0) cursor.block().layout()->clearLayout();
    caretPending_ = false;
    caret_ = QTextCursor();
    setTextCursor(cursor);
}

TextSelection WorksheetEditor::GetSelection() const {
    const QTextCursor cursor = Caret();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void WorksheetEditor::ReplaceSelection(std::u16string_view text) {
    QTextCursor cursor = Caret();
    cursor.insertText(ToQString(text));
    MoveCaret(cursor);
}

void WorksheetEditor::ReplaceRange(std::int32_t from, std::int32_t to, std::u16string_view text) {
    // A cursor of its own: moving the editor's caret for each of many replacements would
    // scroll and lay out the view every time.
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(from, 0, TextLength()));
    cursor.setPosition(std::clamp(to, 0, TextLength()), QTextCursor::KeepAnchor);
    cursor.insertText(ToQString(text));
}

void WorksheetEditor::BeginUndoGroup() {
    if (groupDepth_++ > 0) return;
    const QTextCursor caret = Caret();
    groupCarets_.beforeAnchor = caret.anchor();
    groupCarets_.beforeCaret = caret.position();
    groupUndoSteps_ = document()->availableUndoSteps();
    groupJoined_ = std::exchange(joinRun_, false);
    if (groupJoined_) {
        groupCursor_.joinPreviousEditBlock();
    } else {
        groupCursor_.beginEditBlock();
    }
}

void WorksheetEditor::EndUndoGroup() {
    if (groupDepth_ == 0) return;
    if (--groupDepth_ > 0) return;
    groupCursor_.endEditBlock();
    PlaceKeptCaret();
    NoteStep(groupUndoSteps_, groupJoined_);
}

// Held back are only the paints that come meanwhile: while the window waits for a line inside
// an edit, say, when the edited lines' layout is not yet made. An edit that is over before any
// paint comes (a typed character) is drawn as ever, where it changed, not the whole view again.
void WorksheetEditor::SuspendRedraw() { ++redrawSuspended_; }

void WorksheetEditor::ResumeRedraw() {
    if (redrawSuspended_ == 0 || --redrawSuspended_ > 0) return;
    if (heldBack_.isEmpty()) return;
    viewport()->update(heldBack_);
    heldBack_ = {};
}

void WorksheetEditor::SetCaretType(CaretType type) {
    // The editor draws a block caret in overwrite mode.
    const bool overwrite = type == CaretType::Block;
    setOverwriteMode(overwrite);
    emit OverwriteToggled(overwrite);
}

// ---- colouring ----

void WorksheetEditor::paintEvent(QPaintEvent* event) {
    if (redrawSuspended_ > 0) {
        heldBack_ += event->region();
        return;
    }
    {
        QPainter background(viewport());
        background.fillRect(event->rect(),
                            viewport()->palette().brush(viewport()->backgroundRole()));
    }
    // Lines take their colours as they come into view: a long worksheet is coloured only where
    // it is shown. Wrapped lines make fewer paragraphs fit; colouring a few extra costs little.
    const int lines = viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 2;
    highlighter_->ColorShownLines(firstVisibleBlock(), lines);
    QPlainTextEdit::paintEvent(event);
    PaintPreview();
}

void WorksheetEditor::ShowPreview(int block, const QString& text) {
    if (block == previewBlock_ && text == previewText_) return;
    if (previewBlock_ < 0 && block < 0) return;
    previewBlock_ = block;
    previewText_ = text;
    description_.Set(EditorDescription::Part::Preview,
                     block < 0 ? QString() : QStringLiteral("= ") + text);
    viewport()->update();
}

void WorksheetEditor::PaintPreview() {
    if (previewBlock_ < 0) return;
    const QTextBlock block = document()->findBlockByNumber(previewBlock_);
    const QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
    if (layout == nullptr || layout->lineCount() == 0 || !block.isVisible()) return;
    const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
    if (box.bottom() < 0 || box.top() > viewport()->height()) return;
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    const QPointF at(box.left() + last.x() + last.naturalTextWidth(), box.top() + last.y());
    QColor faded = LineColor(ColorKind::Result);
    faded.setAlphaF(0.55);
    QPainter painter(viewport());
    painter.setFont(font());
    painter.setPen(faded);
    painter.drawText(QRectF(at, QSizeF(viewport()->width(), last.height())),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral(" = ") + previewText_);
}

// ---- keys ----

// The toolkit scrolls to the caret after its edit, while the edit group still holds back the
// layout of the lines the edit changed; when the caret ends out of view (Backspace joining the
// top line to the one above it, a character typed with the caret scrolled away, a selection
// typed over from below) that scroll reads positions of the text before the edit, and crashes.
// Where the caret will be is shown first, so the toolkit has nothing to scroll.
void WorksheetEditor::ShowCaretLanding(bool backspace, bool word) {
    const QTextCursor caret = textCursor();
    QTextCursor landing = caret;
    if (caret.hasSelection()) {
        landing.setPosition(caret.selectionStart());
    } else if (backspace) {
        landing.movePosition(word ? QTextCursor::PreviousWord : QTextCursor::PreviousCharacter);
    }
    ScrollToShow(caret);
    if (landing != caret) ScrollToShow(landing);
}

// The line below the one Enter was pressed on holds what the Enter wrote (the result, or the
// error while the caret stays on the line it is about); it is shown whole, and the caret too.
void WorksheetEditor::ShowEnterResult(int line) {
    const QTextBlock written = document()->findBlockByNumber(line + 1);
    if (written.isValid() && groupDepth_ == 0 && !sheet_->Driver().EditGroupOpen()) {
        QTextCursor end(written);
        end.movePosition(QTextCursor::EndOfBlock);
        ScrollToShow(end);  // a message wrapped onto more lines: its start goes first
        ScrollToShow(QTextCursor(written));
    }
    ensureCursorVisible();
}

template <typename Edit>
void WorksheetEditor::RunInEditGroup(Edit&& edit, bool backspace, bool word) {
    PlaceKeptCaret();  // the toolkit edits at its own caret
    ShowCaretLanding(backspace, word);
    if (sheet_ == nullptr) {
        BeginUndoGroup();
        edit();
        EndUndoGroup();
    } else if (sheet_->Driver().EditGroupOpen()) {
        edit();
    } else {
        sheet_->Driver().DispatchInEditGroup(std::forward<Edit>(edit));
    }
}

void WorksheetEditor::SetUndoTypedRuns(bool on) {
    typedRuns_ = on;
    EndTypedRun();
}

// The toolkit merges adjacent inserts into one undo step only when they are made outside an edit
// group, and every edit here is made in one (with its colouring): each typed character would be
// a step of its own. A run reopens its last step instead, as long as nothing else has happened
// since: the caret is where the run left it, and the undo history is as it was.
bool WorksheetEditor::ContinuesTypedRun() const {
    if (!typedRuns_ || !runOpen_) return false;
    const QTextCursor caret = Caret();
    return !caret.hasSelection() && caret.position() == runEnd_ &&
           document()->availableUndoSteps() == runUndoSteps_;
}

template <typename Edit>
void WorksheetEditor::Type(Edit&& edit) {
    // Typed into an edit of the program's that is still open, the text is part of that edit.
    const bool ownStep = groupDepth_ == 0 && !(sheet_ && sheet_->Driver().EditGroupOpen());
    joinRun_ = ownStep && ContinuesTypedRun();
    const bool wasTyping = std::exchange(typing_, true);
    typedChange_ = false;
    RunInEditGroup(std::forward<Edit>(edit));
    typing_ = wasTyping;
    joinRun_ = false;
    if (!typedChange_) return;  // nothing typed (the text is full): the run stays as it was
    runOpen_ = typedRuns_ && ownStep;
    runEnd_ = textCursor().position();
    runUndoSteps_ = document()->availableUndoSteps();
}

void WorksheetEditor::keyPressEvent(QKeyEvent* event) {
    // The edit commands' keys (undo, the clipboard) are the window's actions and never get
    // here. Where no window takes them first, the toolkit's own undo keys step through the
    // history and must not open a step of their own.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        if (!isReadOnly()) StepHistory(event->matches(QKeySequence::Undo));
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            if (sheet_ == nullptr) break;
            EndTypedRun();
            const int line = textCursor().blockNumber();
            sheet_->PressEnter(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier);
            ShowEnterResult(line);
            return;
        }
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            EndTypedRun();
            RunInEditGroup([&] { QPlainTextEdit::keyPressEvent(event); },
                           event->key() == Qt::Key_Backspace, modifiers & Qt::ControlModifier);
            return;
        case Qt::Key_Insert:
            if (sheet_ && !(modifiers & Qt::ControlModifier) && !(modifiers & Qt::ShiftModifier)) {
                sheet_->Driver().ToggleOverwriteCaret();
                return;
            }
            break;
        default:
            break;
    }
    if (TypesText(*event)) {
        Type([&] { QPlainTextEdit::keyPressEvent(event); });
        return;
    }
    // So do its cut and paste keys: they edit.
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) {
        RunInEditGroup([&] { QPlainTextEdit::keyPressEvent(event); });
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void WorksheetEditor::inputMethodEvent(QInputMethodEvent* event) {
    // A commit is typed text, like a typed character, with its colouring. Composition alone is
    // not an edit of the worksheet, nor a move of the caret: what it does leaves a run open.
    const bool wasTyping = std::exchange(typing_, true);
    if (event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
    } else {
        Type([&] { QPlainTextEdit::inputMethodEvent(event); });
    }
    typing_ = wasTyping;
    const bool composing = !event->preeditString().isEmpty();
    if (composing != composing_) {
        composing_ = composing;
        emit CompositionChanged(composing);
    }
}

void WorksheetEditor::insertFromMimeData(const QMimeData* source) {
    RunInEditGroup([&] { QPlainTextEdit::insertFromMimeData(source); });
}

}  // namespace numora
