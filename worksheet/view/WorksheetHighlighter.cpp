#include "worksheet/view/WorksheetHighlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <string_view>

namespace numora {

namespace {

// Each paragraph's user state says whether it is coloured, by which rule, and for which
// generation of colours; a new paragraph's -1 is "not coloured". A new generation (a load, new
// colours or font) leaves every paragraph uncoloured and due for the full scan at once,
// without visiting any of them.
constexpr int kColored = 1;
constexpr int kEdited = 2;
constexpr int kGenerationShift = 2;
constexpr int kGenerationMask = (1 << 28) - 1;

// An edit touching more paragraphs than this (a long paste, Replace All) only marks them; they
// take their colours as they are shown.
constexpr int kColorAtOnce = 32;

// The plain text layout lays out every paragraph from the change's start up to its start plus
// the characters removed plus those added, although only the added ones are in the text now.
class WorksheetLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int /*removed*/, int added) override {
        // A removal alone still lays out the paragraph it happened in.
        QPlainTextDocumentLayout::documentChanged(from, 0, std::max(added, 1));
    }
};

}  // namespace

QTextDocument* NewWorksheetDocument(QObject* parent) {
    auto* document = new QTextDocument(parent);
    document->setDocumentLayout(new WorksheetLayout(document));
    return document;
}

WorksheetHighlighter::WorksheetHighlighter(QTextDocument& document)
    : QObject(&document), document_(document) {
    connect(&document, &QTextDocument::contentsChange, this,
            &WorksheetHighlighter::OnContentsChange);
}

void WorksheetHighlighter::SetColors(const std::array<QColor, 4>& colors) {
    for (std::size_t kind = 0; kind < colors.size(); ++kind) {
        formats_[kind].setForeground(colors[kind]);
    }
    RecolorAll();
}

QColor WorksheetHighlighter::Color(ColorKind kind) const {
    return formats_[static_cast<std::size_t>(kind)].foreground().color();
}

void WorksheetHighlighter::RecolorAll() { generation_ = (generation_ + 1) & kGenerationMask; }

int WorksheetHighlighter::State(bool colored, bool edited) const {
    return generation_ << kGenerationShift | (edited ? kEdited : 0) | (colored ? kColored : 0);
}

bool WorksheetHighlighter::Colored(const QTextBlock& block) const {
    const int state = block.userState();
    return state >= 0 && state >> kGenerationShift == generation_ && (state & kColored) != 0;
}

bool WorksheetHighlighter::Edited(const QTextBlock& block) const {
    const int state = block.userState();
    return state >= 0 && state >> kGenerationShift == generation_ && (state & kEdited) != 0;
}

void WorksheetHighlighter::SetConversionArrows(bool on) {
    if (arrows_ == on) return;
    arrows_ = on;
    RecolorAll();
}

bool WorksheetHighlighter::Apply(QTextBlock block) {
    const bool edited = Edited(block);
    block.setUserState(State(true, edited));
    const QString text = block.text();
    const std::u16string_view chars(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    const ColorSegments segments =
        edited ? ColorEditedParagraph(chars, arrows_) : ColorScannedParagraph(chars, arrows_);

    // While an input method composes, the layout holds the composed text at the caret with
    // formats of its own: those stay, and the colours stretch over the composed text.
    QTextLayout* layout = block.layout();
    const int preeditAt = layout->preeditAreaPosition();
    const int preeditLength = static_cast<int>(layout->preeditAreaText().size());
    QList<QTextLayout::FormatRange> ranges;
    if (preeditLength > 0) {
        ranges = layout->formats();
        ranges.removeIf([&](const QTextLayout::FormatRange& range) {
            return range.start < preeditAt ||
                   range.start + range.length > preeditAt + preeditLength;
        });
    }
    for (const ColorSegment& segment : segments) {
        QTextLayout::FormatRange range{segment.start, segment.length,
                                       formats_[static_cast<std::size_t>(segment.kind)]};
        if (preeditLength > 0 && range.start >= preeditAt) {
            range.start += preeditLength;
        } else if (preeditLength > 0 && range.start + range.length >= preeditAt) {
            range.length += preeditLength;
        }
        ranges.append(range);
    }
    if (layout->formats() == ranges) return false;
    layout->setFormats(ranges);
    return true;
}

void WorksheetHighlighter::OnContentsChange(int from, int removed, int added) {
    // The document announces a change before its layout hears of it: formats set now are laid
    // out together with the edit. A removed line break joins the next paragraph to this one.
    const int end = std::min(from + added + (removed > 0 ? 1 : 0), document_.characterCount() - 1);
    QTextBlock block = document_.findBlock(from);
    const QTextBlock last = document_.findBlock(end);
    const bool now = last.blockNumber() - block.blockNumber() < kColorAtOnce;
    for (; block.isValid(); block = block.next()) {
        block.setUserState(State(false, true));
        if (now) Apply(block);
        if (block == last) break;
    }
}

void WorksheetHighlighter::ColorShownLines(QTextBlock first, int count) {
    int from = -1, to = -1;
    for (QTextBlock block = first; block.isValid() && count-- > 0; block = block.next()) {
        if (Colored(block) || !Apply(block)) continue;
        if (from < 0) from = block.position();
        to = block.position() + block.length();
    }
    if (from < 0) return;
    // The paint that asked lays these lines out and draws them next; announcing the change
    // would only ask for a second paint.
    const QSignalBlocker quiet(document_.documentLayout());
    document_.markContentsDirty(from, to - from);
}

void WorksheetHighlighter::ColorEveryLine() {
    int from = -1, to = -1;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (Colored(block) || !Apply(block)) continue;
        if (from < 0) from = block.position();
        to = block.position() + block.length();
    }
    if (from >= 0) document_.markContentsDirty(from, to - from);
}

}  // namespace numora
