#pragma once
// The names a worksheet's text uses, counted as it is edited. Each paragraph keeps the names it
// held when last read, so that an edit reads again only the paragraphs it touched, and a
// paragraph that goes takes its names out of the count with it.
#include <QObject>
#include <memory>

#include "worksheet/Completion.h"

class QTextBlock;
class QTextDocument;

namespace numora {

class DocumentNames final : public QObject {
public:
    // `document` outlives it or not: its paragraphs share the count.
    explicit DocumentNames(QTextDocument& document);

    // Up to date with the text; after a long edit (a load, a long paste), read again first.
    const NameTally& Tally();

private:
    void OnContentsChange(int from, int removed, int added);
    void Read(QTextBlock block);

    QTextDocument& document_;
    std::shared_ptr<NameTally> tally_;
    bool stale_ = true;  // every paragraph to be read again
};

}  // namespace numora
