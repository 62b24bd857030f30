#pragma once
// The status bar: the default pane ("レディ" when idle), ResultPane with the last result in the
// chosen display format, and CalcPane that shows and switches calculation on Enter.
#include <QLabel>
#include <QObject>

#include "engine/CalcEngine.h"

class QStatusBar;
class CView;

namespace numora {

// A pane that reports clicks, right clicks and double clicks.
class ClickablePane : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void Clicked();
    void RightClicked();
    void DoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class StatusBarPanes : public QObject {
    Q_OBJECT
public:
    static constexpr int kResultPaneWidth = 250;
    static constexpr int kCalcPaneWidth = 80;

    StatusBarPanes(QStatusBar& bar, CView& view);

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

    QLabel& DefaultPane() { return *default_; }
    ClickablePane& ResultPane() { return *result_; }
    ClickablePane& CalcPane() { return *calc_; }

private:
    bool HasResult() const;

    CView& view_;
    QLabel* default_;
    ClickablePane* result_;
    ClickablePane* calc_;
    int format_ = 0;
};

}  // namespace numora
