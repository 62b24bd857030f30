#pragma once
// A TextBuffer held in memory, for the command line and for tests: UTF-16 text with "\n" as the
// only line break, a caret and selection, undo groups, and an optional fixed wrap width that
// splits each paragraph into visual lines of at most that many characters.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "worksheet/TextBuffer.h"
#include "worksheet/TextBufferStorage.h"

namespace numora {

class MemoryTextBuffer final : public TextBuffer {
public:
    // The initial text is not an undoable edit; the caret starts at 0. A wrap width of 0 means
    // no wrapping.
    explicit MemoryTextBuffer(std::u16string_view text = {}, std::int32_t wrapWidth = 0);

    // Replaces the whole text without an undo step, taking over the string's memory; the caret
    // goes to 0 and the undo history is cleared.
    void ResetText(std::u16string&& text);
    // Hands the text over without copying it and leaves the buffer empty.
    std::u16string TakeText();
    // A batch run that nobody can undo keeps no history, and so no copy of every edit.
    void SetUndoHistory(bool keep);

    std::int32_t TextLength() const override { return text_.Size(); }
    char16_t CharAt(std::int32_t position) const override;
    std::u16string TextRange(std::int32_t from, std::int32_t to) const override;
    std::int32_t CaretLineStart() const override;
    std::int32_t LineStart(std::int32_t line) const override;
    std::int32_t LineFromPosition(std::int32_t position) const override;
    std::int32_t LineLengthAt(std::int32_t position) const override;
    void SetSelection(std::int32_t anchor, std::int32_t caret) override;
    TextSelection GetSelection() const override;
    void ReplaceSelection(std::u16string_view text) override;
    void BeginUndoGroup() override;
    void EndUndoGroup() override;
    void SuspendRedraw() override { ++redrawSuspended_; }
    void ResumeRedraw() override;
    void HideSelection() override { selectionHidden_ = true; }
    void ShowSelection() override { selectionHidden_ = false; }
    void SetCaretType(CaretType type) override { caretType_ = type; }
    void FocusEditor() override { ++focusRequests_; }

    std::u16string Text() const { return text_.Copy(0, text_.Size()); }
    std::int32_t Caret() const { return caret_; }
    std::int32_t Anchor() const { return anchor_; }
    std::int32_t ParagraphCount() const override { return paragraphs_.Count(); }
    std::int32_t ParagraphStart(std::int32_t paragraph) const override {
        return paragraphs_.Start(paragraph);
    }
    std::int32_t ParagraphOf(std::int32_t position) const override {
        return paragraphs_.ParagraphOf(position);
    }
    std::int32_t LineCount() const;
    void KeepResult(std::int32_t paragraph, std::shared_ptr<const KeptResult> kept) override {
        paragraphs_.Keep(paragraph, std::move(kept));
    }
    const KeptResult* KeptResultAt(std::int32_t paragraph) const override {
        return paragraphs_.Kept(paragraph);
    }

    // Undo and Redo take back or repeat one whole step (a group, or one edit made outside any
    // group) and restore the selection of its start or end. Both refuse while a group is open.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return groupDepth_ == 0 && !undo_.empty(); }
    bool CanRedo() const { return groupDepth_ == 0 && !redo_.empty(); }
    std::size_t UndoSteps() const { return undo_.size(); }

    bool RedrawSuspended() const { return redrawSuspended_ > 0; }
    int Repaints() const { return repaints_; }
    bool SelectionHidden() const { return selectionHidden_; }
    CaretType GetCaretType() const { return caretType_; }
    int FocusRequests() const { return focusRequests_; }
    bool UndoGroupOpen() const { return groupDepth_ > 0; }

private:
    struct Edit {
        std::int32_t position = 0;
        std::u16string removed;
        std::u16string inserted;
    };
    struct Step {
        std::vector<Edit> edits;
        std::int32_t anchorBefore = 0, caretBefore = 0;
        std::int32_t anchorAfter = 0, caretAfter = 0;
    };

    void Apply(std::int32_t position, std::int32_t count, std::u16string_view inserted);
    std::int32_t Clamp(std::int32_t position) const;
    std::int32_t VisualLinesOf(std::int32_t paragraph) const;

    GapText text_;
    ParagraphIndex paragraphs_;
    std::int32_t wrapWidth_ = 0;
    std::int32_t anchor_ = 0;
    std::int32_t caret_ = 0;

    bool keepUndo_ = true;
    int groupDepth_ = 0;
    Step open_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;

    int redrawSuspended_ = 0;
    int repaints_ = 0;
    bool selectionHidden_ = false;
    CaretType caretType_ = CaretType::Normal;
    int focusRequests_ = 0;
};

}  // namespace numora
