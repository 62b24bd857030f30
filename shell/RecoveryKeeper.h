#pragma once
// A recovery copy of unsaved work. While the worksheet is modified, a copy is written to the
// settings folder a moment after typing pauses, off the user-interface thread; a clean document
// and a normal close remove it. A copy left behind means the program did not end normally: the
// next start offers it back. Each running copy of the program holds a lock on its own recovery
// file, so two copies never take each other's work.
#include <QFutureWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

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
    // Writes the copy now (tests, and the timer); returns once it is on disk.
    void WriteNow();
    // A normal end: nothing is left to recover.
    void Discard();

    QString CopyPath() const { return copyPath_; }

private:
    void Schedule();
    void StartWrite();

    CMainFrame& frame_;
    QString folder_;
    QString copyPath_;
    std::unique_ptr<QLockFile> lock_;
    QTimer pause_;
    QFutureWatcher<bool> writing_;
    bool again_ = false;  // the text changed while a copy was being written
};

}  // namespace numora
