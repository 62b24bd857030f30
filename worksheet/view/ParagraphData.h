#pragma once
// What the editor keeps beside a paragraph's text, in the one record a paragraph of a
// QTextDocument can hold: the names it uses (for completion) and, on a result line, the full
// value it was written with (for the totals). The document deletes the record with the
// paragraph.
#include <QTextBlock>
#include <QTextBlockUserData>
#include <memory>

#include "worksheet/Totals.h"

namespace numora {

class ParagraphData final : public QTextBlockUserData {
public:
    // The record of `block`; made when there is none and `make` is set, else nullptr.
    static ParagraphData* Of(QTextBlock block, bool make) {
        if (!block.isValid()) return nullptr;
        auto* data = static_cast<ParagraphData*>(block.userData());
        if (data == nullptr && make) {
            data = new ParagraphData;
            block.setUserData(data);
        }
        return data;
    }

    std::shared_ptr<void> names;  // owned by DocumentNames
    std::shared_ptr<const KeptResult> kept;
};

}  // namespace numora
