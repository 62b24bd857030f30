#include "shell/StatusBarPanes.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QStatusBar>

#include "shell/ShellTexts.h"
#include "worksheet/view/CView.h"

namespace numora {

void ClickablePane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
    if (event->button() == Qt::RightButton) emit RightClicked();
    QLabel::mousePressEvent(event);
}

void ClickablePane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

StatusBarPanes::StatusBarPanes(QStatusBar& bar, CView& view)
    : QObject(&bar),
      view_(view),
      default_(new QLabel(texts::kReady, &bar)),
      result_(new ClickablePane(QStringLiteral(">"), &bar)),
      calc_(new ClickablePane(&bar)) {
    // 250 pixels, wider only when a binary result would otherwise be cut off.
    result_->setMinimumWidth(kResultPaneWidth);
    result_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    calc_->setFixedWidth(kCalcPaneWidth);
    calc_->setAlignment(Qt::AlignCenter);
    // Menu help texts cover the default pane only; the two panes stay visible.
    bar.addWidget(default_, 1);
    bar.addPermanentWidget(result_);
    bar.addPermanentWidget(calc_);
    connect(result_, &ClickablePane::Clicked, this, &StatusBarPanes::CopyResult);
    connect(result_, &ClickablePane::RightClicked, this, &StatusBarPanes::CycleFormat);
    connect(result_, &ClickablePane::DoubleClicked, this, &StatusBarPanes::PasteAtCaret);
    connect(calc_, &ClickablePane::Clicked, this, &StatusBarPanes::ToggleCalc);
    ShowCalcState();
}

bool StatusBarPanes::HasResult() const { return !view_.Engine().GetValueText().empty(); }

void StatusBarPanes::SetFormat(int format) {
    format_ = (format >= 0 && format <= 2) ? format : 0;
    RefreshResult();
}

void StatusBarPanes::RefreshResult() {
    QString text = QStringLiteral(">");
    // Before any result the decimal pane shows ">" alone, the others the formatted zero.
    if (format_ != 0 || HasResult()) {
        text += QString::fromStdU16String(
            view_.Engine().FormatForStatus(static_cast<StatusFormat>(format_), true));
    }
    result_->setText(text);
}

void StatusBarPanes::CycleFormat() { SetFormat((format_ + 1) % 3); }

void StatusBarPanes::CopyResult() {
    if (!HasResult()) return;
    QApplication::clipboard()->setText(QString::fromStdU16String(
        view_.Engine().FormatForStatus(static_cast<StatusFormat>(format_), false)));
}

void StatusBarPanes::PasteAtCaret() {
    if (!HasResult()) return;
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) view_.InsertAtCaret(text);
}

void StatusBarPanes::ToggleCalc() {
    view_.Driver().SetCalcOn(!view_.Driver().CalcOn());
    ShowCalcState();
}

void StatusBarPanes::ShowCalcState() {
    const bool on = view_.Driver().CalcOn();
    calc_->setText(on ? texts::kCalcOn : texts::kCalcOff);
    calc_->setStyleSheet(on ? QStringLiteral("color: #0000ff; background: transparent;")
                            : QStringLiteral("color: #ff0000; background: transparent;"));
}

void StatusBarPanes::ShowBusy(bool busy) {
    default_->setText(busy ? texts::kCalculating : texts::kReady);
}

}  // namespace numora
