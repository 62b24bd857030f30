#include "worksheet/Coloring.h"

#include <array>
#include <string>

namespace numora {

namespace {

// Tested in this order by the per-edit rule.
constexpr std::array<std::u16string_view, 4> kErrorMarkers = {u">Error", u">nan", u">inf",
                                                              u">-inf"};

constexpr std::size_t kLongestMarker = 6;

// Adds [from, to) unless it is empty; joins it to the previous segment of the same colour so
// that the view applies as few formats as possible.
void Add(ColorSegments& out, std::size_t from, std::size_t to, ColorKind kind) {
    if (to <= from) return;
    const auto start = static_cast<std::int32_t>(from);
    const auto length = static_cast<std::int32_t>(to - from);
    if (!out.empty() && out.back().kind == kind && out.back().start + out.back().length == start) {
        out.back().length += length;
        return;
    }
    out.push_back({start, length, kind});
}

std::ptrdiff_t Find(std::u16string_view text, std::u16string_view what) {
    const std::size_t at = text.find(what);
    return at == std::u16string_view::npos ? -1 : static_cast<std::ptrdiff_t>(at);
}

// The first ">" that starts a result: with arrows, not one that ends "->".
std::ptrdiff_t FindResult(std::u16string_view text, bool arrows) {
    for (std::size_t at = text.find(u'>'); at != std::u16string_view::npos;
         at = text.find(u'>', at + 1)) {
        if (!arrows || at == 0 || text[at - 1] != u'-') return static_cast<std::ptrdiff_t>(at);
    }
    return -1;
}

}  // namespace

ColorSegments ColorEditedParagraph(std::u16string_view text, bool arrows) {
    std::ptrdiff_t error = -1;
    for (std::u16string_view marker : kErrorMarkers) {
        error = Find(text, marker);
        if (error >= 0) break;
    }
    std::ptrdiff_t result = FindResult(text, arrows);

    // The comment is coloured first but comes last in the paragraph; keep the output ordered.
    std::size_t length = text.size();
    const std::ptrdiff_t comment = Find(text, u"//");
    if (comment >= 0) {
        if (comment < result) result = -1;
        if (comment < error) error = -1;
        length = static_cast<std::size_t>(comment);
    }

    ColorSegments out;
    if (error >= 0) {
        const auto valueStart = static_cast<std::size_t>(error) + 1;
        Add(out, 0, valueStart, ColorKind::Default);
        Add(out, valueStart, length, ColorKind::Error);
    } else if (result >= 0) {
        const auto valueStart = static_cast<std::size_t>(result) + 1;
        Add(out, 0, valueStart, ColorKind::Default);
        Add(out, valueStart, length, ColorKind::Result);
    } else {
        Add(out, 0, length, ColorKind::Default);
    }
    if (comment >= 0) Add(out, length, text.size(), ColorKind::Comment);
    return out;
}

ColorSegments ColorScannedParagraph(std::u16string_view text, bool arrows) {
    ColorSegments out;
    ColorKind state = ColorKind::Default;
    std::size_t segmentStart = 0;
    char16_t previous = 0;  // none yet
    std::u16string marker;

    for (std::size_t pos = 0;; ++pos) {
        const bool atEnd = pos == text.size();
        const char16_t c = atEnd ? 0 : text[pos];

        if (atEnd || (previous == u'/' && c == u'/')) {
            // The first "/" of "//" belongs to the comment that follows.
            const std::size_t end = atEnd ? pos : pos - 1;
            Add(out, segmentStart, end, state);
            segmentStart = end;
            marker.clear();
            if (atEnd) break;
            state = ColorKind::Comment;
        } else if (state == ColorKind::Default) {
            if (c == u'>' && !(arrows && previous == u'-')) {
                Add(out, segmentStart, pos + 1, ColorKind::Default);
                segmentStart = pos + 1;
                state = ColorKind::Result;
                marker.assign(1, u'>');
            }
        } else if (state == ColorKind::Result && marker.size() < kLongestMarker) {
            marker.push_back(c);
            for (std::u16string_view m : kErrorMarkers) {
                if (marker == m) {
                    state = ColorKind::Error;
                    break;
                }
            }
        }
        previous = c;
    }
    return out;
}

}  // namespace numora
