#pragma once
// Shows the value of the line being typed after its end, once typing pauses: the worksheet's
// state is copied to a preview engine of its own and the line runs on that engine's worker, so
// neither a keystroke nor Enter ever waits for it. The next edit or caret move takes it away, and
// nothing is shown while an input method composes; one that has not finished in time is dropped.
#include <QObject>
#include <QTimer>
#include <cstdint>

#include "worksheet/LivePreview.h"

namespace numora {

class Worksheet;
class WorksheetEditor;

class LinePreviewer final : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 150;
    static constexpr int kDeadlineMs = 50;

    // Both outlive the previewer; a preview still running is stopped with it.
    LinePreviewer(WorksheetEditor& editor, Worksheet& sheet);

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    // Starts the preview of the caret's line now instead of after the pause (tests, benchmarks).
    void StartNow();
    // A preview has been started and its answer has not arrived yet.
    bool Pending() const { return pending_; }

signals:
    // The answer of a preview arrived (shown or not).
    void Finished();

private:
    // Takes away what is shown and drops what is on its way.
    void Hide();
    void Restart();

    WorksheetEditor& editor_;
    Worksheet& sheet_;
    LivePreview preview_;
    QTimer pause_;
    QTimer deadline_;
    std::uint64_t request_ = 0;
    bool enabled_ = false;
    bool pending_ = false;
    int revision_ = 0;
};

}  // namespace numora
