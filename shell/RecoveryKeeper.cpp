#include "shell/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QUuid>
#include <charconv>
#include <chrono>
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "ui/Prompter.h"
#include "worksheet/Document.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

// The copy: a marker line, the document's path (empty for Untitled), what the document's file
// (Untitled.txt for Untitled) held when this window read or wrote it (empty when unknown; so that a
// save after recovery still notices a change made to the file meanwhile), then the worksheet as a
// worksheet file holds it. Copies of the first form have no stamp line.
constexpr std::string_view kMarker1 = "Numora recovery 1\r\n";
constexpr std::string_view kMarker = "Numora recovery 2\r\n";
const QString kPrefix = QStringLiteral("Recovery-");

QString LockPathOf(const QString& copyPath) {
    QString lock = copyPath;
    lock.chop(4);  // ".txt"
    return lock + QStringLiteral(".lock");
}

struct Copy {
    QString documentPath;
    FileStamp stamp;
    QString text;
};

std::string Encode(const Copy& copy) {
    std::string bytes(kMarker);
    bytes += copy.documentPath.toStdString() + "\r\n";
    if (copy.stamp.known) {
        bytes += std::to_string(copy.stamp.exists) + ' ' + std::to_string(copy.stamp.size) + ' ' +
                 std::to_string(copy.stamp.hash);
    }
    bytes += "\r\n";
    bytes += EncodeWorksheet(copy.text.toStdU16String());
    return bytes;
}

// The next line of `view` (without its CR LF), which moves past it; false when there is none.
bool NextLine(std::string_view& view, std::string_view& line) {
    const std::size_t end = view.find("\r\n");
    if (end == std::string_view::npos) return false;
    line = view.substr(0, end);
    view.remove_prefix(end + 2);
    return true;
}

// "exists size hash"; anything else is an unknown stamp.
FileStamp ParseStamp(std::string_view line) {
    std::uint64_t fields[3];
    const char* at = line.data();
    const char* end = at + line.size();
    for (std::uint64_t& field : fields) {
        if (at < end && *at == ' ') ++at;
        const auto [next, error] = std::from_chars(at, end, field);
        if (error != std::errc()) return {};
        at = next;
    }
    if (at != end) return {};
    return {true, fields[0] != 0, fields[1], fields[2]};
}

bool Decode(const QString& copyPath, Copy& copy) {
    std::string bytes;
    if (ReadFileBytes(ToPath(copyPath), bytes) != FileError::None) return false;
    std::string_view view(bytes);
    const bool stamped = view.starts_with(kMarker);
    if (!stamped && !view.starts_with(kMarker1)) return false;
    view.remove_prefix((stamped ? kMarker : kMarker1).size());
    std::string_view path, stamp;
    if (!NextLine(view, path) || (stamped && !NextLine(view, stamp))) return false;
    std::u16string decoded;
    if (DecodeWorksheet(view, decoded) != DocumentStatus::Ok) return false;
    copy.documentPath = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    copy.stamp = ParseStamp(stamp);
    copy.text = QString::fromStdU16String(decoded);
    return true;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(CMainFrame& frame) : frame_(frame) {
    folder_ = QString::fromStdU16String(frame.AppSettings().SettingsFolder.u16string());
    copyPath_ = QDir(folder_).filePath(
        kPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".txt"));
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
        QMetaObject::invokeMethod(
            this, [this, error] { Finished(error); }, Qt::QueuedConnection);
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
    const QStringList copies =
        QDir(folder_).entryList({kPrefix + QStringLiteral("*.txt")}, QDir::Files, QDir::Time);
    for (const QString& file : copies) {
        const QString copyPath = QDir(folder_).filePath(file);
        if (copyPath == copyPath_) continue;
        // A lock still held belongs to a running copy of the program: its work is its own.
        QLockFile owner(LockPathOf(copyPath));
        if (!owner.tryLock(0)) continue;
        Copy copy;
        if (!Decode(copyPath, copy)) continue;
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
