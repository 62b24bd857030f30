#pragma once
// Reordering a list's rows by dragging one with the left mouse button. The list passes its mouse
// events on and paints the insertion mark while a drag is under way.
#include <QPoint>

namespace numora {

class RowDrag {
public:
    // A left-button press on `row`; -1 when it was on no row.
    void Press(int row, QPoint at);
    // The pointer moved to `at` with the button held: true once the drag is under way, which it
    // is from the moment the pointer has travelled the toolkit's start distance.
    bool Begin(QPoint at);
    // True when the insertion place changed (the mark must be painted again).
    bool SetInsertion(int row);
    // Ends the press and any drag; true when a drag was under way.
    bool End();

    bool Pressed() const { return source_ >= 0; }
    bool Dragging() const { return dragging_; }
    int Source() const { return source_; }
    // The row the dragged one lands before; the row count for after the last. -1 for none yet.
    int Insertion() const { return insertion_; }

private:
    int source_ = -1;
    QPoint pressedAt_;
    bool dragging_ = false;
    int insertion_ = -1;
};

}  // namespace numora
