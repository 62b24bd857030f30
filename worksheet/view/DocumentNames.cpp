#include "worksheet/view/DocumentNames.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "worksheet/view/ParagraphData.h"

namespace numora {

namespace {

// An edit touching more paragraphs than this is not read at once: the whole text is read again
// when the names are next asked for, if they are (a load of a long file need not wait for it).
constexpr int kReadAtOnce = 32;

// The names of one paragraph, counted while the paragraph holds them: the document deletes
// them with the paragraph, or when they are replaced.
class ParagraphNames final {
public:
    ParagraphNames(std::shared_ptr<NameTally> tally, std::vector<std::u16string> names)
        : tally_(std::move(tally)), names_(std::move(names)) {
        tally_->Add(names_);
    }
    ~ParagraphNames() { tally_->Remove(names_); }
    ParagraphNames(const ParagraphNames&) = delete;
    ParagraphNames& operator=(const ParagraphNames&) = delete;

private:
    std::shared_ptr<NameTally> tally_;
    std::vector<std::u16string> names_;
};

}  // namespace

DocumentNames::DocumentNames(QTextDocument& document)
    : document_(document), tally_(std::make_shared<NameTally>()) {
    connect(&document, &QTextDocument::contentsChange, this, &DocumentNames::OnContentsChange);
}

void DocumentNames::Read(QTextBlock block) {
    const QString text = block.text();
    std::vector<std::u16string> names = NamesUsedIn(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    ParagraphData* data = ParagraphData::Of(block, !names.empty());
    if (data == nullptr) return;
    data->names =
        names.empty() ? nullptr : std::make_shared<ParagraphNames>(tally_, std::move(names));
}

void DocumentNames::OnContentsChange(int from, int /*removed*/, int added) {
    if (stale_) return;
    // The paragraphs that now hold the changed text; a removed line break joined two into one.
    QTextBlock block = document_.findBlock(from);
    const QTextBlock last =
        document_.findBlock(std::min(from + added, document_.characterCount() - 1));
    if (last.blockNumber() - block.blockNumber() >= kReadAtOnce) {
        stale_ = true;
        return;
    }
    for (; block.isValid(); block = block.next()) {
        Read(block);
        if (block == last) break;
    }
}

const NameTally& DocumentNames::Tally() {
    if (stale_) {
        // A count of its own: the paragraphs' old names leave the old one as they are replaced.
        tally_ = std::make_shared<NameTally>();
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            Read(block);
        }
        stale_ = false;
    }
    return *tally_;
}

}  // namespace numora
