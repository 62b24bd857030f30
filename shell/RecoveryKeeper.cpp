#include "shell/RecoveryKeeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

#include "base/FileIO.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"
#include "ui/Prompter.h"
#include "worksheet/Document.h"
#include "worksheet/view/CView.h"

namespace numora {

namespace {

// The copy: a marker line, the document's path (empty for Untitled), then the worksheet as a
// worksheet file holds it.
constexpr char kMarker[] = "Numora recovery 1\r\n";
const QString kPrefix = QStringLiteral("Recovery-");

QString LockPathOf(const QString& copyPath) {
    QString lock = copyPath;
    lock.chop(4);  // ".txt"
    return lock + QStringLiteral(".lock");
}

std::string Encode(const QString& documentPath, const QString& text) {
    std::string bytes = kMarker;
    bytes += documentPath.toStdString();
    bytes += "\r\n";
    bytes += EncodeWorksheet(text.toStdU16String());
    return bytes;
}

bool Decode(const QString& copyPath, QString& documentPath, QString& text) {
    std::string bytes;
    if (ReadFileBytes(ToPath(copyPath), bytes) != FileError::None) return false;
    const std::string_view view(bytes);
    if (!view.starts_with(kMarker)) return false;
    const std::size_t pathStart = sizeof kMarker - 1;
    const std::size_t pathEnd = view.find("\r\n", pathStart);
    if (pathEnd == std::string_view::npos) return false;
    std::u16string decoded;
    if (DecodeWorksheet(view.substr(pathEnd + 2), decoded) != DocumentStatus::Ok) return false;
    documentPath =
        QString::fromUtf8(view.data() + pathStart, static_cast<qsizetype>(pathEnd - pathStart));
    text = QString::fromStdU16String(decoded);
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
    connect(&writing_, &QFutureWatcher<bool>::finished, this, [this] {
        if (again_) Schedule();
    });
}

RecoveryKeeper::~RecoveryKeeper() { writing_.waitForFinished(); }

void RecoveryKeeper::Schedule() {
    again_ = false;
    pause_.start();
}

void RecoveryKeeper::StartWrite() {
    if (!frame_.Modified()) return;
    if (writing_.isRunning()) {
        again_ = true;
        return;
    }
    // Only the snapshot is taken here; encoding and the write run on a worker thread.
    const QString text = frame_.View().Text();
    const QString documentPath = frame_.DocumentPath();
    const QString copyPath = copyPath_;
    QLockFile* lock = lock_.get();  // used by one write at a time, and only there
    writing_.setFuture(QtConcurrent::run([lock, copyPath, documentPath, text] {
        if (!lock->isLocked()) lock->tryLock(0);
        return WriteFileAtomically(ToPath(copyPath), Encode(documentPath, text)) == FileError::None;
    }));
}

void RecoveryKeeper::WriteNow() {
    pause_.stop();
    writing_.waitForFinished();
    StartWrite();
    writing_.waitForFinished();
}

void RecoveryKeeper::Discard() {
    pause_.stop();
    writing_.waitForFinished();
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
        QString documentPath;
        QString text;
        if (!Decode(copyPath, documentPath, text)) continue;
        const QString name =
            documentPath.isEmpty() ? texts::kUntitled : QFileInfo(documentPath).fileName();
        const auto answer =
            CurrentPrompter().Message(&frame_, QMessageBox::Question, texts::kConfirmTitle(),
                                      texts::kRecoveryQuestion().arg(name),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        QFile::remove(copyPath);
        owner.unlock();
        if (answer != QMessageBox::Yes) continue;
        frame_.View().LoadText(text);
        frame_.SetDocumentPath(documentPath);
        frame_.View().document()->setModified(true);
        return;
    }
}

}  // namespace numora
