#include "shell/insert/FunctionMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTextBlock>
#include <algorithm>
#include <limits>

#include "shell/insert/FunctionMenuTable.h"
#include "worksheet/Insertions.h"
#include "worksheet/WorksheetDriver.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

// The name an item inserts, kept apart from its text: a translated text puts its access key
// inside the name ("&Sin").
constexpr char kFunctionNameProperty[] = "functionName";

QAction* AddFunctionItem(QMenu& menu, const QString& text, const QString& name, int places,
                         const QString& help) {
    QAction* action = menu.addAction(text);
    action->setProperty(kFunctionNameProperty, name);
    action->setData(places);
    action->setStatusTip(help);
    return action;
}

QMenu* AddSubmenu(QMenu& menu, const FunctionSubmenu& table) {
    QMenu* submenu = menu.addMenu(QCoreApplication::translate(kFunctionMenuContext, table.title));
    for (const FunctionMenuItem& item : table.items) {
        if (item.text == nullptr) {
            submenu->addSeparator();
            continue;
        }
        const QString text = QString::fromUtf8(item.text);
        AddFunctionItem(*submenu, QCoreApplication::translate(kFunctionMenuContext, item.text),
                        text.section(u'\t', 0, 0), item.places,
                        QCoreApplication::translate(kFunctionMenuContext, item.help));
    }
    return submenu;
}

const QString kTotalsMenuName = QStringLiteral("totals");
const QString kUnitsMenuName = QStringLiteral("units");
const QString kPercentMenuName = QStringLiteral("percent");

void ShowHeading(QMenu& builtin, const QString& name, bool on) {
    for (QAction* action : builtin.actions()) {
        const bool heading = action->objectName() == name ||
                             (action->menu() != nullptr && action->menu()->objectName() == name);
        if (heading) action->setVisible(on);
    }
}

}  // namespace

QMenu* CreateBuiltinFunctionMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const FunctionSubmenu& table : BuiltinFunctionMenuTable()) AddSubmenu(*menu, table);
    menu->addSeparator()->setObjectName(kTotalsMenuName);
    AddSubmenu(*menu, TotalsMenuTable())->setObjectName(kTotalsMenuName);
    menu->addSeparator()->setObjectName(kUnitsMenuName);
    AddSubmenu(*menu, UnitsMenuTable())->setObjectName(kUnitsMenuName);
    menu->addSeparator()->setObjectName(kPercentMenuName);
    AddSubmenu(*menu, PercentMenuTable())->setObjectName(kPercentMenuName);
    return menu;
}

void ShowTotalsInMenu(QMenu& builtin, bool on) { ShowHeading(builtin, kTotalsMenuName, on); }

void ShowUnitsInMenu(QMenu& builtin, bool on) { ShowHeading(builtin, kUnitsMenuName, on); }

void ShowPercentInMenu(QMenu& builtin, bool on) { ShowHeading(builtin, kPercentMenuName, on); }

void FillUserFunctionMenu(QMenu& menu, const UserFunctionCatalogue& catalogue) {
    menu.clear();
    int index = 0;
    for (const auto& [key, function] : catalogue.Entries()) {
        const QString name = QString::fromStdU16String(function.FuncName);
        // While the sixteen access keys last, and after them, where the keys start again at 0
        // or (in English) the item has none.
        QString text = index < 16 ? QCoreApplication::translate("numora::FunctionMenu", "%1\t(&%2)")
                                  : QCoreApplication::translate("numora::FunctionMenu", "%1\t(&%2)",
                                                                "past the sixteenth function");
        // The key goes in first: a name may hold "%2".
        text.replace(QLatin1String("%2"), QString::number(index % 16, 16).toUpper());
        text.replace(QLatin1String("%1"), name);
        AddFunctionItem(menu, text, name, static_cast<int>(function.Parameter.size()),
                        QString::fromStdU16String(function.Explain));
        ++index;
    }
}

QString FunctionNameOf(const QAction& action) {
    const QVariant name = action.property(kFunctionNameProperty);
    return name.isValid() ? name.toString() : action.text().section(u'\t', 0, 0);
}

int SlotsOf(const QAction& action) { return action.data().toInt(); }

void InsertChosenFunction(WorksheetDriver& driver, WorksheetEditor& view, const QAction& action) {
    const std::u16string name = FunctionNameOf(action).toStdU16String();
    if (SlotsOf(action) == kNameOnly) {
        driver.InsertAtCaret(name);
        return;
    }
    InsertFunctionCall(driver, view, name, SlotsOf(action));
}

QPoint PopupPointAtCaret(const WorksheetEditor& view) {
    QTextCursor start = view.textCursor();
    start.setPosition(start.selectionStart());
    const QRect character = view.cursorRect(start);
    const QPoint topLeft = view.viewport()->mapToGlobal(character.topLeft());
    return topLeft + QPoint(8, view.fontMetrics().height());
}

QPoint PopupPointUnder(const QWidget& button) {
    const QWidget* bar = button.parentWidget() ? button.parentWidget() : &button;
    const int bottom = bar->mapToGlobal(QPoint(0, bar->height())).y();
    return QPoint(button.mapToGlobal(QPoint(0, 0)).x(), bottom);
}

QPoint KeepOnScreen(QPoint point) {
    if (QGuiApplication::screenAt(point) != nullptr) return point;
    const QScreen* nearest = nullptr;
    int best = std::numeric_limits<int>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const int dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
        const int dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
        if (dx + dy < best) {
            best = dx + dy;
            nearest = screen;
        }
    }
    if (nearest == nullptr) return point;
    const QRect area = nearest->availableGeometry();
    point.setX(std::clamp(point.x(), area.left(), area.right()));
    return point;
}

void PopupAndInsert(QMenu& menu, QPoint point, WorksheetDriver& driver, WorksheetEditor& view) {
    const QAction* chosen = menu.exec(KeepOnScreen(point));
    if (chosen != nullptr) InsertChosenFunction(driver, view, *chosen);
}

}  // namespace numora
