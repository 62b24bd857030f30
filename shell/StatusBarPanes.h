#pragma once
// The status bar: the default pane ("レディ" when idle), ResultPane with the last result in the
// chosen display format, and CalcPane that shows and switches calculation on Enter.
#include <QLabel>
#include <QObject>

#include "engine/CalcEngine.h"

class QStatusBar;

namespace numora {

class WorksheetEditor;
class Worksheet;

// A pane that never sets the window's width: it asks for the room of its text (or more, when
// told), makes do with less, down to none, and then shows its text cut off with "…".
class ShrinkingPane : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The width the pane asks for when its text needs less.
    void SetWidthWanted(int width);
    // The width its text needs.
    int TextWidth() const { return QLabel::sizeHint().width(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int wanted_ = 0;
};

// A pane that reports clicks, right clicks and double clicks.
class ClickablePane : public ShrinkingPane {
    Q_OBJECT
public:
    using ShrinkingPane::ShrinkingPane;

signals:
    void Clicked();
    void RightClicked();
    void DoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// CalcPane. Few fonts have the mark of "⛝計算OFF" (a squared saltire), so the pane draws it
// itself: a square with both diagonals, in the text's colour.
class CalcStatePane : public ClickablePane {
    Q_OBJECT
public:
    using ClickablePane::ClickablePane;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class StatusBarPanes : public QObject {
    Q_OBJECT
public:
    static constexpr int kResultPaneWidth = 250;
    static constexpr int kCalcPaneWidth = 80;

    StatusBarPanes(QStatusBar& bar, WorksheetEditor& view, Worksheet& sheet);

    // 0 decimal, 1 hexadecimal, 2 binary.
    int Format() const { return format_; }
    void SetFormat(int format);
    // Shows the engine's last result in the current format.
    void RefreshResult();
    // Right click: decimal -> hexadecimal -> binary -> decimal.
    void CycleFormat();
    // Click: the plain form of the result onto the clipboard (nothing before any result).
    void CopyResult();
    // Double click: the clipboard's text at the worksheet's caret, once there is a result.
    void PasteAtCaret();
    void ToggleCalc();
    void ShowCalcState();
    // While a line runs longer than a moment the default pane says so.
    void ShowBusy(bool busy);
    // While the whole worksheet is recalculated the default pane shows how far it has got,
    // also once it counts as busy; an empty text ends that.
    void ShowProgress(const QString& text);
    // The simple mode, while a function menu is open: the panes give way to one that shows
    // the whole help text of the highlighted item.
    // A message over the default pane until something else is shown there. One longer than the
    // default pane's room takes the result pane's room too, for a while, so that it is read
    // whole.
    void ShowNotice(const QString& text);
    void EnterSimpleMode();
    // Ignored outside the simple mode.
    void ShowSimpleText(const QString& text);
    void LeaveSimpleMode();
    bool SimpleMode() const { return simple_; }

    QLabel& DefaultPane() { return *default_; }
    ClickablePane& ResultPane() { return *result_; }
    CalcStatePane& CalcPane() { return *calc_; }

private:
    static int WidthFor(const QLabel& pane, const QString& text);
    bool HasResult() const;
    // Shares the bar between the panes for the texts they show.
    void FitPanes();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QStatusBar& bar_;
    WorksheetEditor& view_;
    Worksheet& sheet_;
    ShrinkingPane* default_;
    ClickablePane* result_;
    CalcStatePane* calc_;
    QString progress_;
    bool fitPosted_ = false;
    int format_ = 0;
    bool simple_ = false;
};

}  // namespace numora
