#pragma once
// The worksheet editor: a view of a worksheet's text that the Enter-key driver works on through
// the TextBuffer interface. It shows the text and forwards keys and edits to the worksheet (the
// window owns both, and hands the colours over). Every edit the program or a keystroke makes is
// one undo step, except that characters typed in a run may share one (SetUndoTypedRuns); the line
// colours are display formats that follow the text (WorksheetHighlighter).
#include <QPlainTextEdit>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>

#include "worksheet/Coloring.h"
#include "worksheet/TextBuffer.h"
#include "worksheet/view/EditorDescription.h"

namespace numora {

class Worksheet;
class WorksheetHighlighter;

class WorksheetEditor : public QPlainTextEdit, public TextBuffer {
    Q_OBJECT
public:
    explicit WorksheetEditor(QWidget* parent = nullptr);
    ~WorksheetEditor() override;

    // The worksheet whose driver gets this editor's keys and edits (built over this editor as
    // its text). It outlives the editor, or is taken away first. Without one the editor edits
    // plain text.
    void ShowWorksheet(Worksheet* sheet) { sheet_ = sheet; }

    // The four line colours as COLORREF values (0x00BBGGRR), as the settings record holds
    // them. Recolours the whole worksheet; the text, its undo steps and the modified flag stay.
    void ApplyColors(std::uint32_t defaultColor, std::uint32_t resultColor,
                     std::uint32_t errorColor, std::uint32_t commentColor);
    void ApplyWordWrap(bool on);
    // A whole worksheet: empty undo stack, unmodified, caret at the start of the last line.
    // Lines are coloured as they are shown.
    void LoadText(const QString& text);
    // The whole text with "\n" between paragraphs.
    QString Text() const;
    // One undo step; the editor gets the focus back.
    void InsertAtCaret(const QString& text);
    // Colours every line again by the full scan (after a new font).
    void RecolorAll();
    WorksheetHighlighter& Highlighter() { return *highlighter_; }
    // Replaces the text by `text` ("\n" between paragraphs) as one undo step; only the paragraphs
    // that changed are rewritten. The caret stays on its paragraph and column, the view
    // scrolled where it was.
    void ReplaceAllText(std::u16string_view text);
    // The same for a new text that comes in pieces, from the top down, while it is being made:
    // each piece goes in as it comes, drawn at the end. The pieces and the rest given to
    // EndReplaceAll make the whole new text; all of it is one undo step. Abandoned, the old
    // text comes back with the caret and the view where they were. Begun, it gives the text as
    // it stands, "\n" between paragraphs, there until the end. A view the user scrolls
    // meanwhile stays where they put it.
    std::u16string_view BeginReplaceAll();
    void ReplaceAllPiece(std::u16string_view piece);
    void EndReplaceAll(std::u16string_view rest);
    void AbandonReplaceAll();
    QColor LineColor(ColorKind kind) const;
    // Draws " = text" after the last line of paragraph `block`, in a faded result colour; it is
    // no part of the text. A negative block shows nothing.
    void ShowPreview(int block, const QString& text);
    QString PreviewShown() const { return previewBlock_ < 0 ? QString() : previewText_; }
    // What a screen reader reads beside the text: the preview's value and the argument tip.
    EditorDescription& Description() { return description_; }
    // On, characters typed one after another on one line are taken back by one undo step; the
    // run ends at Enter, a caret move, a deletion or any edit the program makes. Off, each
    // typed character is a step of its own.
    void SetUndoTypedRuns(bool on);
    bool UndoTypedRuns() const { return typedRuns_; }
    // Takes back (brings back) one undo step and puts the caret where it was before that step
    // (where the step left it); the view scrolls only when that line is out of it.
    void Undo();
    void Redo();
    // An input method is composing text at the caret that it has not committed yet.
    bool Composing() const { return composing_; }

    // TextBuffer. Visual lines are reported per paragraph: the driver and the colouring only
    // ever work on whole paragraphs, and the editor lays wrapped lines out lazily (not at all
    // while an edit is open), so paragraph numbers are the only line numbers that stay exact.
    std::int32_t TextLength() const override;
    char16_t CharAt(std::int32_t position) const override;
    std::u16string TextRange(std::int32_t from, std::int32_t to) const override;
    std::int32_t CaretLineStart() const override;
    std::int32_t LineStart(std::int32_t line) const override;
    std::int32_t LineFromPosition(std::int32_t position) const override;
    std::int32_t LineLengthAt(std::int32_t position) const override;
    std::int32_t ParagraphCount() const override;
    std::int32_t ParagraphStart(std::int32_t paragraph) const override;
    std::int32_t ParagraphOf(std::int32_t position) const override;
    void SetSelection(std::int32_t anchor, std::int32_t caret) override;
    TextSelection GetSelection() const override;
    void ReplaceSelection(std::u16string_view text) override;
    void ReplaceRange(std::int32_t from, std::int32_t to, std::u16string_view text) override;
    void BeginUndoGroup() override;
    void EndUndoGroup() override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    void HideSelection() override {}
    void ShowSelection() override {}
    void SetCaretType(CaretType type) override;
    void FocusEditor() override { setFocus(Qt::OtherFocusReason); }
    void KeepResult(std::int32_t paragraph, std::shared_ptr<const KeptResult> kept) override;
    const KeptResult* KeptResultAt(std::int32_t paragraph) const override;

signals:
    void OverwriteToggled(bool on);
    void CompositionChanged(bool composing);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs an edit of the editor's own as one undo step, unless an edit group is already open
    // (then it simply joins it), once the view shows where the edit leaves the caret (before
    // it, for Backspace; a word before it, for Ctrl+Backspace).
    template <typename Edit>
    void RunInEditGroup(Edit&& edit, bool backspace = false, bool word = false);
    // Runs a typed text's edit: its own undo step, or the open run's.
    template <typename Edit>
    void Type(Edit&& edit);
    bool ContinuesTypedRun() const;
    void ShowEnterResult(int line);
    void EndTypedRun() { runOpen_ = false; }
    // setTextCursor, safe while an edit group holds back the layout.
    void PlaceCursor(const QTextCursor& cursor);
    // The caret as the driver last put it, and moving it (kept until the group ends).
    QTextCursor Caret() const;
    void MoveCaret(const QTextCursor& cursor);
    void PlaceKeptCaret();
    // Scrolls the view, as little as it takes, to show `at`.
    void ScrollToShow(const QTextCursor& at);
    void ShowCaretLanding(bool backspace, bool word);
    void PaintPreview();
    struct Replacement;
    struct EndReplacement {
        void operator()(Replacement* replacement) const;
    };
    void StartReplacement(QString text, std::size_t start, std::size_t oldEnd);
    void WalkParagraph(std::u16string_view paragraph);
    void ReplaceOld(std::size_t from, std::size_t to, std::u16string_view text, bool breakBefore,
                    bool breakAfter);
    void ClosePiece();
    void KeepView();
    void WatchScrolling();
    void StopWatchingScrolling();
    void FinishReplacement();
    void PutBack(int paragraph, int column, bool scrolled, int scrollY, int scrollX);
    void NoteStep(int undoStepsBefore, bool joined);
    void StepHistory(bool undo);

    Worksheet* sheet_ = nullptr;
    QTextCursor groupCursor_;
    QTextCursor caret_;  // the caret moved inside an edit group, not yet the editor's
    bool caretPending_ = false;
    int groupDepth_ = 0;
    int redrawSuspended_ = 0;
    QRegion heldBack_;  // what paints asked for while redrawing was suspended
    WorksheetHighlighter* highlighter_ = nullptr;  // owned by the document
    int previewBlock_ = -1;
    int notedRevision_ = -1;
    QString previewText_;
    EditorDescription description_{*this};
    std::unique_ptr<Replacement, EndReplacement> replacement_;
    bool typedRuns_ = false;
    // A typed text or an input method's event is being handled: the changes and caret moves
    // it makes are its own and do not end the run.
    bool typing_ = false;
    bool typedChange_ = false;  // the text changed while typing_
    bool joinRun_ = false;      // the next undo group reopens the run's step
    bool runOpen_ = false;
    int runEnd_ = 0;        // the caret after the run's last character
    int runUndoSteps_ = 0;  // the undo steps there were then
    bool composing_ = false;
    // The selection before and after each undo step made in an edit group, by the undo steps
    // there are after it. Undo and redo come back to exactly those texts, so the positions hold.
    struct StepCarets {
        int beforeAnchor = 0;
        int beforeCaret = 0;
        int afterAnchor = 0;
        int afterCaret = 0;
    };
    std::map<int, StepCarets> stepCarets_;
    StepCarets groupCarets_;
    int groupUndoSteps_ = 0;
    bool groupJoined_ = false;
};

}  // namespace numora
