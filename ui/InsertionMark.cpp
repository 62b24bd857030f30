#include "ui/InsertionMark.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <algorithm>

namespace numora {

void PaintInsertionMark(QPainter& painter, const QRect& row, bool atBottom, const QRect& area) {
    constexpr int kHalf = 5;  // triangle extent on each side of the line
    const int y = std::clamp(atBottom ? row.bottom() : row.top(), area.top(), area.bottom());
    const int left = area.left();
    const int right = area.right();
    painter.save();
    painter.setPen(QPen(Qt::red, 1, Qt::DotLine));
    painter.drawLine(left, y, right, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawPolygon(
        QPolygon({QPoint(left, y - kHalf), QPoint(left + kHalf, y), QPoint(left, y + kHalf)}));
    painter.drawPolygon(
        QPolygon({QPoint(right, y - kHalf), QPoint(right - kHalf, y), QPoint(right, y + kHalf)}));
    painter.restore();
}

void PaintInsertionMark(QAbstractItemView& view, int insertion) {
    const QAbstractItemModel* model = view.model();
    const int rows = model != nullptr ? model->rowCount(view.rootIndex()) : 0;
    if (insertion < 0 || rows == 0) return;
    const bool atEnd = insertion >= rows;
    const QRect row =
        view.visualRect(model->index(atEnd ? rows - 1 : insertion, 0, view.rootIndex()));
    QPainter painter(view.viewport());
    PaintInsertionMark(painter, row, atEnd, view.viewport()->rect());
}

}  // namespace numora
