// すべて再計算: the whole worksheet recalculated from the top on the worksheet's worker, exactly
// as numora-calc recalculates the same text, then put in place as one undo step.
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <chrono>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Cancel.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "shell/StatusBarPanes.h"
#include "shell/insert/CompletionCatalogue.h"
#include "ui/PostTo.h"
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
        PostTo(panes, [panes, active, done, total] {
            if (active()) panes->ShowProgress(texts::kRecalculating().arg(done).arg(total));
        });
    };
}

// The new text on its way from the worker to the window, a piece at a time.
class PieceQueue {
public:
    explicit PieceQueue(WorksheetEditor& view) : view_(view) {}

    // On the worker: queued, and the window asked to come for it unless it already is.
    void Push(const std::shared_ptr<PieceQueue>& self, std::u16string_view piece) {
        bool ask = false;
        {
            const std::lock_guard lock(mutex_);
            queued_.emplace_back(piece);
            ask = !std::exchange(asked_, true);
        }
        if (ask) PostTo(&view_, [self] { self->Feed(); });
    }

    // On the window's thread; a call that comes after the work has ended does nothing.
    void Feed() {
        std::vector<std::u16string> taken;
        {
            const std::lock_guard lock(mutex_);
            taken.swap(queued_);
            asked_ = false;
        }
        if (closed_) return;
        for (const std::u16string& piece : taken) {
            view_.ReplaceAllPiece(piece);
            fed_ += piece.size();
        }
    }

    // The work has ended: what is still queued goes in, and nothing after it.
    std::size_t Close() {
        Feed();
        closed_ = true;
        return fed_;
    }

private:
    WorksheetEditor& view_;
    std::mutex mutex_;
    std::vector<std::u16string> queued_;
    bool asked_ = false;
    bool closed_ = false;  // these two: the window's thread only
    std::size_t fed_ = 0;
};

}  // namespace

bool RecalculateAll(CMainFrame& frame) {
    WorksheetEditor& view = frame.View();
    Worksheet& sheet = frame.Sheet();
    if (sheet.Calculating()) return false;
    // The edits of a long worksheet take about as long as its lines: the window makes them
    // while the worker goes on with the lines below (on a second core).
    const std::u16string_view before = view.BeginReplaceAll();  // until EndReplaceAll
    std::u16string text(before);

    RecalcOptions options;
    options.enterComputesResultLine =
        (frame.AppSettings().Option & OptionBits::EnterComputesResultLine) != 0;
    options.cancel = &sheet.Engine().Cancel();
    options.totals = sheet.Totals();
    options.keepValues = true;
    auto active = std::make_shared<bool>(true);
    StatusBarPanes* panes = &frame.Panes();
    options.progress = PostProgress(
        panes, [active] { return *active; }, 0);

    // The window's own engine does the work, so afterwards it holds the variables of the last
    // line calculated (or, stopped, those of the lines done over those it held).
    VariableListModel list = frame.VariableList().List()->Model();
    options.variableList = &list;
    auto pieces = std::make_shared<PieceQueue>(view);
    options.piece = [pieces](std::u16string_view piece) { pieces->Push(pieces, piece); };
    RecalcOutcome outcome;
    sheet.Run([&] { outcome = RecalculateAfresh(std::move(text), sheet.Engine(), options); });
    *active = false;
    panes->ShowProgress({});
    const std::size_t fed = pieces->Close();
    // Stopped, the lines done stay done (one undo step takes them back with the rest), and the
    // caret waits on the first line left as it was.
    std::u16string_view rest = std::u16string_view(outcome.text).substr(fed);
    // A last line without a line break gets one when its result line is written again, as Enter
    // gives it; with every result as it was, that alone would make the document modified. (Were
    // it in the view already, with the last piece, it stays.)
    if (!rest.empty() && !before.ends_with(u'\n') && outcome.text.size() == before.size() + 1 &&
        outcome.text.ends_with(u'\n') && outcome.text.starts_with(before)) {
        rest.remove_suffix(1);
    }
    view.EndReplaceAll(rest);
    for (const auto& [paragraph, value] : outcome.kept)
        KeepResult(view, paragraph, &value.Value, &value.Of);
    frame.VariableList().List()->Replace(std::move(list));
    frame.Completion().VariablesReplaced();
    frame.Panes().RefreshResult();
    if (outcome.canceled) {
        QTextCursor caret(view.document()->findBlockByNumber(outcome.stoppedAt));
        view.setTextCursor(caret);
        frame.Panes().ShowNotice(texts::kResultsStopped());
        return false;
    }
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
        if (stopped) panes->ShowNotice(texts::kResultsStopped());
    });
}

}  // namespace numora
