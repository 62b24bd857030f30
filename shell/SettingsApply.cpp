#include "shell/SettingsApply.h"

#include <QApplication>
#include <QScreen>
#include <QSplitter>
#include <algorithm>
#include <cstdint>

#include "engine/CalcEngine.h"
#include "settings/dialogs/FontColor.h"
#include "settings/dialogs/ThemeColors.h"
#include "shell/CMainFrame.h"
#include "shell/StatusBarPanes.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/TypingHelp.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

constexpr int64_t kMinWindowSide = 20;

// Clamps one side's extent and then shifts it into [workLow, workHigh).
void FitSide(int64_t& low, int64_t& high, int64_t workLow, int64_t workHigh, bool resize) {
    if (resize) {
        const int64_t extent = high - low;
        if (extent < kMinWindowSide) high = low + kMinWindowSide;
        if (extent > workHigh - workLow) high = low + (workHigh - workLow);
    }
    if (low < workLow) {
        high += workLow - low;
        low = workLow;
    } else if (high > workHigh) {
        low -= high - workHigh;
        high = workHigh;
    }
}

QScreen* ScreenOf(const QWidget& widget) {
    if (QScreen* screen = widget.screen()) return screen;
    return QGuiApplication::primaryScreen();
}

}  // namespace

QRect PlaceWindowRect(const IntRect& saved, const QRect& workArea, const QSize& current) {
    int64_t left = saved.left, top = saved.top, right = saved.right, bottom = saved.bottom;
    const bool keepSize = saved.left == Settings::kNotSet || saved.top == Settings::kNotSet ||
                          saved.right == 0 || saved.bottom == 0;
    if (keepSize) {
        right = left + current.width();
        bottom = top + current.height();
    }
    const int64_t workRight = int64_t{workArea.x()} + workArea.width();
    const int64_t workBottom = int64_t{workArea.y()} + workArea.height();
    FitSide(left, right, workArea.x(), workRight, !keepSize);
    FitSide(top, bottom, workArea.y(), workBottom, !keepSize);
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

int SplitterPosToApply(int32_t saved, int splitterWidth, int handleWidth) {
    if (saved >= kMinPaneWidth) return saved;
    return std::max(0, splitterWidth - handleWidth - kDefaultListWidth);
}

void ApplyEditSettings(CMainFrame& frame) {
    const Settings& settings = frame.AppSettings();
    Worksheet& sheet = frame.Sheet();
    sheet.SetDigits(settings.Digits);
    sheet.SetOptions({.UnaryMinusBindsBase = (settings.Option & OptionBits::UnaryMinusBindsBase) != 0,
                      .GroupDigits = settings.GroupDigits});
    sheet.SetEnterComputesResultLine((settings.Option & OptionBits::EnterComputesResultLine) != 0);
    sheet.SetTotals(settings.Totals);
    frame.Previewer().SetEnabled(settings.LivePreview);
    sheet.SetAutoRecalculate(settings.AutoRecalculate);
    frame.Typing().SetEnabled(settings.Completion);
    frame.View().SetUndoTypedRuns(settings.UndoTypedRuns);
    ApplyLineColors(frame);
}

void ApplyLineColors(CMainFrame& frame) {
    // The window's palette is the desktop's; it has changed before the widgets inside do.
    const LineColorSet shown =
        ShownLineColors(StoredLineColors(frame.AppSettings()), frame.palette());
    frame.View().ApplyColors(shown[0], shown[1], shown[2], shown[3]);
    frame.Panes().ShowCalcState();
}

void ApplyFontSetting(CMainFrame& frame) {
    const QFont font = ToQFont(frame.AppSettings().Font, QApplication::font());
    frame.View().setFont(font);
    frame.VariableList().setFont(font);
}

void ApplySettingsAtCreation(CMainFrame& frame) {
    Settings& settings = frame.AppSettings();
    const int saved = StatusFormatSavedValue(settings.Option);
    frame.Panes().SetFormat(saved != 0 ? saved - 1 : 0);
    ApplyEditSettings(frame);

    const QRect work = ScreenOf(frame)->availableGeometry();
    if (settings.WindowRect.left != Settings::kNotSet) {
        frame.setGeometry(PlaceWindowRect(settings.WindowRect, work, frame.size()));
    } else {
        QRect rect(0, 0, 640, 480);
        rect.moveCenter(work.center());
        frame.setGeometry(rect);
    }
    ApplyFontSetting(frame);
    frame.ShowToolbars(settings.Toolbar);
    frame.ShowStatusBar(settings.Status);
    frame.ShowVariableList(settings.List);
    frame.SetTopMost(settings.TopMost);
    frame.SetWordWrap(settings.WordWrap);
}

int ApplySplitterSetting(CMainFrame& frame) {
    QSplitter& splitter = frame.Splitter();
    const int left = SplitterPosToApply(frame.AppSettings().SplitterPos, splitter.width(),
                                        splitter.handleWidth());
    splitter.setSizes({left, std::max(0, splitter.width() - splitter.handleWidth() - left)});
    return left;
}

void StoreWindowState(CMainFrame& frame) {
    Settings& settings = frame.AppSettings();
    const QRect rect = frame.geometry();
    settings.WindowRect = {rect.left(), rect.top(), rect.left() + rect.width(),
                           rect.top() + rect.height()};
    settings.SplitterPos = frame.SplitterPos();
    if (StatusFormatSavedValue(settings.Option) != 0) {
        settings.Option = WithStatusFormatSaved(settings.Option, frame.Panes().Format() + 1);
    }
}

}  // namespace numora
