#pragma once
// Settings applied to the main window at creation (and after the options dialog), and the
// window state stored back before they are saved at exit.
#include <QFont>
#include <QList>
#include <QMargins>
#include <QRect>

#include "settings/Settings.h"

namespace numora {

class CMainFrame;

// Where the window goes. `saved` holds the position of the window's frame (its title bar's top
// left corner) and the size of the window within it: what Qt's move() and resize() take, so that
// a restart puts the window back exactly, however wide the frame. `frame` is the frame's width on
// each side; `workAreas` are the screens' work areas, the window's own screen first. Returned:
// the frame's rectangle. A rectangle without a size keeps `current`'s size, one smaller than
// 20 x 20 is enlarged, and a frame larger than its work area is reduced to it. The window goes on
// the screen that holds its title bar (else the most of it, else its own), wholly: a title bar
// off every screen, or above one, could not be dragged back. Copy 1, 2, ... of the program opens
// offset by kCascadeStep once, twice, ..., and back at the work area's corner where that would
// run off it.
inline constexpr int kCascadeStep = 24;
QRect PlaceWindowRect(const IntRect& saved, const QSize& current, const QMargins& frame,
                      const QList<QRect>& workAreas, int copyNumber = 0);

// The list pane gets 150 pixels unless a saved position of at least 100 applies. Returns the
// worksheet's width.
int SplitterPosToApply(int32_t saved, int splitterWidth, int handleWidth);
inline constexpr int kDefaultListWidth = 150;
inline constexpr int kMinPaneWidth = 100;
inline constexpr int kSplitterBarWidth = 4;

// Digits, colours, unary minus and the Enter option into the worksheet and its engine.
void ApplyEditSettings(CMainFrame& frame);
// The line colours and the calculation pane's, for the palette in use (again after it changes).
void ApplyLineColors(CMainFrame& frame);
void ApplyFontSetting(CMainFrame& frame);
// The window's position and size from the saved ones (PlaceWindowRect); again once the window
// system tells the frame's real width, where it does when the window is shown.
void PlaceWindow(CMainFrame& frame);
// Every setting in creation order, except the splitter (applied once the window is laid out).
void ApplySettingsAtCreation(CMainFrame& frame);
// Returns the worksheet width it set.
int ApplySplitterSetting(CMainFrame& frame);
// Window rectangle, splitter position and the kept status format into the settings.
void StoreWindowState(CMainFrame& frame);

}  // namespace numora
