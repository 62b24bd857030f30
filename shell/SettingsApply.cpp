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
#include "ui/ScreenFit.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/TypingHelp.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"
#include "worksheet/view/WorksheetHighlighter.h"

namespace numora {

namespace {

constexpr int64_t kMinWindowSide = 20;
constexpr QSize kFirstWindowSize(640, 480);

// Clamps one side's extent and then shifts it into [workLow, workHigh).
void FitSide(int64_t& low, int64_t& extent, int64_t workLow, int64_t workHigh, bool resize) {
    if (resize) extent = std::min(extent, workHigh - workLow);
    if (low < workLow) {
        low = workLow;
    } else if (low + extent > workHigh) {
        low = workHigh - extent;
    }
}

// Saved values anywhere in the int32 range, made safe to measure overlaps with.
int Bounded(int64_t value) {
    constexpr int64_t kFar = 1 << 28;
    return static_cast<int>(std::clamp(value, -kFar, kFar));
}

QScreen* ScreenOf(const QWidget& widget) {
    if (QScreen* screen = widget.screen()) return screen;
    return QGuiApplication::primaryScreen();
}

}  // namespace

QRect PlaceWindowRect(const IntRect& saved, const QSize& current, const QMargins& frame,
                      const QList<QRect>& workAreas, int copyNumber) {
    const bool keepSize = saved.left == Settings::kNotSet || saved.top == Settings::kNotSet ||
                          saved.right == 0 || saved.bottom == 0;
    int64_t width = current.width(), height = current.height();
    if (!keepSize) {
        width = std::max(int64_t{saved.right} - saved.left, kMinWindowSide);
        height = std::max(int64_t{saved.bottom} - saved.top, kMinWindowSide);
    }
    width += frame.left() + frame.right();
    height += frame.top() + frame.bottom();
    const int64_t step = int64_t{kCascadeStep} * std::max(0, copyNumber);
    int64_t left = int64_t{saved.left} + step, top = int64_t{saved.top} + step;
    if (workAreas.isEmpty()) {
        return QRect(Bounded(left), Bounded(top), Bounded(width), Bounded(height));
    }
    const QRect work = AreaFor(QRect(Bounded(left), Bounded(top), Bounded(width), Bounded(height)),
                               frame.top(), workAreas);
    const int64_t workRight = int64_t{work.x()} + work.width();
    const int64_t workBottom = int64_t{work.y()} + work.height();
    // A cascade that runs off the work area starts again at its corner, not on the first window.
    if (step > 0 && (left + width > workRight || top + height > workBottom)) {
        left = work.x();
        top = work.y();
    }
    FitSide(left, width, work.x(), workRight, !keepSize);
    FitSide(top, height, work.y(), workBottom, !keepSize);
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                 static_cast<int>(height));
}

int SplitterPosToApply(int32_t saved, int splitterWidth, int handleWidth) {
    if (saved >= kMinPaneWidth) return saved;
    return std::max(0, splitterWidth - handleWidth - kDefaultListWidth);
}

void ApplyEditSettings(CMainFrame& frame) {
    const Settings& settings = frame.AppSettings();
    Worksheet& sheet = frame.Sheet();
    sheet.SetDigits(settings.Digits);
    sheet.SetOptions(
        {.UnaryMinusBindsBase = (settings.Option & OptionBits::UnaryMinusBindsBase) != 0,
         .GroupDigits = settings.GroupDigits,
         .Units = settings.Units,
         .Percent = settings.Percent,
         .TaxRate = settings.TaxRate,
         .TaxRounding = settings.TaxRounding,
         .MyriadGrouping = settings.Percent && settings.MyriadGrouping});
    frame.View().Highlighter().SetConversionArrows(settings.Units);
    frame.View().viewport()->update();
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

void PlaceWindow(CMainFrame& frame) {
    // By the frame: the title bar is what must be on a screen.
    const QScreen* own = ScreenOf(frame);
    QList<QRect> workAreas{own->availableGeometry()};
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != own) workAreas << screen->availableGeometry();
    }
    const QMargins margins = FrameMarginsOf(frame);
    IntRect saved = frame.AppSettings().WindowRect;
    if (saved.left == Settings::kNotSet) {
        QRect first(QPoint(), kFirstWindowSize.grownBy(margins));
        first.moveCenter(workAreas.first().center());
        saved = {first.left(), first.top(), first.left() + kFirstWindowSize.width(),
                 first.top() + kFirstWindowSize.height()};
    }
    const QRect placed =
        PlaceWindowRect(saved, frame.size(), margins, workAreas, frame.CopyNumber());
    frame.resize(placed.size().shrunkBy(margins));
    frame.move(placed.topLeft());
}

void ApplySettingsAtCreation(CMainFrame& frame) {
    Settings& settings = frame.AppSettings();
    const int format = StatusFormatSavedValue(settings.Option);
    frame.Panes().SetFormat(format != 0 ? format - 1 : 0);
    ApplyEditSettings(frame);

    PlaceWindow(frame);
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
    // The frame's position and the window's size, as the placement takes them back.
    const QPoint at = frame.pos();
    settings.WindowRect = {at.x(), at.y(), at.x() + frame.width(), at.y() + frame.height()};
    settings.SplitterPos = frame.SplitterPos();
    if (StatusFormatSavedValue(settings.Option) != 0) {
        settings.Option = WithStatusFormatSaved(settings.Option, frame.Panes().Format() + 1);
    }
}

}  // namespace numora
