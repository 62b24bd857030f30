#pragma once
// The four-column function list, whose rows the user reorders by dragging them with the
// left mouse button; a red mark shows where the row will land.
#include <QStringList>
#include <QTreeWidget>

#include "ui/RowDrag.h"

namespace numora {

class FunctionListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit FunctionListView(QWidget* parent = nullptr);

    // Moves row `source` so that it lands before row `insertion` (the row count: to the end),
    // selects and shows it. False when the move changes nothing.
    bool MoveRow(int source, int insertion);
    QStringList RowTexts(int row) const;
    bool Dragging() const { return drag_.Dragging(); }
    int InsertionRow() const { return drag_.Insertion(); }

signals:
    void RowMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Each row with grid lines under it and between its columns, as a table of rows shows them.
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    int RowAt(const QPoint& position) const;  // the row count over no row
    void EndDrag();

    RowDrag drag_;
};

}  // namespace numora
