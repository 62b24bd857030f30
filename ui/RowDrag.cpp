#include "ui/RowDrag.h"

#include <QApplication>

namespace numora {

void RowDrag::Press(int row, QPoint at) {
    End();
    source_ = row;
    pressedAt_ = at;
}

bool RowDrag::Begin(QPoint at) {
    if (!dragging_ && Pressed() &&
        (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
    }
    return dragging_;
}

bool RowDrag::SetInsertion(int row) {
    if (row == insertion_) return false;
    insertion_ = row;
    return true;
}

bool RowDrag::End() {
    const bool wasDragging = dragging_;
    source_ = -1;
    dragging_ = false;
    insertion_ = -1;
    return wasDragging;
}

}  // namespace numora
