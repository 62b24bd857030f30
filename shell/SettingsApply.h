#pragma once
// Settings applied to the main window at creation (and after the options dialog), and the
// window state stored back before they are saved at exit.
#include <QFont>
#include <QRect>

#include "settings/Settings.h"

namespace numora {

class CMainFrame;

// Where a saved window rectangle goes on a work area: a rectangle without a size keeps
// `current`'s size, one smaller than 20 x 20 is enlarged, one larger than the work area is
// reduced to it, and one partly outside is moved in.
QRect PlaceWindowRect(const IntRect& saved, const QRect& workArea, const QSize& current);

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
// Every setting in creation order, except the splitter (applied once the window is laid out).
void ApplySettingsAtCreation(CMainFrame& frame);
// Returns the worksheet width it set.
int ApplySplitterSetting(CMainFrame& frame);
// Window rectangle, splitter position and the kept status format into the settings.
void StoreWindowState(CMainFrame& frame);

}  // namespace numora
