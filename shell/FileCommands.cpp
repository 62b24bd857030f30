#include "shell/FileCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/RecentDocumentsMenu.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "ui/Prompter.h"
#include "ui/QtText.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

DocumentReporter ReporterFor(QWidget* owner) {
    return [owner](const DocumentMessage& message) {
        const auto tr = [](const char* text) {
            return QCoreApplication::translate(kDocumentMessagesContext, text);
        };
        QString text = tr(message.text);
        if (message.reason) {
            text += u'\n' + ToQString(message.name) + QStringLiteral(": ") + tr(message.reason);
        }
        ShowError(owner, tr(message.title), text);
    };
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QString DialogStartFolder(const std::u16string& dataPath) {
    if (!dataPath.empty()) return QString::fromStdU16String(dataPath);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

bool OpenDocumentFile(CMainFrame& frame, const QString& path) {
    std::u16string text;
    FileStamp stamp;
    if (!LoadDocument(ToPath(path), text, ReporterFor(&frame), kDefaultReadChunkBytes, &stamp)) {
        return false;
    }
    frame.View().LoadText(QString::fromStdU16String(text));
    frame.SetDocumentPath(QFileInfo(path).absoluteFilePath(), stamp);
    frame.NoteStamp(ToPath(path), stamp);  // Untitled.txt opened as a document is seen, too
    frame.MarkSaved();
    if (frame.AppSettings().Option & OptionBits::RecalculateOnOpen) {
        RecalculateAll(frame);
    } else {
        UpdateResultLines(frame);
    }
    return true;
}

QString AskDocumentPath(CMainFrame& frame, bool save) {
    FileDialogRequest request;
    request.folder = DialogStartFolder(frame.AppSettings().DataPath);
    request.filters = {texts::kTextFilesFilter(), texts::kAllFilesFilter()};
    request.defaultSuffix = QStringLiteral("txt");
    Prompter& prompter = CurrentPrompter();
    return save ? prompter.SaveFileName(&frame, request) : prompter.OpenFileName(&frame, request);
}

void RememberChosenDocument(CMainFrame& frame, const QString& path) {
    frame.Recent().Add(QFileInfo(path).absoluteFilePath());
    frame.AppSettings().DataPath = QFileInfo(path).absolutePath().toStdU16String();
}

namespace {

void NewDocument(CMainFrame& frame) {
    if (!frame.ConfirmSaveIfModified()) return;
    frame.View().LoadText(QString());
    frame.SetDocumentPath(QString());
    frame.MarkSaved();
}

void OpenWithDialog(CMainFrame& frame) {
    if (!frame.ConfirmSaveIfModified()) return;
    const QString path = AskDocumentPath(frame, false);
    if (path.isEmpty() || !OpenDocumentFile(frame, path)) return;
    RememberChosenDocument(frame, path);
}

void Save(CMainFrame& frame) {
    if (frame.SaveOrSaveAs(CommandId::FileSave)) frame.MarkSaved();
}

}  // namespace

void OpenDroppedFiles(CMainFrame& frame, const QList<QUrl>& urls) {
    if (urls.isEmpty()) return;
    const QString path = urls.first().toLocalFile();
    if (path.isEmpty() || !frame.ConfirmSaveIfModified()) return;
    if (OpenDocumentFile(frame, path)) frame.Recent().Add(frame.DocumentPath());
}

void OpenStartupFile(CMainFrame& frame, const QString& path) {
    if (OpenDocumentFile(frame, path)) frame.Recent().Add(frame.DocumentPath());
}

void AttachFileCommands(CMainFrame& frame) {
    frame.Attach(CommandId::FileNew, [&frame] { NewDocument(frame); });
    frame.Attach(CommandId::FileOpen, [&frame] { OpenWithDialog(frame); });
    frame.Attach(CommandId::FileSave, [&frame] { Save(frame); });
    frame.Attach(CommandId::FileSaveAs, [&frame] { frame.SaveOrSaveAs(CommandId::FileSaveAs); });
}

}  // namespace numora
