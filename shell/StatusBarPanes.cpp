#include "settings/dialogs/ThemeColors.h"
#include "shell/StatusBarPanes.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <algorithm>

#include "shell/ShellTexts.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

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

void CalcStatePane::paintEvent(QPaintEvent* event) {
    const QString text = this->text();
    if (!text.startsWith(texts::kCalcOffMark)) {
        ClickablePane::paintEvent(event);
        return;
    }
    const QString rest = text.mid(texts::kCalcOffMark.size());
    const QFontMetrics metrics = fontMetrics();
    const int side = std::max(5, metrics.ascent() * 3 / 4);
    const int gap = std::max(2, side / 4);
    const int width = side + gap + metrics.horizontalAdvance(rest);
    const QRect area = contentsRect();
    const int left = area.left() + std::max(0, (area.width() - width) / 2);
    const int top = area.top() + (area.height() - side) / 2;

    QPainter painter(this);
    const QColor color = palette().color(QPalette::WindowText);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, std::max(1.0, side / 9.0)));
    const QRectF square(left + 0.5, top + 0.5, side - 1, side - 1);
    painter.drawRect(square);
    painter.drawLine(square.topLeft(), square.bottomRight());
    painter.drawLine(square.topRight(), square.bottomLeft());
    painter.drawText(
        QRect(left + side + gap, area.top(), area.right() - left - side - gap + 1, area.height()),
        Qt::AlignLeft | Qt::AlignVCenter, rest);
}

StatusBarPanes::StatusBarPanes(QStatusBar& bar, WorksheetEditor& view, Worksheet& sheet)
    : QObject(&bar),
      bar_(bar),
      view_(view),
      sheet_(sheet),
      default_(new QLabel(texts::kReady(), &bar)),
      result_(new ClickablePane(QStringLiteral(">"), &bar)),
      calc_(new CalcStatePane(&bar)) {
    // 250 pixels, wider only when a binary result would otherwise be cut off.
    result_->setMinimumWidth(kResultPaneWidth);
    result_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    calc_->setFixedWidth(kCalcPaneWidth);
    calc_->setAlignment(Qt::AlignCenter);
    // The room the default pane keeps for its texts, the progress of a worksheet of up to a
    // million lines among them. The bar's own policy lets a narrow window squeeze the panes
    // over each other; the window is made as wide as they need instead.
    for (const QString& text : {texts::kReady(), texts::kCalculating(),
                                texts::kRecalculating().arg(kProgressRoom).arg(kProgressRoom)}) {
        defaultRoom_ = std::max(defaultRoom_, WidthFor(*default_, text));
    }
    bar.setSizePolicy(QSizePolicy::Preferred, bar.sizePolicy().verticalPolicy());
    FitPanes();
    // Menu help texts cover the default pane only; the two panes stay visible.
    bar.addWidget(default_, 1);
    bar.addPermanentWidget(result_);
    bar.addPermanentWidget(calc_);
    connect(result_, &ClickablePane::Clicked, this, &StatusBarPanes::CopyResult);
    connect(result_, &ClickablePane::RightClicked, this, &StatusBarPanes::CycleFormat);
    connect(result_, &ClickablePane::DoubleClicked, this, &StatusBarPanes::PasteAtCaret);
    connect(calc_, &ClickablePane::Clicked, this, &StatusBarPanes::ToggleCalc);
    connect(&bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty() && !simple_) result_->show();
    });
    ShowCalcState();
}

void StatusBarPanes::ShowNotice(const QString& text) {
    // The result pane is given back after long enough to read the message; a message shown
    // meanwhile takes its place.
    constexpr int kNoticeMs = 15000;
    const bool fits = simple_ || WidthFor(*default_, text) <= default_->width();
    bar_.showMessage(text, fits ? 0 : kNoticeMs);
    if (!fits) result_->hide();
}

int StatusBarPanes::WidthFor(const QLabel& pane, const QString& text) {
    // Measured as the pane measures itself, in its own font, for a text it does not show.
    QLabel probe(text);
    probe.setFont(pane.font());
    probe.setMargin(pane.margin());
    probe.setIndent(pane.indent());
    return probe.sizeHint().width();
}

// The window keeps the room of both panes: the result pane's 250 pixels and the default pane's
// room. A binary result takes what it needs of the default pane's share, as long as the text
// shown there keeps what it needs; only both together (a binary result while a long worksheet
// is recalculated) may widen the window.
void StatusBarPanes::FitPanes() {
    const int result = std::max(kResultPaneWidth, result_->sizeHint().width());
    result_->setMinimumWidth(result);
    default_->setMinimumWidth(
        std::max(defaultRoom_ - (result - kResultPaneWidth), default_->sizeHint().width()));
}

bool StatusBarPanes::HasResult() const { return !sheet_.Engine().GetValueText().empty(); }

void StatusBarPanes::SetFormat(int format) {
    format_ = (format >= 0 && format <= 2) ? format : 0;
    RefreshResult();
}

void StatusBarPanes::RefreshResult() {
    QString text = QStringLiteral(">");
    // Before any result the decimal pane shows ">" alone, the others the formatted zero.
    if (format_ != 0 || HasResult()) {
        text += QString::fromStdU16String(
            sheet_.Engine().FormatForStatus(static_cast<StatusFormat>(format_), true));
    }
    result_->setText(text);
    FitPanes();
}

void StatusBarPanes::CycleFormat() { SetFormat((format_ + 1) % 3); }

void StatusBarPanes::CopyResult() {
    if (!HasResult()) return;
    QApplication::clipboard()->setText(QString::fromStdU16String(
        sheet_.Engine().FormatForStatus(static_cast<StatusFormat>(format_), false)));
}

void StatusBarPanes::PasteAtCaret() {
    if (!HasResult()) return;
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) view_.InsertAtCaret(text);
}

void StatusBarPanes::ToggleCalc() {
    sheet_.Driver().SetCalcOn(!sheet_.Driver().CalcOn());
    ShowCalcState();
}

void StatusBarPanes::ShowCalcState() {
    const bool on = sheet_.Driver().CalcOn();
    calc_->setText(on ? texts::kCalcOn() : texts::kCalcOff());
    // Drawn on the status bar's own background.
    calc_->setAutoFillBackground(false);
    QPalette palette = calc_->palette();
    palette.setColor(QPalette::WindowText, CalcStateColor(on, bar_.window()->palette()));
    calc_->setPalette(palette);
}

void StatusBarPanes::EnterSimpleMode() {
    simple_ = true;
    // With every pane hidden the message spans the whole bar.
    default_->hide();
    result_->hide();
    calc_->hide();
    bar_.clearMessage();
}

void StatusBarPanes::ShowSimpleText(const QString& text) {
    // A submenu may close after its menu has: the bar has its panes back by then.
    if (!simple_) return;
    if (text.isEmpty()) {
        bar_.clearMessage();
    } else {
        bar_.showMessage(text);
    }
}

void StatusBarPanes::LeaveSimpleMode() {
    simple_ = false;
    bar_.clearMessage();
    default_->show();
    result_->show();
    calc_->show();
}

void StatusBarPanes::ShowBusy(bool busy) {
    if (!busy) progress_.clear();
    default_->setText(!busy                 ? texts::kReady()
                      : progress_.isEmpty() ? texts::kCalculating()
                                            : progress_);
    FitPanes();
}

void StatusBarPanes::ShowProgress(const QString& text) {
    progress_ = text;
    default_->setText(text.isEmpty() ? texts::kReady() : text);
    FitPanes();
}

}  // namespace numora
