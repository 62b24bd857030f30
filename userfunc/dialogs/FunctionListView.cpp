#include "userfunc/dialogs/FunctionListView.h"

#include <QApplication>
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

void FunctionListView::SetInsertionRow(int row) {
    if (row == insertionRow_) return;
    insertionRow_ = row;
    viewport()->update();
}

void FunctionListView::EndDrag() {
    dragSource_ = -1;
    pressRow_ = -1;
    SetInsertionRow(-1);
    unsetCursor();
}

void FunctionListView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    pressRow_ = -1;
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            pressRow_ = index.row();
            pressPosition_ = event->position().toPoint();
        }
    }
}

void FunctionListView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (!Dragging()) {
        if (pressRow_ >= 0 && (event->buttons() & Qt::LeftButton) &&
            (position - pressPosition_).manhattanLength() >= QApplication::startDragDistance()) {
            dragSource_ = pressRow_;
            setCurrentItem(topLevelItem(dragSource_));
            SetInsertionRow(RowAt(position));
        } else if (pressRow_ < 0) {
            QTreeWidget::mouseMoveEvent(event);
        }
        return;
    }
    // The button was released outside the list: give up.
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return;
    }
    SetInsertionRow(RowAt(position));
}

void FunctionListView::mouseReleaseEvent(QMouseEvent* event) {
    if (Dragging() && event->button() == Qt::LeftButton) {
        const int source = dragSource_;
        const int insertion = insertionRow_;
        EndDrag();
        MoveRow(source, insertion);
        return;
    }
    pressRow_ = -1;
    QTreeWidget::mouseReleaseEvent(event);
}

void FunctionListView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (!Dragging() || insertionRow_ < 0 || topLevelItemCount() == 0) return;
    const bool atEnd = insertionRow_ >= topLevelItemCount();
    const QRect row = visualItemRect(topLevelItem(atEnd ? topLevelItemCount() - 1 : insertionRow_));
    QPainter painter(viewport());
    PaintInsertionMark(painter, row, atEnd, viewport()->rect());
}

}  // namespace numora
