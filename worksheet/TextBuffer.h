#pragma once
// The editor operations the worksheet logic is written against, so that the Enter-key driver
// runs the same over the on-screen editor and over plain memory (tests, command line).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace numora {

// The longest text a worksheet holds, in UTF-16 code units: positions are 32-bit. Loading a
// longer file fails, and an edit that would grow the text past it is refused.
std::int32_t MaxTextLength();
// Lowers the limit for tests (a negative value restores the real one).
void SetMaxTextLength(std::int32_t limit);

struct KeptResult;  // worksheet/Totals.h

enum class CaretType { Normal = 0, Block = 1 };

// An ordered selection: start <= end. A collapsed selection is the caret.
struct TextSelection {
    std::int32_t start = 0;
    std::int32_t end = 0;
};

// Positions are UTF-16 offsets from 0 and a line break counts as one character; the break is
// always reported and accepted as "\n". A paragraph ends at a line break or at the end of the
// text. Visual lines are numbered from 0 over the whole text; without word wrap a visual line is
// a paragraph, with word wrap a paragraph spans one or more visual lines.
class TextBuffer {
public:
    virtual ~TextBuffer() = default;

    virtual std::int32_t TextLength() const = 0;
    // The character at `position`: '\n' for a line break, 0 at or beyond the end of the text.
    virtual char16_t CharAt(std::int32_t position) const = 0;
    // Characters [from, to), clamped to the text.
    virtual std::u16string TextRange(std::int32_t from, std::int32_t to) const = 0;

    // Start of the visual line holding the caret.
    virtual std::int32_t CaretLineStart() const = 0;
    // Start of visual line `line`; -1 if there is no such line.
    virtual std::int32_t LineStart(std::int32_t line) const = 0;
    // Visual line holding `position`; positions beyond the end belong to the last line.
    virtual std::int32_t LineFromPosition(std::int32_t position) const = 0;
    // Length of the visual line holding `position`, without its line break.
    virtual std::int32_t LineLengthAt(std::int32_t position) const = 0;

    // Paragraphs are numbered from 0; the text always has at least one.
    virtual std::int32_t ParagraphCount() const = 0;
    // Start of paragraph `paragraph` (which exists).
    virtual std::int32_t ParagraphStart(std::int32_t paragraph) const = 0;
    // Paragraph holding `position`; positions beyond the end belong to the last one.
    virtual std::int32_t ParagraphOf(std::int32_t position) const = 0;

    // Selects between anchor and caret with the caret at `caret`; both are clamped to the text
    // and a negative position stands for its end, so (-1, -1) puts the caret at the end.
    virtual void SetSelection(std::int32_t anchor, std::int32_t caret) = 0;
    virtual TextSelection GetSelection() const = 0;
    // Replaces the selection by `text` as an undoable edit; the caret ends after the text. An
    // edit that would make the text longer than MaxTextLength() changes nothing.
    virtual void ReplaceSelection(std::u16string_view text) = 0;
    // Replaces [from, to) by `text` the same way, leaving the selection to the caller: many
    // replacements in a row need not move the caret each time.
    virtual void ReplaceRange(std::int32_t from, std::int32_t to, std::u16string_view text) {
        SetSelection(from, to);
        ReplaceSelection(text);
    }

    // Every edit between Begin and End is taken back by one Undo.
    virtual void BeginUndoGroup() = 0;
    virtual void EndUndoGroup() = 0;
    // Resume also repaints the whole editor.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;
    virtual void HideSelection() = 0;
    virtual void ShowSelection() = 0;
    virtual void SetCaretType(CaretType type) = 0;
    // Gives the editor the keyboard focus (after an insertion from another pane).
    virtual void FocusEditor() = 0;

    // The full value of a result line, kept beside its paragraph (and moving with it) but never
    // part of the text. A buffer that keeps none reads every result line from its text.
    virtual void KeepResult(std::int32_t /*paragraph*/,
                            std::shared_ptr<const KeptResult> /*kept*/) {}
    virtual const KeptResult* KeptResultAt(std::int32_t /*paragraph*/) const { return nullptr; }

    // Told, after every change of the text (undo and redo included), the first paragraph it
    // touched.
    void SetEditListener(std::function<void(std::int32_t paragraph)> listener) {
        editListener_ = std::move(listener);
    }

protected:
    void NoteEdit(std::int32_t paragraph) const {
        if (editListener_) editListener_(paragraph);
    }

private:
    std::function<void(std::int32_t)> editListener_;
};

// One paragraph: its start, its characters without the line break, and their number.
struct Paragraph {
    std::int32_t start = 0;
    std::u16string text;
    std::int32_t length = 0;
};

// The paragraph holding `position`, found by walking visual lines back to a line break.
Paragraph GetParagraph(const TextBuffer& buffer, std::int32_t position);
// End of paragraph `paragraph` (numbered from 0): its line break, or the end of the text.
std::int32_t ParagraphEndOf(const TextBuffer& buffer, std::int32_t paragraph);
// Position of the line break ending the paragraph that starts at `start` (or the end of the
// text), found by walking wrapped visual lines forward.
std::int32_t GetParagraphEnd(const TextBuffer& buffer, std::int32_t start);

}  // namespace numora
