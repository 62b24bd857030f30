#pragma once
// The built-in and user function menus of the insert commands. Every function item carries its
// number of argument places as data and its help text as status tip, which the main window's
// status bar shows while the item is highlighted.
#include <QPoint>
#include <QString>

#include "engine/UserFunctions.h"

class QAction;
class QMenu;
class QWidget;

namespace numora {

class WorksheetEditor;

// The six submenus of built-in functions and, each after a separator, the totals names and the
// unit conversions and the percent and tax functions, built once.
QMenu* CreateBuiltinFunctionMenu(QWidget* parent);
// Show or hide the totals names, the unit conversions or the percent functions of a menu made by
// CreateBuiltinFunctionMenu.
void ShowTotalsInMenu(QMenu& builtin, bool on);
void ShowUnitsInMenu(QMenu& builtin, bool on);
void ShowPercentInMenu(QMenu& builtin, bool on);
// Replaces the menu's items by one per user function, in catalogue order: "%s\t(&%X)" with
// the index modulo 16 as the access key (in English "&X name", the first sixteen only) and the
// explanation as help text.
void FillUserFunctionMenu(QMenu& menu, const UserFunctionCatalogue& catalogue);

// The function name of an item: the name it was made with, else its text up to the first tab.
QString FunctionNameOf(const QAction& action);
int SlotsOf(const QAction& action);

class WorksheetDriver;

// Inserts the chosen item's call around the selection of `view`, the text of `driver`'s
// worksheet (one undo step).
void InsertChosenFunction(WorksheetDriver& driver, WorksheetEditor& view, const QAction& action);

// Where a function menu opens for a key press: 8 pixels right of the selection's first
// character and one line below it, in screen coordinates.
QPoint PopupPointAtCaret(const WorksheetEditor& view);
// For a toolbar button: its left edge at the toolbar's bottom edge.
QPoint PopupPointUnder(const QWidget& button);
// A point on no screen has its horizontal coordinate moved into the nearest screen's work area.
QPoint KeepOnScreen(QPoint point);

// Opens `menu` at `point` and inserts the call of the item chosen, if any.
void PopupAndInsert(QMenu& menu, QPoint point, WorksheetDriver& driver, WorksheetEditor& view);

}  // namespace numora
