#pragma once
// The variable list: entries drawn by hand, reordered by dragging with a red insertion mark.
// The entries and what the user does with them live in VariableListModel; this widget shows
// them and forwards the user's actions. A table of one column without headers: its rows are
// laid out by their count, so a list of 100,000 variables takes a new entry as fast as one of
// ten (a list view lays every row out again at each insertion).
#include <QTableView>
#include <optional>

#include "ui/RowDrag.h"
#include "worksheet/VariableList.h"

namespace numora {

class CalcEngine;
class VariableListRows;

class VariableListBox : public QTableView {
    Q_OBJECT
public:
    explicit VariableListBox(QWidget* parent = nullptr);

    void SetEngine(CalcEngine* engine) { engine_ = engine; }
    void Refresh(const CalcEngine& engine);
    // After result lines were calculated again (VariableListModel::Follow).
    void Follow(const std::vector<LineAssignment>& lines, bool fromTop, const CalcEngine& engine,
                const std::vector<std::u16string>& takenBack);
    const VariableListModel& Model() const { return model_; }
    // All entries at once (after a whole recalculation).
    void Replace(VariableListModel model);

    // The rows as shown.
    int count() const;
    QString Text(int row) const;
    QRect RowRect(int row) const;
    int currentRow() const { return currentIndex().row(); }
    void setCurrentRow(int row);
    bool RowSelected(int row) const;

    // Where a drop would land, while dragging.
    std::optional<int> InsertionIndex() const {
        return drag_.Dragging() && drag_.Insertion() >= 0 ? std::optional(drag_.Insertion())
                                                          : std::nullopt;
    }

signals:
    void NameChosen(const QString& name);
    void VariableDeleted(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // The rows brought in line with the model's changes, or all made again.
    void Sync();
    void Rebuild(std::optional<std::size_t> select);
    // The column as wide as the widest entry seen (at least the view): entries are measured as
    // they come, and all of them only when all rows are made again.
    void Widen(const QString& text);
    void MeasureAll();
    void FitColumn();
    void ChooseCurrent();
    int RowAt(const QPoint& pos) const;

    VariableListModel model_;
    VariableListRows* rows_;
    CalcEngine* engine_ = nullptr;
    RowDrag drag_;
    int widest_ = 0;
};

}  // namespace numora
