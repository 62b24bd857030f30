// The document side of the main window: the question before a modified document is given up,
// Save and Save As, exit, and the Untitled document kept between runs.
#include <QFileInfo>
#include <QTimer>
#include <filesystem>
#include <optional>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/RecentDocumentsMenu.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "ui/Prompter.h"
#include "worksheet/Document.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

// Saves the worksheet to `path`. A file that another program changed since this window last read
// or wrote it is replaced only when the user says so; false abandons the save. On success
// `written` describes what the file now holds.
bool SaveTo(CMainFrame& frame, const std::filesystem::path& path, FileStamp& written) {
    if (ChangedOnDisk(path, frame.KnownStamp(path))) {
        const QString name = QString::fromStdU16String(path.filename().u16string());
        const auto answer =
            CurrentPrompter().Message(&frame, QMessageBox::Warning, texts::kConfirmTitle(),
                                      texts::kChangedOnDiskQuestion().arg(name),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) return false;
    }
    if (!SaveDocument(path, frame.View().Text().toStdU16String(), ReporterFor(&frame), &written)) {
        return false;
    }
    frame.NoteStamp(path, written);
    return true;
}

bool SaveTo(CMainFrame& frame, const std::filesystem::path& path) {
    FileStamp written;
    return SaveTo(frame, path, written);
}

}  // namespace

bool CMainFrame::ConfirmSaveIfModified() {
    if (!Modified()) return true;
    const Settings& settings = AppSettings();
    QString question;
    if (DocumentPath().isEmpty()) {
        const bool noConfirm = (settings.Option & OptionBits::NoConfirmOnClose) != 0;
        const bool autoSave = (settings.Option & OptionBits::AutoSaveUntitled) != 0;
        if (noConfirm && !autoSave) return true;
        // A failed autosave keeps the window and the text: the user's typing is never dropped
        // silently. An autosave file that could not be read is asked about instead of replaced.
        if (noConfirm && !untitledUnreadable_) return SaveTo(*this, UntitledPath());
        question = texts::kSaveUntitledQuestion();
    } else {
        question = texts::kSaveChangedQuestion().arg(DocumentName());
    }
    const auto answer = CurrentPrompter().Message(
        this, QMessageBox::Question, texts::kConfirmTitle(), question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer == QMessageBox::Yes) return SaveOrSaveAs(CommandId::FileSave);
    return answer == QMessageBox::No;
}

bool CMainFrame::SaveOrSaveAs(CommandId id) {
    if (id == CommandId::FileSave && !DocumentPath().isEmpty()) {
        return SaveTo(*this, ToPath(DocumentPath()));
    }
    const QString path = AskDocumentPath(*this, true);
    if (path.isEmpty()) return false;
    // The dialog asked before replacing another file; the document's own file, or the one kept
    // for Untitled, is known here.
    const QString chosen = QFileInfo(path).absoluteFilePath();
    FileStamp written;
    if (!SaveTo(*this, ToPath(chosen), written)) return false;
    SetDocumentPath(chosen, written);
    MarkSaved();
    RememberChosenDocument(*this, path);
    return true;
}

void CMainFrame::MarkSaved() {
    View().document()->setModified(false);
    // Read back: replacing the whole text need not signal a change of the flag.
    modified_ = View().document()->isModified();
    UpdateTitle();
}

void AttachExitCommand(CMainFrame& frame) {
    // Closing runs the save question; a queued close lets the menu finish first. Exit does not
    // wait for a calculation: the close cancels it.
    frame.Attach(
        CommandId::AppExit, [&frame] { QTimer::singleShot(0, &frame, &QWidget::close); },
        CMainFrame::Turn::RunNow);
}

std::optional<std::u16string> ReadUntitledAtStart(CMainFrame& frame) {
    if ((frame.AppSettings().Option & OptionBits::AutoSaveUntitled) == 0) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::exists(frame.UntitledPath(), ec)) {
        frame.UntitledStamp() = {true, false, 0, 0};  // another copy may create it meanwhile
        return std::nullopt;
    }
    std::u16string text;
    if (!LoadDocument(frame.UntitledPath(), text, ReporterFor(&frame), kDefaultReadChunkBytes,
                      &frame.UntitledStamp())) {
        frame.KeepUnreadableUntitled();
        return std::nullopt;
    }
    return text;
}

void ShowUntitledAtStart(CMainFrame& frame, const std::u16string& text) {
    frame.View().LoadText(QString::fromStdU16String(text));
    frame.MarkSaved();
    UpdateResultLines(frame);
}

}  // namespace numora
