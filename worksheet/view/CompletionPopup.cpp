#include "worksheet/view/CompletionPopup.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "worksheet/view/CompletionListAccessible.h"

namespace numora {

namespace {
constexpr int kMargin = 4;
constexpr int kMaxWidth = 560;
}  // namespace

CompletionPopup::CompletionPopup(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted here: the editor need not paint what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setCursor(Qt::ArrowCursor);
    hide();
    InstallCompletionListAccessible();
}

int CompletionPopup::RowHeight() const { return fontMetrics().height() + 2; }

int CompletionPopup::RowAt(int y) const {
    const int row = top_ + (y - frameWidth()) / RowHeight();
    return row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

QRect CompletionPopup::RowRect(int row) const {
    const bool shown = row >= top_ && row < top_ + kVisibleRows;
    if (!shown || row >= static_cast<int>(rows_.size())) return {};
    return QRect(frameWidth(), frameWidth() + (row - top_) * RowHeight(),
                 width() - 2 * frameWidth(), RowHeight());
}

void CompletionPopup::Show(std::vector<CompletionRow> rows, QPoint at, int lineTop) {
    rows_ = std::move(rows);
    ++generation_;
    current_ = 0;
    top_ = 0;
    const int shown = std::min<int>(static_cast<int>(rows_.size()), kVisibleRows);
    // Measured over the rows shown first: measuring text is what a long list would cost.
    nameWidth_ = 0;
    int helpWidth = 0;
    for (int i = 0; i < shown; ++i) {
        const CompletionRow& row = rows_[static_cast<std::size_t>(i)];
        nameWidth_ = std::max(nameWidth_, static_cast<int>(std::ceil(Laid(row.signature).size().width())));
        helpWidth = std::max(helpWidth, static_cast<int>(std::ceil(Laid(row.help).size().width())));
    }
    const int nameWidth = nameWidth_;
    const QWidget& area = *parentWidget();
    int width = std::min({nameWidth + helpWidth + 4 * kMargin + 2 * frameWidth(), kMaxWidth,
                          area.width()});
    // While it stays open it only grows: the editor beneath need not be painted again for
    // every character typed.
    if (isVisible() && pos().y() >= 0) width = std::max(width, this->width());
    nameWidth_ = std::max(nameWidth_, isVisible() ? shownNameWidth_ : 0);
    shownNameWidth_ = nameWidth_;
    const int height = shown * RowHeight() + 2 * frameWidth();
    int x = std::clamp(at.x(), 0, std::max(0, area.width() - width));
    int y = at.y();
    if (y + height > area.height() && lineTop - height >= 0) y = lineTop - height;
    setGeometry(x, y, width, height);
    if (!isVisible()) {
        show();
        raise();
    }
    update();
    TellRowsReplaced(*this);
}

void CompletionPopup::Step(int by) {
    if (rows_.empty()) return;
    const int count = static_cast<int>(rows_.size());
    const int previous = current_;
    current_ = ((current_ + by) % count + count) % count;
    if (current_ < top_) top_ = current_;
    if (current_ >= top_ + kVisibleRows) top_ = current_ - kVisibleRows + 1;
    update();
    TellRowChosen(*this, previous);
}

void CompletionPopup::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    // The border by hand: the style's frame costs as much as the rows.
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics metrics = fontMetrics();
    const int nameWidth = nameWidth_;
    const int left = frameWidth() + kMargin;
    const int right = width() - frameWidth() - kMargin;
    // Halfway between the text and its background, without blending each glyph.
    const QColor text = palette().color(QPalette::ToolTipText);
    const QColor base = palette().color(QPalette::ToolTipBase);
    const QColor faded((text.red() * 3 + base.red() * 2) / 5, (text.green() * 3 + base.green() * 2) / 5,
                       (text.blue() * 3 + base.blue() * 2) / 5);
    for (int i = 0; i < kVisibleRows && top_ + i < static_cast<int>(rows_.size()); ++i) {
        const CompletionRow& row = rows_[static_cast<std::size_t>(top_ + i)];
        const QRect box = RowRect(top_ + i);
        const bool chosen = top_ + i == current_;
        if (chosen) painter.fillRect(box, palette().color(QPalette::Highlight));
        const int top = box.top() + (box.height() - metrics.height()) / 2;
        painter.setPen(palette().color(chosen ? QPalette::HighlightedText : QPalette::ToolTipText));
        painter.setClipRect(QRect(left, box.top(), nameWidth + kMargin, box.height()));
        painter.drawStaticText(QPoint(left, top), Laid(row.signature));
        if (!chosen) painter.setPen(faded);
        const int helpLeft = left + nameWidth + 2 * kMargin;
        painter.setClipRect(QRect(helpLeft, box.top(), std::max(0, right - helpLeft), box.height()));
        painter.drawStaticText(QPoint(helpLeft, top), Laid(row.help));
        painter.setClipping(false);
    }
}

const QStaticText& CompletionPopup::Laid(const QString& text) const {
    // The same names and help lines come back as a name is typed on and taken back: each is
    // laid out once, not for every character.
    auto it = laidOut_.find(text);
    if (it == laidOut_.end()) {
        if (laidOut_.size() >= kLaidOutKept) laidOut_.clear();
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font());
        it = laidOut_.insert(text, laid);
    }
    return *it;
}

void CompletionPopup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) laidOut_.clear();
    QFrame::changeEvent(event);
}

void CompletionPopup::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (row >= 0) emit Clicked(row);
    event->accept();
}

}  // namespace numora
