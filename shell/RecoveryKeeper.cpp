#include "shell/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QUuid>
#include <chrono>
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/LockFiles.h"
#include "shell/ShellTexts.h"
#include "ui/PostTo.h"
#include "ui/Prompter.h"
#include "worksheet/Document.h"
#include "worksheet/RecoveryCopy.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

const QString kPrefix = QString::fromLatin1(kRecoveryCopyPrefix.data(),
                                            static_cast<qsizetype>(kRecoveryCopyPrefix.size()));
const QString kSuffix = QString::fromLatin1(kRecoveryCopySuffix.data(),
                                            static_cast<qsizetype>(kRecoveryCopySuffix.size()));

QString LockPathOf(const QString& copyPath) {
    QString lock = copyPath;
    lock.chop(kSuffix.size());
    return lock + QStringLiteral(".lock");
}

// The snapshot taken on the user-interface thread; QString shares the text, so taking it costs
// nothing, and the worker encodes straight from it.
struct Copy {
    QString documentPath;
    FileStamp stamp;
    QString text;
};

std::string Encode(const Copy& copy) {
    return EncodeRecoveryCopy(
        copy.documentPath.toStdString(), copy.stamp,
        std::u16string_view(reinterpret_cast<const char16_t*>(copy.text.utf16()),
                            static_cast<std::size_t>(copy.text.size())));
}

bool Decode(const std::filesystem::path& copyPath, Copy& copy) {
    RecoveryCopy decoded;
    if (!ReadRecoveryCopy(copyPath, decoded)) return false;
    copy.documentPath = QString::fromUtf8(decoded.documentPath.data(),
                                          static_cast<qsizetype>(decoded.documentPath.size()));
    copy.stamp = decoded.stamp;
    copy.text = QString::fromStdU16String(decoded.text);
    return true;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(CMainFrame& frame) : frame_(frame) {
    folder_ = QString::fromStdU16String(frame.AppSettings().SettingsFolder.u16string());
    copyPath_ = QDir(folder_).filePath(
        kPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + kSuffix);
    // Taken with the first copy, on the worker: the lock is flushed to disk, which a start
    // need not wait for, and until a copy exists there is nothing to guard.
    lock_ = std::make_unique<QLockFile>(LockPathOf(copyPath_));

    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &RecoveryKeeper::StartWrite);
    QTextDocument* document = frame.View().document();
    connect(document, &QTextDocument::contentsChanged, this, &RecoveryKeeper::Schedule);
    connect(document, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!modified) Discard();
    });
}

RecoveryKeeper::~RecoveryKeeper() { writer_.Wait(); }

bool RecoveryKeeper::Writing() {
    return started_ && !writer_.WaitFor(std::chrono::milliseconds(0));
}

void RecoveryKeeper::Schedule() {
    again_ = false;
    pause_.start();
}

bool RecoveryKeeper::StartWrite() {
    if (!frame_.Modified()) return false;
    if (Writing()) {
        again_ = true;
        return true;
    }
    // Only the snapshot is taken here; encoding and the write run on a worker thread.
    // Untitled's file is the one kept in the settings folder.
    const QString documentPath = frame_.DocumentPath();
    Copy copy{documentPath,
              documentPath.isEmpty() ? frame_.UntitledStamp() : frame_.DocumentStamp(),
              frame_.View().Text()};
    const QString copyPath = copyPath_;
    QLockFile* lock = lock_.get();  // used by one write at a time, and only there
    started_ = true;
    writer_.Start([this, lock, copyPath, copy = std::move(copy)] {
        if (!lock->isLocked()) lock->tryLock(0);
        const FileError error = WriteFileAtomically(ToPath(copyPath), Encode(copy));
        written_ = error;
        // Also after a wait has taken the result: reporting it is the window's, in turn.
        PostTo(this, [this, error] { Finished(error); });
    });
    return true;
}

void RecoveryKeeper::Finished(FileError error) {
    if (error != FileError::None && !reported_) {
        // Not a message box: the user is typing, and the work itself is still there.
        reported_ = true;
        frame_.statusBar()->showMessage(texts::kRecoveryWriteFailed().arg(
            QCoreApplication::translate(kDocumentMessagesContext, FileErrorReason(error))));
    }
    if (again_) Schedule();
}

FileError RecoveryKeeper::WriteNow() {
    pause_.stop();
    writer_.Wait();
    if (!StartWrite()) return FileError::None;
    writer_.Wait();
    return written_;
}

void RecoveryKeeper::Discard() {
    pause_.stop();
    writer_.Wait();
    QFile::remove(copyPath_);
}

void RecoveryKeeper::OfferRecovery() {
    const std::filesystem::path own = ToPath(copyPath_).filename();
    for (const std::filesystem::path& found : FindRecoveryCopies(ToPath(folder_))) {
        if (found.filename() == own) continue;
        const QString copyPath = QString::fromStdU16String(found.u16string());
        // A lock still held belongs to a running copy of the program: its work is its own.
        QLockFile owner(LockPathOf(copyPath));
        if (!TakeLock(owner)) continue;
        Copy copy;
        if (!Decode(found, copy)) continue;
        const QString name = copy.documentPath.isEmpty() ? texts::kUntitled
                                                         : QFileInfo(copy.documentPath).fileName();
        const auto answer =
            CurrentPrompter().Message(&frame_, QMessageBox::Question, texts::kConfirmTitle(),
                                      texts::kRecoveryQuestion().arg(name),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
            QFile::remove(copyPath);
            continue;
        }
        frame_.View().LoadText(copy.text);
        if (copy.documentPath.isEmpty()) {
            // Untitled.txt as the crashed run knew it: another run that wrote it since (one
            // that took back another copy, say) is asked about before it is replaced.
            if (copy.stamp.known) frame_.UntitledStamp() = copy.stamp;
            frame_.SetDocumentPath(copy.documentPath);
        } else {
            frame_.SetDocumentPath(copy.documentPath, copy.stamp);
        }
        frame_.View().document()->setModified(true);
        // This run's own copy is on disk before the old one goes and before the user types on.
        if (WriteNow() == FileError::None) QFile::remove(copyPath);
        return;
    }
}

}  // namespace numora
