#include "shell/StatusBarPanes.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "settings/dialogs/ThemeColors.h"
#include "shell/ShellTexts.h"
#include "ui/PostTo.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

void ShrinkingPane::SetWidthWanted(int width) {
    if (width == wanted_) return;
    wanted_ = width;
    updateGeometry();
}

QSize ShrinkingPane::sizeHint() const {
    const QSize text = QLabel::sizeHint();
    return {std::max(text.width(), wanted_), text.height()};
}

QSize ShrinkingPane::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void ShrinkingPane::paintEvent(QPaintEvent* event) {
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (TextWidth() <= width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}

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
      default_(new ShrinkingPane(texts::kReady(), &bar)),
      result_(new ClickablePane(QStringLiteral(">"), &bar)),
      calc_(new CalcStatePane(&bar)) {
    // The result pane asks for 250 pixels, and for more when a binary result needs it.
    result_->SetWidthWanted(kResultPaneWidth);
    calc_->setFixedWidth(kCalcPaneWidth);
    calc_->setAlignment(Qt::AlignCenter);
    bar.installEventFilter(this);
    // Menu help texts cover the default pane only; the two panes stay visible.
    bar.addWidget(default_, 1);
    bar.addPermanentWidget(result_);
    bar.addPermanentWidget(calc_);
    connect(result_, &ClickablePane::Clicked, this, &StatusBarPanes::CopyResult);
    connect(result_, &ClickablePane::RightClicked, this, &StatusBarPanes::CycleFormat);
    connect(result_, &ClickablePane::DoubleClicked, this, &StatusBarPanes::PasteAtCaret);
    connect(calc_, &ClickablePane::Clicked, this, &StatusBarPanes::ToggleCalc);
    // A screen reader would name the bar after its message, the last menu or button help shown:
    // it has a name of its own, and the message is its description.
    bar.setAccessibleName(texts::kStatusBarName());
    connect(&bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
        bar_.setAccessibleDescription(message);
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

// No text sets the window's width: the panes share what the bar has. The result pane has its 250
// pixels, or the room its text needs, as long as the default pane's text is shown whole beside
// it; when both cannot be, it makes do with the room its text needs; only when even that is too
// much do both panes cut their texts off.
void StatusBarPanes::FitPanes() {
    const int need = result_->TextWidth();
    int wanted = std::max(kResultPaneWidth, need);
    // What the bar gives the two panes together, known once it has been laid out.
    const int shared = default_->width() + result_->width();
    if (bar_.isVisible() && default_->isVisible() && result_->isVisible()) {
        wanted = std::clamp(shared - default_->TextWidth(), std::min(need, wanted), wanted);
    }
    result_->SetWidthWanted(wanted);
}

bool StatusBarPanes::eventFilter(QObject* watched, QEvent* event) {
    // After the bar's new width has reached the panes.
    if (watched == &bar_ && event->type() == QEvent::Resize && !fitPosted_) {
        fitPosted_ = true;
        PostTo(this, [this] {
            fitPosted_ = false;
            FitPanes();
        });
    }
    return QObject::eventFilter(watched, event);
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
