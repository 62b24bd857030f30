#pragma once
// The main window's command handlers, grouped by subsystem. Each Attach function connects its
// commands to CMainFrame's actions and enables them; AttachShellHandlers calls them all.
#include <optional>
#include <string>

class QMenu;

namespace numora {

class CMainFrame;

void AttachShellHandlers(CMainFrame& frame);

// ViewCommands.cpp: the View toggles, next pane, always on top, about box.
void AttachViewCommands(CMainFrame& frame);
// DocumentCommands.cpp: exit, and the Untitled document kept between runs.
void AttachExitCommand(CMainFrame& frame);
// At start the Untitled document is read before the window is built, and shown once it is.
// Read: its text; nothing when it is not kept, not there yet, or unreadable (then it is kept
// aside, as the user left it).
std::optional<std::u16string> ReadUntitledAtStart(CMainFrame& frame);
void ShowUntitledAtStart(CMainFrame& frame, const std::u16string& text);
// InsertCommands.cpp: F4 to F10 and the function menus.
void AttachInsertCommands(CMainFrame& frame);
// Refills the user function menu from the catalogue (after the user function dialog's OK).
void RebuildUserFunctionMenu(CMainFrame& frame);
// The built-in function menu, made when it is first needed: it holds every function, and the
// window shows without it.
QMenu& BuiltinFunctionMenu(CMainFrame& frame);
// DialogCommands.cpp: the user function dialog, the options dialog and the help window.
void AttachDialogCommands(CMainFrame& frame);
// After the options dialog's OK: the settings into the worksheet, the modified flag kept.
void ApplyOptions(CMainFrame& frame, bool fontChanged);
// EditCommandHandlers.cpp: clipboard, undo, select all, find and replace.
void AttachEditCommands(CMainFrame& frame);
// PrintCommands.cpp: print and page setup.
void AttachPrintCommands(CMainFrame& frame);
// RecalculateCommand.cpp: the whole worksheet recalculated from the top, as numora-calc does.
void AttachRecalculateCommand(CMainFrame& frame);
// One undo step; the text stays as it was when the user stops it (false).
bool RecalculateAll(CMainFrame& frame);
// With automatic recalculation on, every line that shows a result calculated again from the
// top as one undo step (after new options, user functions or a file); false when stopped.
bool UpdateResultLines(CMainFrame& frame);

}  // namespace numora
