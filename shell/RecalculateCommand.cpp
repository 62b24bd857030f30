// すべて再計算: the whole worksheet recalculated from the top on the worksheet's worker, exactly
// as numora-calc recalculates the same text, then put in place as one undo step.
#include <QStatusBar>
#include <chrono>
#include <memory>

#include "engine/Cancel.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "shell/StatusBarPanes.h"
#include "worksheet/Recalculate.h"
#include "worksheet/VariableList.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

// Progress is posted from the worker, a few times a second: the status bar redrawn for every
// report would cost the window a good part of the recalculation again. Nothing is shown for
// the first `quietMs`, and a report still queued when the work has ended finds `active` false
// and leaves the status bar alone.
std::function<void(std::int32_t, std::int32_t)> PostProgress(StatusBarPanes* panes,
                                                             std::function<bool()> active,
                                                             int quietMs) {
    using Clock = std::chrono::steady_clock;
    return [panes, active = std::move(active), quietMs, started = Clock::time_point(),
            posted = Clock::time_point()](std::int32_t done, std::int32_t total) mutable {
        const auto now = Clock::now();
        if (started == Clock::time_point()) started = now;
        if (now - started < std::chrono::milliseconds(quietMs)) return;
        if (now - posted < std::chrono::milliseconds(100)) return;
        posted = now;
        QMetaObject::invokeMethod(
            panes,
            [panes, active, done, total] {
                if (active()) panes->ShowProgress(texts::kRecalculating().arg(done).arg(total));
            },
            Qt::QueuedConnection);
    };
}

}  // namespace

bool RecalculateAll(CMainFrame& frame) {
    WorksheetEditor& view = frame.View();
    Worksheet& sheet = frame.Sheet();
    if (sheet.Calculating()) return false;
    std::u16string text = view.Text().toStdU16String();

    RecalcOptions options;
    options.enterComputesResultLine =
        (frame.AppSettings().Option & OptionBits::EnterComputesResultLine) != 0;
    options.cancel = &sheet.Engine().Cancel();
    auto active = std::make_shared<bool>(true);
    StatusBarPanes* panes = &frame.Panes();
    options.progress = PostProgress(panes, [active] { return *active; }, 0);

    // The window's own engine does the work, so afterwards it holds the variables of the last
    // line; when the user stops, it gets its old ones back.
    VariableListModel list;
    options.variableList = &list;
    RecalcOutcome outcome;
    sheet.Run([&] { outcome = RecalculateAfresh(std::move(text), sheet.Engine(), options); });
    *active = false;
    panes->ShowProgress({});
    if (outcome.canceled) return false;
    view.ReplaceAllText(outcome.text);
    frame.VariableList().List()->Replace(std::move(list));
    frame.Panes().RefreshResult();
    return true;
}

bool UpdateResultLines(CMainFrame& frame) {
    Worksheet& sheet = frame.Sheet();
    return !sheet.AutoRecalculate() || sheet.RecalculateResults();
}

void AttachRecalculateCommand(CMainFrame& frame) {
    frame.Attach(CommandId::EditRecalculateAll, [&frame] { RecalculateAll(frame); });
    // The result lines that automatic recalculation brings up to date after an Enter: the
    // progress is shown only for an update that takes a while.
    Worksheet& sheet = frame.Sheet();
    StatusBarPanes* panes = &frame.Panes();
    sheet.SetResultsProgressHandler(PostProgress(
        panes, [&sheet] { return sheet.Calculating(); }, CalculationWait::kBusyDelayMs));
    sheet.SetResultsEndedHandler([&frame, panes](bool stopped) {
        panes->ShowProgress({});
        if (stopped) frame.statusBar()->showMessage(texts::kResultsStopped());
    });
}

}  // namespace numora
