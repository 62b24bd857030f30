#include "worksheet/view/CompletionPopup.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace numora {

namespace {
constexpr int kMargin = 4;
constexpr int kMaxWidth = 560;
}  // namespace

CompletionPopup::CompletionPopup(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setCursor(Qt::ArrowCursor);
    hide();
}

int CompletionPopup::RowHeight() const { return fontMetrics().height() + 2; }

int CompletionPopup::RowAt(int y) const {
    const int row = top_ + (y - frameWidth()) / RowHeight();
    return row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

void CompletionPopup::Show(std::vector<CompletionRow> rows, QPoint at, int lineTop) {
    rows_ = std::move(rows);
    current_ = 0;
    top_ = 0;
    const QFontMetrics metrics = fontMetrics();
    int nameWidth = 0;
    int helpWidth = 0;
    for (const CompletionRow& row : rows_) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(row.signature));
        helpWidth = std::max(helpWidth, metrics.horizontalAdvance(row.help));
    }
    const int shown = std::min<int>(static_cast<int>(rows_.size()), kVisibleRows);
    const QWidget& area = *parentWidget();
    const int width = std::min({nameWidth + helpWidth + 4 * kMargin + 2 * frameWidth(), kMaxWidth,
                                area.width()});
    const int height = shown * RowHeight() + 2 * frameWidth();
    int x = std::clamp(at.x(), 0, std::max(0, area.width() - width));
    int y = at.y();
    if (y + height > area.height() && lineTop - height >= 0) y = lineTop - height;
    setGeometry(x, y, width, height);
    show();
    raise();
    update();
}

void CompletionPopup::Step(int by) {
    if (rows_.empty()) return;
    const int count = static_cast<int>(rows_.size());
    current_ = ((current_ + by) % count + count) % count;
    if (current_ < top_) top_ = current_;
    if (current_ >= top_ + kVisibleRows) top_ = current_ - kVisibleRows + 1;
    update();
}

void CompletionPopup::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    int nameWidth = 0;
    for (const CompletionRow& row : rows_) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(row.signature));
    }
    const int left = frameWidth() + kMargin;
    const int right = width() - frameWidth() - kMargin;
    const QColor faded = [&] {
        QColor color = palette().color(QPalette::ToolTipText);
        color.setAlphaF(0.6);
        return color;
    }();
    for (int i = 0; i < kVisibleRows && top_ + i < static_cast<int>(rows_.size()); ++i) {
        const CompletionRow& row = rows_[static_cast<std::size_t>(top_ + i)];
        const QRect box(frameWidth(), frameWidth() + i * RowHeight(), width() - 2 * frameWidth(),
                        RowHeight());
        const bool chosen = top_ + i == current_;
        if (chosen) painter.fillRect(box, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(chosen ? QPalette::HighlightedText : QPalette::ToolTipText));
        painter.drawText(QRect(left, box.top(), nameWidth, box.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, row.signature);
        if (!chosen) painter.setPen(faded);
        const int helpLeft = left + nameWidth + 2 * kMargin;
        painter.drawText(QRect(helpLeft, box.top(), std::max(0, right - helpLeft), box.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(row.help, Qt::ElideRight, std::max(0, right - helpLeft)));
    }
}

void CompletionPopup::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (row >= 0) emit Clicked(row);
    event->accept();
}

}  // namespace numora
