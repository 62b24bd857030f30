#pragma once
// A recovery copy of unsaved work. While the worksheet is modified, a copy is written to the
// settings folder a moment after typing pauses, off the user-interface thread; a clean document
// (saved, or given up through the save question) and a normal close remove it. A copy left
// behind means the program did not end normally: the next start offers it back, and work taken
// back is at once a copy of this run, so that a second crash loses nothing either. Each running
// copy of the program holds a lock on its own recovery file, so two copies never take each
// other's work. A copy that cannot be written is reported once, in the status bar.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "base/FileError.h"
#include "worksheet/LineWorker.h"

namespace numora {

class CMainFrame;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 2000;

    explicit RecoveryKeeper(CMainFrame& frame);
    ~RecoveryKeeper() override;

    // At start: offers the work of a copy that ended abnormally; Yes loads it as a modified
    // document under its own name, No removes it.
    void OfferRecovery();
    // Writes the copy of a modified document now and returns once it is on disk, or why it is
    // not.
    FileError WriteNow();
    // A normal end: nothing is left to recover.
    void Discard();

    QString CopyPath() const { return copyPath_; }

private:
    void Schedule();
    // False when there is nothing to write.
    bool StartWrite();
    // A write has been started and has not ended yet.
    bool Writing();
    void Finished(FileError error);

    CMainFrame& frame_;
    QString folder_;
    QString copyPath_;
    std::unique_ptr<QLockFile> lock_;
    QTimer pause_;
    bool started_ = false;   // a write has been started since the keeper began
    bool again_ = false;     // the text changed while a copy was being written
    bool reported_ = false;  // a failure was shown; once a run is enough
    // Written by the writer, read after a wait for it.
    FileError written_ = FileError::None;
    // Writes the copies one at a time, off the window's thread. Last, so that a write still
    // running ends before the lock and the paths go.
    LineWorker writer_;
};

}  // namespace numora
