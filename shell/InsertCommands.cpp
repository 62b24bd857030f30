#include <QMenu>
#include <QToolBar>

#include "engine/UserFunctions.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/StatusBarPanes.h"
#include "shell/insert/FunctionMenus.h"
#include "worksheet/Insertions.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

const QString kUserFunctionMenuName = QStringLiteral("UserFunctionMenu");
const QString kBuiltinFunctionMenuName = QStringLiteral("BuiltinFunctionMenu");

// While a function menu is open the status bar is in its simple mode and shows the highlighted
// function's help text; a submenu title has none.
void ShowHelpWhileOpen(CMainFrame& frame, QMenu& menu, bool topLevel) {
    StatusBarPanes& panes = frame.Panes();
    QObject::connect(&menu, &QMenu::hovered, &panes, [&panes](QAction* action) {
        panes.ShowSimpleText(action->menu() != nullptr ? QString() : action->statusTip());
    });
    if (topLevel) {
        QObject::connect(&menu, &QMenu::aboutToShow, &panes, &StatusBarPanes::EnterSimpleMode);
        QObject::connect(&menu, &QMenu::aboutToHide, &panes, &StatusBarPanes::LeaveSimpleMode);
    } else {
        QObject::connect(&menu, &QMenu::aboutToHide, &panes,
                         [&panes] { panes.ShowSimpleText({}); });
    }
}

// Under the toolbar button when the command came from it, else under the caret.
QPoint PopupPoint(CMainFrame& frame, CommandId id) {
    const QWidget* button = frame.InsertToolbar().widgetForAction(frame.Action(id));
    if (button != nullptr && button->isVisible() && button->underMouse()) {
        return PopupPointUnder(*button);
    }
    return PopupPointAtCaret(frame.View());
}

void InsertTokenCommand(CMainFrame& frame, std::u16string_view token) {
    InsertToken(frame.Sheet().Driver(), frame.View(), token);
}

}  // namespace

void RebuildUserFunctionMenu(CMainFrame& frame) {
    if (auto* menu = frame.findChild<QMenu*>(kUserFunctionMenuName)) {
        FillUserFunctionMenu(*menu, frame.Functions());
    }
}

QMenu& BuiltinFunctionMenu(CMainFrame& frame) {
    if (auto* menu =
            frame.findChild<QMenu*>(kBuiltinFunctionMenuName, Qt::FindDirectChildrenOnly)) {
        return *menu;
    }
    QMenu* builtin = CreateBuiltinFunctionMenu(&frame);
    builtin->setObjectName(kBuiltinFunctionMenuName);
    ShowHelpWhileOpen(frame, *builtin, true);
    for (QAction* sub : builtin->actions()) {
        if (sub->menu() != nullptr) ShowHelpWhileOpen(frame, *sub->menu(), false);
    }
    return *builtin;
}

void AttachInsertCommands(CMainFrame& frame) {
    auto* user = new QMenu(&frame);
    user->setObjectName(kUserFunctionMenuName);
    ShowHelpWhileOpen(frame, *user, true);
    RebuildUserFunctionMenu(frame);

    frame.Attach(CommandId::InsertBuiltinFunction, [&frame] {
        QMenu& builtin = BuiltinFunctionMenu(frame);
        ShowTotalsInMenu(builtin, frame.Sheet().Totals());
        ShowUnitsInMenu(builtin, frame.Sheet().Engine().GetOptions().Units);
        ShowPercentInMenu(builtin, frame.Sheet().Engine().GetOptions().Percent);
        PopupAndInsert(builtin, PopupPoint(frame, CommandId::InsertBuiltinFunction),
                       frame.Sheet().Driver(), frame.View());
    });
    frame.Attach(CommandId::InsertUserFunction, [&frame, user] {
        PopupAndInsert(*user, PopupPoint(frame, CommandId::InsertUserFunction),
                       frame.Sheet().Driver(), frame.View());
    });
    frame.Attach(CommandId::InsertParentheses,
                 [&frame] { WrapInParentheses(frame.Sheet().Driver(), frame.View()); });
    frame.Attach(CommandId::InsertComment, [&frame] { InsertTokenCommand(frame, u"//"); });
    frame.Attach(CommandId::InsertPi, [&frame] { InsertTokenCommand(frame, u"π"); });
    frame.Attach(CommandId::InsertExp, [&frame] { InsertTokenCommand(frame, u"exp"); });
    frame.Attach(CommandId::InsertRoot2, [&frame] { InsertTokenCommand(frame, u"root2"); });
}

}  // namespace numora
