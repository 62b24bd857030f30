#pragma once
// The worksheet editor: a plain-text editor that the Enter-key driver works on through the
// TextBuffer interface. Every edit the program or a keystroke makes is one undo step; the line
// colours are display formats that follow the text (WorksheetHighlighter).
#include <QPlainTextEdit>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/CalcEngine.h"
#include "worksheet/Coloring.h"
#include "worksheet/TextBuffer.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
class BackgroundEvaluator;
class WorksheetHighlighter;
}  // namespace numora

class CView : public QPlainTextEdit, public numora::TextBuffer {
    Q_OBJECT
public:
    // The engine looks user functions up in `functions`, which outlives the view.
    explicit CView(const numora::UserFunctionCatalogue& functions = numora::NoUserFunctions(),
                   QWidget* parent = nullptr);
    ~CView() override;

    // The worksheet's engine, owned for the view's whole life.
    numora::CalcEngine& Engine() { return engine_; }
    // Calculation on/off, the Enter option, replace-all grouping.
    numora::WorksheetDriver& Driver() { return *driver_; }

    void ApplyDigits(int digits);
    // The four line colours as COLORREF values (0x00BBGGRR), as the settings record holds
    // them. Recolours the whole worksheet; the text, its undo steps and the modified flag stay.
    void ApplyColors(std::uint32_t defaultColor, std::uint32_t resultColor,
                     std::uint32_t errorColor, std::uint32_t commentColor);
    void ApplyWordWrap(bool on);
    // A whole worksheet: empty undo stack, unmodified, caret at the start of the last line.
    // Lines are coloured as they are shown.
    void LoadText(const QString& text);
    // The whole text with "\n" between paragraphs.
    QString Text() const;
    // One undo step; the editor gets the focus back.
    void InsertAtCaret(const QString& text);
    // Colours every line again by the full scan (after a new font).
    void RecolorAll();
    numora::WorksheetHighlighter& Highlighter() { return *highlighter_; }
    // A line is being calculated right now.
    bool Calculating() const;
    // Runs a command now, or after the input typed ahead during a calculation.
    void RunInTurn(std::function<void()> command);
    // The shortcuts of `action` work at once also during a calculation.
    void PassKeysOf(QAction* action);
    QColor LineColor(numora::ColorKind kind) const;

    // TextBuffer. Visual lines are reported per paragraph: the driver and the colouring only
    // ever work on whole paragraphs, and the editor lays wrapped lines out lazily (not at all
    // while an edit is open), so paragraph numbers are the only line numbers that stay exact.
    std::int32_t TextLength() const override;
    char16_t CharAt(std::int32_t position) const override;
    std::u16string TextRange(std::int32_t from, std::int32_t to) const override;
    std::int32_t CaretLineStart() const override;
    std::int32_t LineStart(std::int32_t line) const override;
    std::int32_t LineFromPosition(std::int32_t position) const override;
    std::int32_t LineLengthAt(std::int32_t position) const override;
    void SetSelection(std::int32_t anchor, std::int32_t caret) override;
    numora::TextSelection GetSelection() const override;
    void ReplaceSelection(std::u16string_view text) override;
    void ReplaceRange(std::int32_t from, std::int32_t to, std::u16string_view text) override;
    void BeginUndoGroup() override;
    void EndUndoGroup() override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    void HideSelection() override {}
    void ShowSelection() override {}
    void SetCaretType(numora::CaretType type) override;
    void FocusEditor() override { setFocus(Qt::OtherFocusReason); }

signals:
    // After each successful Enter (result pane, variable list).
    void Calculated();
    // A line has run longer than a moment / it ended.
    void CalculationBusy(bool busy);
    void OverwriteToggled(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs an edit of the editor's own as one undo step, unless an edit group is already open
    // (then it simply joins it).
    template <typename Edit>
    void RunInEditGroup(Edit&& edit);

    numora::CalcEngine engine_;
    std::unique_ptr<numora::BackgroundEvaluator> evaluator_;
    std::unique_ptr<numora::WorksheetDriver> driver_;
    QTextCursor groupCursor_;
    int groupDepth_ = 0;
    int redrawSuspended_ = 0;
    numora::WorksheetHighlighter* highlighter_;  // owned by the document
};
