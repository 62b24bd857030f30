#include "worksheet/view/VariableListBox.h"

#include <QAbstractListModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

#include "engine/CalcEngine.h"
#include "ui/InsertionMark.h"
#include "ui/QtText.h"
#include "worksheet/view/ViewTexts.h"

namespace numora {

// The entries as the view's rows. The row count is kept apart from the entries so that the
// view can be told of each change in turn after the entries have all changed: the view asks
// for texts only when it paints, by then with every change told.
class VariableListRows final : public QAbstractListModel {
public:
    VariableListRows(const VariableListModel& model, QObject* parent)
        : QAbstractListModel(parent), model_(model) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const auto row = static_cast<std::size_t>(index.row());
        return row < model_.Count() ? ToQString(model_.Text(row)) : QString();
    }

    // The headers are hidden, but a screen reader still reads a table's headers with its cells:
    // the column is the list, each row the variable it shows (the model's default would be
    // the section numbers).
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Horizontal) return view_texts::kVariableListTitle();
        const auto row = static_cast<std::size_t>(section);
        return row < model_.Count() && section < rows_
                   ? ToQString(VariableListModel::NameOf(model_.Text(row)))
                   : QString();
    }

    void Apply(const VariableListChange& change) {
        const int row = static_cast<int>(change.index);
        switch (change.kind) {
            case VariableListChange::Kind::Replaced:
                emit dataChanged(index(row), index(row), {Qt::DisplayRole});
                break;
            case VariableListChange::Kind::Inserted:
                beginInsertRows({}, row, row);
                ++rows_;
                endInsertRows();
                break;
            case VariableListChange::Kind::Removed:
                beginRemoveRows({}, row, row);
                --rows_;
                endRemoveRows();
                break;
        }
    }
    void Reset() {
        beginResetModel();
        rows_ = static_cast<int>(model_.Count());
        endResetModel();
    }

private:
    const VariableListModel& model_;
    int rows_ = 0;
};

namespace {

constexpr int kTextTop = 3;

// Selected with focus: highlight; selected without focus: the grey of a scroll bar; otherwise
// the window colours. The text sits at the left edge, 3 pixels below the item's top.
class EntryDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = option.widget != nullptr && option.widget->hasFocus();
        QColor background = palette.color(QPalette::Base);
        QColor text = palette.color(QPalette::Text);
        if (selected && focused) {
            background = palette.color(QPalette::Highlight);
            text = palette.color(QPalette::HighlightedText);
        } else if (selected) {
            background = palette.color(QPalette::Button);
            text = palette.color(QPalette::WindowText);
        }
        painter->save();
        painter->fillRect(option.rect, background);
        painter->setPen(text);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(0, kTextTop, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

}  // namespace

VariableListBox::VariableListBox(QWidget* parent)
    : QTableView(parent), rows_(new VariableListRows(model_, this)) {
    setModel(rows_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setItemDelegate(new EntryDelegate(this));
    FitColumn();
}

int VariableListBox::count() const { return rows_->rowCount(); }

QString VariableListBox::Text(int row) const {
    return rows_->data(rows_->index(row), Qt::DisplayRole).toString();
}

QRect VariableListBox::RowRect(int row) const { return visualRect(rows_->index(row)); }

void VariableListBox::setCurrentRow(int row) { setCurrentIndex(rows_->index(row)); }

bool VariableListBox::RowSelected(int row) const {
    return selectionModel()->isRowSelected(row, {});
}

void VariableListBox::Refresh(const CalcEngine& engine) {
    model_.Refresh(engine);
    Sync();
}

void VariableListBox::Follow(const std::vector<LineAssignment>& lines, bool fromTop,
                             const CalcEngine& engine,
                             const std::vector<std::u16string>& takenBack) {
    model_.Follow(lines, fromTop, engine, takenBack);
    Sync();
}

void VariableListBox::Replace(VariableListModel model) {
    model_ = std::move(model);
    std::vector<VariableListChange> changes;
    model_.TakeChanges(changes);
    Rebuild(std::nullopt);
}

void VariableListBox::Sync() {
    std::vector<VariableListChange> changes;
    if (!model_.TakeChanges(changes)) {
        std::optional<std::size_t> keep;
        if (currentRow() >= 0) keep = static_cast<std::size_t>(currentRow());
        Rebuild(keep);
        return;
    }
    // Row by row: the current entry stays current wherever it moves.
    for (const VariableListChange& change : changes) {
        rows_->Apply(change);
        if (change.kind != VariableListChange::Kind::Removed) Widen(ToQString(change.text));
    }
}

void VariableListBox::Rebuild(std::optional<std::size_t> select) {
    rows_->Reset();
    MeasureAll();
    if (select && *select < model_.Count()) setCurrentRow(static_cast<int>(*select));
}

void VariableListBox::MeasureAll() {
    // The widest is among the longest: a few of those are measured, not 100,000 entries.
    constexpr std::size_t kMeasured = 32;
    std::vector<const std::u16string*> longest;
    longest.reserve(model_.Count());
    for (const VariableListEntry& entry : model_.Entries()) longest.push_back(&entry.text);
    const auto longer = [](const std::u16string* a, const std::u16string* b) {
        return a->size() > b->size();
    };
    if (longest.size() > kMeasured) {
        std::nth_element(longest.begin(), longest.begin() + kMeasured, longest.end(), longer);
        longest.resize(kMeasured);
    }
    widest_ = 0;
    for (const std::u16string* text : longest) Widen(ToQString(*text));
    FitColumn();
}

void VariableListBox::Widen(const QString& text) {
    const int width = fontMetrics().horizontalAdvance(text);
    if (width <= widest_) return;
    widest_ = width;
    FitColumn();
}

void VariableListBox::FitColumn() {
    const int rowHeight = fontMetrics().height() + 2 * kTextTop;
    if (verticalHeader()->defaultSectionSize() != rowHeight) {
        verticalHeader()->setMinimumSectionSize(1);
        verticalHeader()->setDefaultSectionSize(rowHeight);
    }
    const int width = std::max(widest_, viewport()->width());
    if (columnWidth(0) != width) setColumnWidth(0, width);
}

void VariableListBox::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumn();
}

void VariableListBox::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) MeasureAll();
}

void VariableListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The table tells a screen reader that its new current entry has the focus, also when the
    // list is refreshed while the keys go to the worksheet: the reader would leave the worksheet
    // for the list. Without the focus the entry only changes.
    if (hasFocus()) {
        QTableView::currentChanged(current, previous);
    } else {
        QAbstractItemView::currentChanged(current, previous);
    }
}

void VariableListBox::ChooseCurrent() {
    const int row = currentRow();
    if (row < 0 || !RowSelected(row)) return;
    const std::u16string name = model_.InsertText(static_cast<std::size_t>(row));
    if (!name.empty()) emit NameChosen(ToQString(name));
}

void VariableListBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ChooseCurrent();
            return;
        case Qt::Key_Delete: {
            const int at = currentRow();
            if (at < 0) return;
            const QString name =
                ToQString(VariableListModel::NameOf(model_.Text(static_cast<std::size_t>(at))));
            model_.Delete(static_cast<std::size_t>(at),
                          engine_ != nullptr ? &engine_->GetVariables() : nullptr);
            Sync();
            if (count() > 0) setCurrentRow(std::min(at, count() - 1));
            emit VariableDeleted(name);
            return;
        }
        case Qt::Key_Escape:
            if (drag_.Dragging()) {
                drag_.End();
                viewport()->update();
                return;
            }
            break;
        default:
            break;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex VariableListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // A list: Home and End go to the first and the last entry, not along a row.
    if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void VariableListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) {
        ChooseCurrent();
    }
}

void VariableListBox::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    drag_.End();
    if (event->button() != Qt::LeftButton) return;
    const int at = RowAt(event->position().toPoint());
    drag_.Press(at < count() ? at : -1, event->position().toPoint());
}

int VariableListBox::RowAt(const QPoint& pos) const {
    // Beyond the last entry (or above the list) the insertion point is the end / the top row.
    if (count() == 0) return 0;
    if (pos.y() < 0) return std::max(0, rowAt(0));
    const int under = rowAt(pos.y());
    return under >= 0 ? under : count();
}

void VariableListBox::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_.Pressed()) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!drag_.Begin(pos)) return;
    // Past the top or bottom edge the list scrolls towards the pointer.
    QScrollBar* bar = verticalScrollBar();
    if (pos.y() < 0) bar->setValue(bar->value() - 1);
    if (pos.y() >= viewport()->height()) bar->setValue(bar->value() + 1);
    if (drag_.SetInsertion(RowAt(pos))) viewport()->update();
}

void VariableListBox::mouseReleaseEvent(QMouseEvent* event) {
    const int source = drag_.Source();
    if (!drag_.End()) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    viewport()->update();
    const int under = RowAt(event->position().toPoint());
    const std::optional<std::size_t> target =
        under < count() ? std::optional<std::size_t>(under) : std::nullopt;
    if (const auto moved = model_.Move(static_cast<std::size_t>(source), target)) {
        Sync();
        setCurrentRow(static_cast<int>(*moved));
    }
}

void VariableListBox::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (drag_.Dragging()) PaintInsertionMark(*this, drag_.Insertion());
}

}  // namespace numora
