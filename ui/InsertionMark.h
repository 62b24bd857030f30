#pragma once
// The mark that shows where a dragged list row will land: a red dotted one-pixel line across
// the list with a small solid red triangle at each end pointing inwards.
class QAbstractItemView;
class QPainter;
class QRect;

namespace numora {

// Draws the mark along the top edge of `row` (its bottom edge when `atBottom`, for the place
// after the last row), kept inside `area`.
void PaintInsertionMark(QPainter& painter, const QRect& row, bool atBottom, const QRect& area);
// The mark on `view`'s viewport before row `insertion` (the row count: after the last row).
void PaintInsertionMark(QAbstractItemView& view, int insertion);

}  // namespace numora
