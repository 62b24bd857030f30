#include "worksheet/MemoryTextBuffer.h"

#include <algorithm>
#include <utility>

namespace numora {

MemoryTextBuffer::MemoryTextBuffer(std::u16string_view text, std::int32_t wrapWidth)
    : wrapWidth_(std::max(wrapWidth, 0)) {
    Apply(0, 0, text);
}

void MemoryTextBuffer::ResetText(std::u16string&& text) {
    paragraphs_ = ParagraphIndex();
    paragraphs_.Replace(0, 0, text);
    text_.Adopt(std::move(text));
    NoteEdit(0);
    anchor_ = caret_ = 0;
    undo_.clear();
    redo_.clear();
    open_ = Step{};
}

std::u16string MemoryTextBuffer::TakeText() {
    std::u16string text = text_.Take();
    paragraphs_ = ParagraphIndex();
    anchor_ = caret_ = 0;
    undo_.clear();
    redo_.clear();
    open_ = Step{};
    return text;
}

void MemoryTextBuffer::SetUndoHistory(bool keep) {
    keepUndo_ = keep;
    if (!keep) {
        undo_.clear();
        redo_.clear();
    }
}

char16_t MemoryTextBuffer::CharAt(std::int32_t position) const {
    if (position < 0 || position >= text_.Size()) return 0;
    return text_.At(position);
}

std::u16string MemoryTextBuffer::TextRange(std::int32_t from, std::int32_t to) const {
    from = std::clamp(from, 0, text_.Size());
    to = std::clamp(to, 0, text_.Size());
    return text_.Copy(from, to);
}

std::int32_t MemoryTextBuffer::Clamp(std::int32_t position) const {
    return position < 0 ? text_.Size() : std::min(position, text_.Size());
}

// Wrapping is a test aid: its visual lines are found by walking the paragraphs. Without it a
// visual line is a paragraph and every lookup goes through the paragraph index.
std::int32_t MemoryTextBuffer::VisualLinesOf(std::int32_t paragraph) const {
    const std::int32_t length = paragraphs_.Length(paragraph);
    return std::max<std::int32_t>(1, (length + wrapWidth_ - 1) / wrapWidth_);
}

std::int32_t MemoryTextBuffer::LineCount() const {
    if (wrapWidth_ == 0) return paragraphs_.Count();
    std::int32_t lines = 0;
    for (std::int32_t p = 0; p < paragraphs_.Count(); ++p) lines += VisualLinesOf(p);
    return lines;
}

std::int32_t MemoryTextBuffer::LineStart(std::int32_t line) const {
    if (line < 0) return -1;
    if (wrapWidth_ == 0) return line < paragraphs_.Count() ? paragraphs_.Start(line) : -1;
    for (std::int32_t p = 0; p < paragraphs_.Count(); ++p) {
        const std::int32_t lines = VisualLinesOf(p);
        if (line < lines) return paragraphs_.Start(p) + line * wrapWidth_;
        line -= lines;
    }
    return -1;
}

std::int32_t MemoryTextBuffer::LineFromPosition(std::int32_t position) const {
    position = std::clamp(position, 0, text_.Size());
    const std::int32_t paragraph = paragraphs_.ParagraphOf(position);
    if (wrapWidth_ == 0) return paragraph;
    std::int32_t line = 0;
    for (std::int32_t p = 0; p < paragraph; ++p) line += VisualLinesOf(p);
    const std::int32_t within = (position - paragraphs_.Start(paragraph)) / wrapWidth_;
    return line + std::min(within, VisualLinesOf(paragraph) - 1);
}

std::int32_t MemoryTextBuffer::LineLengthAt(std::int32_t position) const {
    position = std::clamp(position, 0, text_.Size());
    const std::int32_t paragraph = paragraphs_.ParagraphOf(position);
    const std::int32_t length = paragraphs_.Length(paragraph);
    if (wrapWidth_ == 0) return length;
    const std::int32_t within = std::min((position - paragraphs_.Start(paragraph)) / wrapWidth_,
                                         VisualLinesOf(paragraph) - 1);
    return std::min(wrapWidth_, length - within * wrapWidth_);
}

std::int32_t MemoryTextBuffer::CaretLineStart() const {
    return LineStart(LineFromPosition(caret_));
}

void MemoryTextBuffer::SetSelection(std::int32_t anchor, std::int32_t caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

TextSelection MemoryTextBuffer::GetSelection() const {
    return {std::min(anchor_, caret_), std::max(anchor_, caret_)};
}

void MemoryTextBuffer::Apply(std::int32_t position, std::int32_t count,
                             std::u16string_view inserted) {
    paragraphs_.Replace(position, count, inserted);
    text_.Replace(position, count, inserted);
    NoteEdit(paragraphs_.ParagraphOf(position));
}

void MemoryTextBuffer::ReplaceSelection(std::u16string_view text) {
    const TextSelection selection = GetSelection();
    if (selection.start == selection.end && text.empty()) return;
    // An edit that would make the text too long for 32-bit positions is refused whole.
    const std::int64_t length = std::int64_t{text_.Size()} - (selection.end - selection.start) +
                                static_cast<std::int64_t>(text.size());
    if (length > MaxTextLength()) return;
    if (!keepUndo_) {
        Apply(selection.start, selection.end - selection.start, text);
        anchor_ = caret_ = selection.start + static_cast<std::int32_t>(text.size());
        return;
    }
    Edit edit{selection.start, text_.Copy(selection.start, selection.end), std::u16string(text)};
    const bool single = groupDepth_ == 0;
    if (single) open_ = Step{{}, anchor_, caret_, 0, 0};
    Apply(selection.start, selection.end - selection.start, text);
    anchor_ = caret_ = selection.start + static_cast<std::int32_t>(text.size());
    open_.edits.push_back(std::move(edit));
    redo_.clear();
    if (single) {
        open_.anchorAfter = anchor_;
        open_.caretAfter = caret_;
        undo_.push_back(std::move(open_));
        open_ = Step{};
    }
}

void MemoryTextBuffer::BeginUndoGroup() {
    if (groupDepth_++ == 0) open_ = Step{{}, anchor_, caret_, 0, 0};
}

void MemoryTextBuffer::EndUndoGroup() {
    if (groupDepth_ == 0 || --groupDepth_ > 0) return;
    // A group that changed nothing (a caret move) is no undo step.
    if (!open_.edits.empty()) {
        open_.anchorAfter = anchor_;
        open_.caretAfter = caret_;
        undo_.push_back(std::move(open_));
    }
    open_ = Step{};
}

void MemoryTextBuffer::ResumeRedraw() {
    if (redrawSuspended_ > 0) --redrawSuspended_;
    ++repaints_;
}

bool MemoryTextBuffer::Undo() {
    if (!CanUndo()) return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    for (auto it = step.edits.rbegin(); it != step.edits.rend(); ++it) {
        Apply(it->position, static_cast<std::int32_t>(it->inserted.size()), it->removed);
    }
    anchor_ = step.anchorBefore;
    caret_ = step.caretBefore;
    redo_.push_back(std::move(step));
    return true;
}

bool MemoryTextBuffer::Redo() {
    if (!CanRedo()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    for (const Edit& edit : step.edits) {
        Apply(edit.position, static_cast<std::int32_t>(edit.removed.size()), edit.inserted);
    }
    anchor_ = step.anchorAfter;
    caret_ = step.caretAfter;
    undo_.push_back(std::move(step));
    return true;
}

}  // namespace numora
