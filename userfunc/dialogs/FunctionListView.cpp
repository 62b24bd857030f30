#include "userfunc/dialogs/FunctionListView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

#include "ui/InsertionMark.h"

namespace numora {

FunctionListView::FunctionListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
}

QStringList FunctionListView::RowTexts(int row) const {
    QStringList texts;
    const QTreeWidgetItem* item = topLevelItem(row);
    for (int column = 0; item && column < columnCount(); ++column) texts << item->text(column);
    return texts;
}

bool FunctionListView::MoveRow(int source, int insertion) {
    const int target = source < insertion ? insertion - 1 : insertion;
    if (source < 0 || source >= topLevelItemCount() || target == source || target < 0 ||
        target >= topLevelItemCount()) {
        return false;
    }
    QTreeWidgetItem* item = takeTopLevelItem(source);
    insertTopLevelItem(target, item);
    setCurrentItem(item);
    scrollToItem(item);
    emit RowMoved();
    return true;
}

int FunctionListView::RowAt(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : topLevelItemCount();
}

void FunctionListView::EndDrag() {
    if (drag_.End()) viewport()->update();
    unsetCursor();
}

void FunctionListView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    drag_.End();
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) drag_.Press(index.row(), event->position().toPoint());
    }
}

void FunctionListView::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_.Pressed()) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // The button was released outside the list: give up.
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return;
    }
    const QPoint position = event->position().toPoint();
    const bool starting = !drag_.Dragging();
    if (!drag_.Begin(position)) return;
    if (starting) setCurrentItem(topLevelItem(drag_.Source()));
    if (drag_.SetInsertion(RowAt(position))) viewport()->update();
}

void FunctionListView::mouseReleaseEvent(QMouseEvent* event) {
    if (Dragging() && event->button() == Qt::LeftButton) {
        const int source = drag_.Source();
        const int insertion = drag_.Insertion();
        EndDrag();
        MoveRow(source, insertion);
        return;
    }
    drag_.End();
    QTreeWidget::mouseReleaseEvent(event);
}

void FunctionListView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (Dragging()) PaintInsertionMark(*this, drag_.Insertion());
}

void FunctionListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QTreeWidget::drawRow(painter, option, index);
    const int hint = style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this);
    const QColor grid =
        hint ? QColor::fromRgba(static_cast<QRgb>(hint)) : option.palette.color(QPalette::Mid);
    const QRect row = option.rect;
    painter->save();
    painter->setPen(grid);
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int column = 0; column < header()->count(); ++column) {
        const int x = header()->sectionViewportPosition(column) + header()->sectionSize(column) - 1;
        painter->drawLine(x, row.top(), x, row.bottom());
    }
    painter->restore();
}

}  // namespace numora
