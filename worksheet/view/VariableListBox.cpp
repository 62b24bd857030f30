#include "worksheet/view/VariableListBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "engine/CalcEngine.h"
#include "ui/InsertionMark.h"
#include "ui/QtText.h"

namespace numora {

namespace {

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

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()),
                metrics.height() + 2 * kTextTop};
    }

private:
    static constexpr int kTextTop = 3;
};

}  // namespace

VariableListBox::VariableListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new EntryDelegate(this));
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
        const int row = static_cast<int>(change.index);
        switch (change.kind) {
            case VariableListChange::Kind::Replaced:
                item(row)->setText(ToQString(change.text));
                break;
            case VariableListChange::Kind::Inserted:
                insertItem(row, ToQString(change.text));
                break;
            case VariableListChange::Kind::Removed:
                delete takeItem(row);
                break;
        }
    }
}

void VariableListBox::Rebuild(std::optional<std::size_t> select) {
    clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(model_.Count()));
    for (const auto& entry : model_.Entries()) texts.push_back(ToQString(entry.text));
    addItems(texts);
    if (select && *select < model_.Count()) setCurrentRow(static_cast<int>(*select));
}

void VariableListBox::ChooseCurrent() {
    const QListWidgetItem* current = currentItem();
    if (current == nullptr || !current->isSelected()) return;
    const std::u16string name = model_.InsertText(static_cast<std::size_t>(row(current)));
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
            if (model_.Count() > 0) setCurrentRow(std::min(at, count() - 1));
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
    QListWidget::keyPressEvent(event);
}

void VariableListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr) {
        ChooseCurrent();
    }
}

void VariableListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    drag_.End();
    if (event->button() != Qt::LeftButton) return;
    const int at = RowAt(event->position().toPoint());
    drag_.Press(at < count() ? at : -1, event->position().toPoint());
}

int VariableListBox::RowAt(const QPoint& pos) const {
    // Beyond the last entry (or above the list) the insertion point is the end / the top row.
    if (count() == 0) return 0;
    if (pos.y() < 0) return std::max(0, indexAt(QPoint(0, 0)).row());
    const QListWidgetItem* under = itemAt(QPoint(0, pos.y()));
    return under != nullptr ? row(under) : count();
}

void VariableListBox::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_.Pressed()) {
        QListWidget::mouseMoveEvent(event);
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
        QListWidget::mouseReleaseEvent(event);
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
    QListWidget::paintEvent(event);
    if (drag_.Dragging()) PaintInsertionMark(*this, drag_.Insertion());
}

}  // namespace numora
