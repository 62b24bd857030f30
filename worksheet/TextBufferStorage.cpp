#include "worksheet/TextBufferStorage.h"

#include <algorithm>

namespace numora {

std::u16string GapText::Copy(std::int32_t from, std::int32_t to) const {
    std::u16string out;
    if (to <= from) return out;
    out.reserve(static_cast<std::size_t>(to - from));
    const auto begin = static_cast<std::size_t>(from);
    const auto end = static_cast<std::size_t>(to);
    if (begin < gapStart_) {
        out.append(buffer_, begin, std::min(end, gapStart_) - begin);
    }
    if (end > gapStart_) {
        const std::size_t tailFrom = std::max(begin, gapStart_);
        out.append(buffer_, tailFrom + GapSize(), end - tailFrom);
    }
    return out;
}

void GapText::MoveGap(std::size_t position) {
    using Traits = std::char_traits<char16_t>;
    if (position < gapStart_) {
        const std::size_t n = gapStart_ - position;
        Traits::move(&buffer_[gapEnd_ - n], &buffer_[position], n);
        gapStart_ -= n;
        gapEnd_ -= n;
    } else if (position > gapStart_) {
        const std::size_t n = position - gapStart_;
        Traits::move(&buffer_[gapStart_], &buffer_[gapEnd_], n);
        gapStart_ += n;
        gapEnd_ += n;
    }
}

void GapText::Replace(std::int32_t position, std::int32_t count, std::u16string_view text) {
    MoveGap(static_cast<std::size_t>(position));
    gapEnd_ += static_cast<std::size_t>(count);
    if (GapSize() < text.size()) {
        // Grow geometrically so that a long run of insertions stays linear overall; by a
        // quarter, not double, so that a large worksheet does not need three times its size
        // while it grows. Memory reserved beforehand (see Adopt) is used without a copy.
        const std::size_t tail = buffer_.size() - gapEnd_;
        const std::size_t needed = gapStart_ + tail + text.size() + 256;
        std::size_t capacity = std::max(buffer_.size() + buffer_.size() / 4, needed);
        if (buffer_.capacity() >= needed) capacity = std::min(capacity, buffer_.capacity());
        if (capacity <= buffer_.capacity()) {
            const std::size_t oldSize = buffer_.size();
            buffer_.resize(capacity);
            std::char_traits<char16_t>::move(&buffer_[capacity - tail], &buffer_[oldSize - tail],
                                             tail);
        } else {
            std::u16string grown(capacity, u'\0');
            std::copy(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(gapStart_),
                      grown.begin());
            std::copy(buffer_.end() - static_cast<std::ptrdiff_t>(tail), buffer_.end(),
                      grown.end() - static_cast<std::ptrdiff_t>(tail));
            buffer_.swap(grown);
        }
        gapEnd_ = buffer_.size() - tail;
    }
    std::copy(text.begin(), text.end(), buffer_.begin() + static_cast<std::ptrdiff_t>(gapStart_));
    gapStart_ += text.size();
}

void GapText::Adopt(std::u16string&& text) {
    buffer_ = std::move(text);
    gapStart_ = gapEnd_ = buffer_.size();
}

std::u16string GapText::Take() {
    MoveGap(buffer_.size() - GapSize());
    buffer_.resize(gapStart_);
    std::u16string text = std::move(buffer_);
    buffer_.clear();
    gapStart_ = gapEnd_ = 0;
    return text;
}

std::int32_t ParagraphIndex::Start(std::int32_t paragraph) const {
    const auto p = static_cast<std::size_t>(paragraph);
    if (p < front_.size()) return front_[p];
    return textLength_ - back_[back_.size() - 1 - (p - front_.size())];
}

std::int32_t ParagraphIndex::ParagraphOf(std::int32_t position) const {
    position = std::clamp(position, 0, textLength_);
    if (back_.empty() || position < textLength_ - back_.back()) {
        const auto it = std::upper_bound(front_.begin(), front_.end(), position);
        return static_cast<std::int32_t>(it - front_.begin()) - 1;
    }
    // The first paragraph after the gap starting at or before `position`, counted from the end.
    const auto it = std::lower_bound(back_.begin(), back_.end(), textLength_ - position);
    const auto fromEnd = static_cast<std::int32_t>(it - back_.begin());
    return Count() - 1 - fromEnd;
}

std::int32_t ParagraphIndex::Length(std::int32_t paragraph) const {
    const std::int32_t end = paragraph + 1 < Count() ? Start(paragraph + 1) - 1 : textLength_;
    return end - Start(paragraph);
}

void ParagraphIndex::MoveGap(std::int32_t position) {
    // A worksheet just loaded moves all its lines at its first edit: reserved exactly, not
    // doubled on the way.
    if (back_.empty()) {
        const auto after =
            front_.end() - std::upper_bound(front_.begin() + 1, front_.end(), position);
        back_.reserve(static_cast<std::size_t>(after));
    }
    while (front_.size() > 1 && front_.back() > position) {
        back_.push_back(textLength_ - front_.back());
        front_.pop_back();
        if (Keeping()) {
            backKept_.push_back(std::move(frontKept_.back()));
            frontKept_.pop_back();
        }
    }
    while (!back_.empty() && textLength_ - back_.back() <= position) {
        front_.push_back(textLength_ - back_.back());
        back_.pop_back();
        if (Keeping()) {
            frontKept_.push_back(std::move(backKept_.back()));
            backKept_.pop_back();
        }
    }
}

void ParagraphIndex::Keep(std::int32_t paragraph, std::shared_ptr<const KeptResult> kept) {
    if (!Keeping()) {
        if (!kept) return;
        frontKept_.resize(front_.size());
        backKept_.resize(back_.size());
    }
    const auto p = static_cast<std::size_t>(paragraph);
    if (p < front_.size()) {
        frontKept_[p] = std::move(kept);
    } else {
        backKept_[back_.size() - 1 - (p - front_.size())] = std::move(kept);
    }
}

const KeptResult* ParagraphIndex::Kept(std::int32_t paragraph) const {
    if (!Keeping()) return nullptr;
    const auto p = static_cast<std::size_t>(paragraph);
    if (p < front_.size()) return frontKept_[p].get();
    return backKept_[back_.size() - 1 - (p - front_.size())].get();
}

void ParagraphIndex::Replace(std::int32_t position, std::int32_t removed,
                             std::u16string_view inserted) {
    MoveGap(position);
    // Paragraphs that began after a removed line break disappear.
    while (!back_.empty() && textLength_ - back_.back() <= position + removed) {
        back_.pop_back();
        if (Keeping()) backKept_.pop_back();
    }
    if (front_.size() == 1 && back_.empty()) {  // the first text: reserved exactly
        front_.reserve(front_.size() + static_cast<std::size_t>(
                                           std::count(inserted.begin(), inserted.end(), u'\n')));
    }
    for (std::size_t i = 0; i < inserted.size(); ++i) {
        if (inserted[i] != u'\n') continue;
        front_.push_back(position + static_cast<std::int32_t>(i) + 1);
        if (Keeping()) frontKept_.emplace_back();
    }
    textLength_ += static_cast<std::int32_t>(inserted.size()) - removed;
}

}  // namespace numora
