// The document side of the main window: the question before a modified document is given up,
// Save and Save As, exit, and the Untitled document kept between runs.
#include <QFileInfo>
#include <QTimer>
#include <filesystem>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/FileCommands.h"
#include "shell/RecentDocumentsMenu.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "ui/Prompter.h"
#include "worksheet/Document.h"
#include "worksheet/view/CView.h"

namespace numora {

namespace {

bool SaveTo(CMainFrame& frame, const std::filesystem::path& path) {
    return SaveDocument(path, frame.View().Text().toStdU16String(), ReporterFor(&frame));
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
    if (path.isEmpty() || !SaveTo(*this, ToPath(path))) return false;
    SetDocumentPath(QFileInfo(path).absoluteFilePath());
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

void LoadUntitledAtStart(CMainFrame& frame) {
    if ((frame.AppSettings().Option & OptionBits::AutoSaveUntitled) == 0) return;
    std::error_code ec;
    if (!std::filesystem::exists(frame.UntitledPath(), ec)) return;
    std::u16string text;
    if (!LoadDocument(frame.UntitledPath(), text, ReporterFor(&frame))) {
        frame.KeepUnreadableUntitled();
        return;
    }
    frame.View().LoadText(QString::fromStdU16String(text));
    frame.MarkSaved();
}

}  // namespace numora
