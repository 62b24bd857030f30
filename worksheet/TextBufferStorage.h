#pragma once
// Storage for the in-memory text buffer. Both pieces keep a gap at the last edit, so a run of
// edits close together (Enter after Enter, a recalculation walking down the text) costs work in
// proportion to the edit and the distance moved, not to the size of the text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

struct KeptResult;

// UTF-16 text in a gap buffer.
class GapText {
public:
    std::int32_t Size() const { return static_cast<std::int32_t>(buffer_.size() - GapSize()); }
    char16_t At(std::int32_t index) const {
        const auto i = static_cast<std::size_t>(index);
        return i < gapStart_ ? buffer_[i] : buffer_[i + GapSize()];
    }
    // Characters [from, to); the caller passes a valid range.
    std::u16string Copy(std::int32_t from, std::int32_t to) const;
    // Replaces `count` characters at `position` by `text`.
    void Replace(std::int32_t position, std::int32_t count, std::u16string_view text);
    // Takes over `text` and its memory; its spare capacity is where the text grows first.
    void Adopt(std::u16string&& text);
    // Hands the text over without copying it; the storage is empty afterwards.
    std::u16string Take();

private:
    std::size_t GapSize() const { return gapEnd_ - gapStart_; }
    void MoveGap(std::size_t position);

    std::u16string buffer_;
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
};

// The start positions of all paragraphs. Starts before the gap are stored as positions, starts
// after it as distances from the end of the text, so an edit leaves the later ones untouched.
class ParagraphIndex {
public:
    ParagraphIndex() : front_{0} {}

    std::int32_t Count() const { return static_cast<std::int32_t>(front_.size() + back_.size()); }
    // Start of paragraph `paragraph` (0 <= paragraph < Count()).
    std::int32_t Start(std::int32_t paragraph) const;
    // Paragraph holding `position` (clamped to the text).
    std::int32_t ParagraphOf(std::int32_t position) const;
    // Length of paragraph `paragraph` without its line break.
    std::int32_t Length(std::int32_t paragraph) const;

    // Records that the `removed` characters at `position` were replaced by `inserted`.
    void Replace(std::int32_t position, std::int32_t removed, std::u16string_view inserted);

    // A value kept beside a paragraph: it moves with the paragraph's start and goes with it. A
    // new paragraph has none. Nothing is stored until the first value is kept.
    void Keep(std::int32_t paragraph, std::shared_ptr<const KeptResult> kept);
    const KeptResult* Kept(std::int32_t paragraph) const;

private:
    void MoveGap(std::int32_t position);
    bool Keeping() const { return !frontKept_.empty(); }

    std::int32_t textLength_ = 0;
    std::vector<std::int32_t> front_;  // ascending positions; front_[0] == 0
    std::vector<std::int32_t> back_;   // distances from the end, ascending (last paragraph first)
    // Beside front_ and back_, entry for entry, once any value is kept.
    std::vector<std::shared_ptr<const KeptResult>> frontKept_;
    std::vector<std::shared_ptr<const KeptResult>> backKept_;
};

}  // namespace numora
