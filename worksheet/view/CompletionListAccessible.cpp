#include "worksheet/view/CompletionListAccessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include "ui/AccessibleLeaf.h"
#include "worksheet/view/CompletionPopup.h"
#include "worksheet/view/ViewTexts.h"

namespace numora {

namespace {

class CompletionRowAccessible final : public AccessibleLeaf {
public:
    CompletionRowAccessible(CompletionPopup* popup, int row) : popup_(popup), row_(row) {}

    bool isValid() const override {
        return popup_ && row_ < static_cast<int>(popup_->Rows().size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return popup_ ? popup_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(popup_.data());
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const CompletionRow& row = popup_->Rows()[static_cast<std::size_t>(row_)];
        if (t == QAccessible::Name) {
            return row.help.isEmpty() ? row.signature
                                      : row.signature + QStringLiteral(", ") + row.help;
        }
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect box = popup_->RowRect(row_);
        return box.isEmpty() ? QRect() : QRect(popup_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selected = row_ == popup_->Current();
        state.invisible = !popup_->isVisible();
        state.offscreen = popup_->RowRect(row_).isEmpty();
        return state;
    }

private:
    QPointer<CompletionPopup> popup_;
    int row_;
};

class CompletionListAccessibleImpl final : public QAccessibleWidget {
public:
    explicit CompletionListAccessibleImpl(CompletionPopup* popup)
        : QAccessibleWidget(popup, QAccessible::List) {}
    ~CompletionListAccessibleImpl() override { Forget(); }

    int childCount() const override { return static_cast<int>(Popup()->Rows().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (generation_ != Popup()->Generation()) Forget();
        generation_ = Popup()->Generation();
        if (const auto it = rows_.constFind(index); it != rows_.cend()) {
            return QAccessible::accessibleInterface(*it);
        }
        auto* row = new CompletionRowAccessible(Popup(), index);
        rows_.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = rows_.cbegin(); it != rows_.cend(); ++it) {
            if (QAccessible::accessibleInterface(*it) == child) return it.key();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int row = Popup()->RowAt(Popup()->mapFromGlobal(QPoint(x, y)).y());
        return row >= 0 ? child(row) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return view_texts::kCompletionName();
        return QAccessibleWidget::text(t);
    }

    // Rows of earlier lists are gone: their interfaces go too.
    void Forget() const {
        for (QAccessible::Id id : std::as_const(rows_)) QAccessible::deleteAccessibleInterface(id);
        rows_.clear();
    }

private:
    CompletionPopup* Popup() const { return static_cast<CompletionPopup*>(widget()); }

    mutable QHash<int, QAccessible::Id> rows_;
    mutable int generation_ = -1;
};

QAccessibleInterface* MakeCompletionList(const QString& className, QObject* object) {
    if (className != QLatin1String(CompletionPopup::staticMetaObject.className())) return nullptr;
    return new CompletionListAccessibleImpl(static_cast<CompletionPopup*>(object));
}

void TellChosen(CompletionPopup& popup, QAccessible::Event type, int row) {
    QAccessibleEvent event(&popup, type);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallCompletionListAccessible() { InstallAccessibleFactory(MakeCompletionList); }

void TellRowsReplaced(CompletionPopup& popup) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent replaced(&popup, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&replaced);
    if (!popup.Rows().empty()) TellChosen(popup, QAccessible::Selection, popup.Current());
}

void TellRowChosen(CompletionPopup& popup, int previous) {
    if (!QAccessible::isActive() || previous == popup.Current()) return;
    TellChosen(popup, QAccessible::SelectionRemove, previous);
    TellChosen(popup, QAccessible::Selection, popup.Current());
}

}  // namespace numora
