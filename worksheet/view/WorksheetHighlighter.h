#pragma once
// The line colours of the worksheet editor as display formats of each paragraph's layout. They
// are computed from the paragraph's text by the colouring rules when it changes or is about to
// be shown, and never enter the document: no undo step, no modification, nothing saved.
#include <QColor>
#include <QObject>
#include <QTextCharFormat>
#include <array>

#include "worksheet/Coloring.h"

class QObject;
class QTextBlock;
class QTextDocument;

namespace numora {

// A document for the worksheet editor, owned by `parent`. Its layout lays out again only the
// paragraphs that hold changed text, so that giving a paragraph its colours, which the document
// announces as the whole paragraph removed and inserted again, does not also lay out as many
// lines below it as the paragraph has characters.
QTextDocument* NewWorksheetDocument(QObject* parent);

// A paragraph the user edited keeps the per-edit rule; every paragraph takes the full-scan rule
// again after a load and after new colours or a new font.
//
// Not a QSyntaxHighlighter: that one colours every paragraph of a newly set text at once,
// which would make opening a long worksheet as slow as colouring all of it.
class WorksheetHighlighter : public QObject {
public:
    // Lives as long as `document`, its parent.
    explicit WorksheetHighlighter(QTextDocument& document);

    // The four colours, indexed by ColorKind. Every line takes them as it is next shown.
    void SetColors(const std::array<QColor, 4>& colors);
    QColor Color(ColorKind kind) const;
    // Units on: "->" converts, so its ">" starts no result colour. Every line is coloured again.
    void SetConversionArrows(bool on);
    // Every line is coloured again by the full scan as it is next shown.
    void RecolorAll();
    // Colours what is not yet coloured among `count` paragraphs from `first`: the lines a paint
    // is about to show, which it lays out itself.
    void ColorShownLines(QTextBlock first, int count);
    // Colours every paragraph that is not yet coloured (a print copies them all).
    void ColorEveryLine();

private:
    void OnContentsChange(int from, int removed, int added);
    bool Colored(const QTextBlock& block) const;
    bool Edited(const QTextBlock& block) const;
    // Sets the paragraph's formats by the rule it is due; false when they were already those.
    bool Apply(QTextBlock block);
    int State(bool colored, bool edited) const;

    QTextDocument& document_;
    std::array<QTextCharFormat, 4> formats_;
    int generation_ = 0;
    bool arrows_ = false;
};

}  // namespace numora
