#pragma once
// Help while typing in the editor: the names a typed name may become, in a list under the caret
// (Up and Down choose, Tab or a click inserts, Esc closes, Enter closes it and calculates as
// ever; names the worksheet already uses come first), the units a name typed in square brackets
// may become, in the same list, and the arguments of the call around the
// caret in a tip below the line (Esc closes it until the caret is in another call). Both go
// above the line where there is no room below. Neither opens while an input method composes or
// a line is calculated.
#include <QObject>
#include <QString>
#include <QTextCursor>
#include <functional>
#include <vector>

#include "worksheet/Completion.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/DocumentNames.h"

class QLabel;

namespace numora {

class CompletionPopup;
class Worksheet;
class WorksheetEditor;

class TypingHelp final : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kMaxRows = 16;

    // Where the names come from.
    struct Source {
        // The indexes to search, best kind first (built-ins, user functions, variables).
        std::function<std::vector<const CompletionIndex*>()> indexes;
        // The help line of an item whose own is empty (a variable's value), by index and item.
        std::function<QString(std::size_t index, std::size_t item)> helpOf;
        // The units a name typed in square brackets may become, best first, while units are on.
        std::function<std::vector<CompletionRow>(std::u16string_view typed)> units;
    };

    // Both outlive the help.
    TypingHelp(WorksheetEditor& editor, Worksheet& sheet, Source source);

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    bool PopupShown() const;
    const CompletionPopup& Popup() const { return *popup_; }
    // The tip's text ("LogN(base; <b>x</b>)"); empty while it is hidden.
    QString TipShown() const;
    const QWidget& Tip() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();
    void UpdateTip(const std::u16string& paragraph, int column, const QTextCursor& caret);
    void ShowRows(std::vector<CompletionRow> rows, const QTextCursor& caret, int start);
    void Insert(int row);
    void HidePopup();
    void HideAll();
    // Hides the tip and takes its words from the editor's description.
    void HideTip();
    void CloseTip();

    WorksheetEditor& editor_;
    Worksheet& sheet_;
    Source source_;
    CompletionPopup* popup_;  // children of the editor's viewport
    QLabel* tip_;
    DocumentNames names_;
    // At the "(" of the call whose tip Esc closed, while the caret stays in that call.
    QTextCursor closedCall_;
    bool enabled_ = false;
    int revision_ = -1;
    int position_ = -1;
    int anchorBlock_ = -1;  // where the name the list is for starts
    int anchorStart_ = -1;
};

}  // namespace numora
