#pragma once
// The main window's command handlers, grouped by subsystem. Each Attach function connects its
// commands to CMainFrame's actions and enables them; AttachShellHandlers calls them all.
namespace numora {

class CMainFrame;

void AttachShellHandlers(CMainFrame& frame);

// ViewCommands.cpp: the View toggles, next pane, always on top, about box.
void AttachViewCommands(CMainFrame& frame);
// DocumentCommands.cpp: exit, and the Untitled document kept between runs.
void AttachExitCommand(CMainFrame& frame);
void LoadUntitledAtStart(CMainFrame& frame);

}  // namespace numora
