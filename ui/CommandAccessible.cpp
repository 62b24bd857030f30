#include "ui/CommandAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QToolBar>
#include <QWindow>

#include "ui/AccessibleLeaf.h"

namespace numora {

QString SpokenCommandName(const QString& menuText) {
    QString name = menuText.section(u'\t', 0, 0);
    // The Japanese way of marking the mnemonic: "(&N)" after the name.
    static const QRegularExpression mnemonic(QStringLiteral("\\(&[^&]\\)"));
    name.remove(mnemonic);
    QString spoken;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == u'&' && i + 1 < name.size()) ++i;
        spoken += name[i];
    }
    return spoken.trimmed();
}

namespace {

bool CarriesKeys(const QAction& action) { return action.text().contains(u'\t'); }

// An item of a menu (not of the menu bar) whose command carries keys.
class CommandMenuItem final : public AccessibleLeaf, public QAccessibleActionInterface {
public:
    CommandMenuItem(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

    bool isValid() const override { return menu_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_.data());
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return SpokenCommandName(action_->text());
        if (t == QAccessible::Accelerator) return Keys();
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect box = menu_->actionGeometry(action_);
        return QRect(menu_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.focused = menu_->activeAction() == action_;
        state.disabled = !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid() && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction() || !isValid() || action_->shortcut().isEmpty()) return {};
        return {Keys()};
    }

private:
    QString Keys() const { return action_->shortcut().toString(QKeySequence::NativeText); }

    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

QAccessibleInterface* MakeCommandMenuItem(const QString& className, QObject* object) {
    if (className != QLatin1String("QAction")) return nullptr;
    auto* action = static_cast<QAction*>(object);
    if (!CarriesKeys(*action)) return nullptr;
    for (QObject* owner : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner)) return new CommandMenuItem(menu, action);
    }
    return nullptr;
}

}  // namespace

void InstallCommandMenuItemAccessible() { InstallAccessibleFactory(MakeCommandMenuItem); }

void NameToolbarButtons(QToolBar& bar) {
    for (QAction* action : bar.actions()) {
        QWidget* button = bar.widgetForAction(action);
        if (button != nullptr && CarriesKeys(*action)) {
            button->setAccessibleName(SpokenCommandName(action->text()));
        }
    }
}

}  // namespace numora
