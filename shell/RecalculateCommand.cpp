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
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

bool RecalculateAll(CMainFrame& frame) {
    WorksheetEditor& view = frame.View();
    Worksheet& sheet = frame.Sheet();
    if (sheet.Calculating()) return false;
    std::u16string text = view.Text().toStdU16String();

    RecalcOptions options;
    options.enterComputesResultLine =
        (frame.AppSettings().Option & OptionBits::EnterComputesResultLine) != 0;
    options.cancel = &sheet.Engine().Cancel();
    // Progress is posted from the worker, a few times a second: the status bar redrawn for
    // every report would cost the window a good part of the recalculation again. A report still
    // queued when the work has ended finds `active` cleared and leaves the status bar alone.
    auto active = std::make_shared<bool>(true);
    StatusBarPanes* panes = &frame.Panes();
    options.progress = [panes, active, posted = std::chrono::steady_clock::time_point()](
                           std::int32_t paragraph, std::int32_t paragraphs) mutable {
        const auto now = std::chrono::steady_clock::now();
        if (now - posted < std::chrono::milliseconds(100)) return;
        posted = now;
        QMetaObject::invokeMethod(
            panes,
            [panes, active, paragraph, paragraphs] {
                if (*active)
                    panes->ShowProgress(texts::kRecalculating().arg(paragraph).arg(paragraphs));
            },
            Qt::QueuedConnection);
    };

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

void AttachRecalculateCommand(CMainFrame& frame) {
    frame.Attach(CommandId::EditRecalculateAll, [&frame] { RecalculateAll(frame); });
}

}  // namespace numora
