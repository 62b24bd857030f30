#pragma once
// The main window: menus, two toolbars, the worksheet and variable list behind a splitter, and
// the status bar. It builds and wires these; command handlers live with their subsystem and
// find their actions through Action().
#include <QAction>
#include <QHash>
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "base/FileStamp.h"
#include "engine/UserFunctions.h"
#include "shell/CommandId.h"

class QSplitter;
class QToolBar;

namespace numora {

class CalculationWait;
class LinePreviewer;
class CompletionCatalogue;
class TypingHelp;
class RecentDocumentsMenu;
class RecoveryKeeper;
class RunningCopy;
class Settings;
class StatusBarPanes;
class VariableListPane;
class Worksheet;
class WorksheetEditor;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Loads `settings` and applies them; they are saved back when the window closes.
    explicit CMainFrame(Settings& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a command (menus, toolbars and keys share it); nullptr for an unknown id.
    // Commands without a handler yet are disabled.
    QAction* Action(CommandId id) const;
    // Connects `handler` to the command and enables it. A command chosen while a line
    // calculates runs in its turn after the keys typed before it, unless it is `RunNow`.
    enum class Turn { AfterTypedInput, RunNow };
    template <class Handler>
    QAction* Attach(CommandId id, Handler handler, Turn turn = Turn::AfterTypedInput);
    // Runs `command` now, or in its turn after input typed during a calculation.
    void RunInTurn(std::function<void()> command);
    // The command's shortcuts work at once also during a calculation.
    void RunKeysNow(QAction* action);

    // The worksheet: its engine, its worker and the Enter-key driver over the editor's text.
    Worksheet& Sheet() { return *sheet_; }
    // What the window does while a line runs: input kept, Esc, the wait cursor.
    CalculationWait& Waiting() { return *wait_; }
    LinePreviewer& Previewer() { return *previewer_; }
    TypingHelp& Typing() { return *typingHelp_; }
    CompletionCatalogue& Completion() { return *completion_; }
    WorksheetEditor& View() { return *view_; }
    VariableListPane& VariableList() { return *list_; }
    StatusBarPanes& Panes() { return *panes_; }
    QSplitter& Splitter() { return *splitter_; }
    QToolBar& StandardToolbar() { return *toolbarA_; }
    QToolBar& InsertToolbar() { return *toolbarB_; }
    Settings& AppSettings() { return settings_; }
    // The user functions, loaded at start and edited by the user function dialog.
    UserFunctionCatalogue& Functions() { return functions_; }
    RecentDocumentsMenu& Recent() { return *recent_; }
    RecoveryKeeper& Recovery() { return *recovery_; }
    // Which running copy of the program this is (0 while no other runs).
    int CopyNumber() const;

    // The document: an empty path is the Untitled document. `stamp`: what its file held when
    // this window read or wrote it.
    const QString& DocumentPath() const { return documentPath_; }
    QString DocumentName() const;
    void SetDocumentPath(const QString& path, const FileStamp& stamp = {});
    FileStamp& DocumentStamp() { return documentStamp_; }
    // What "Untitled.txt" held when this window read or wrote it.
    FileStamp& UntitledStamp() { return untitledStamp_; }
    // What this window last read or wrote at `path`: known for the document's file and for
    // Untitled.txt, unknown for any other file.
    FileStamp KnownStamp(const std::filesystem::path& path) const;
    // `path` was just read or written and now holds what `stamp` describes.
    void NoteStamp(const std::filesystem::path& path, const FileStamp& stamp);
    bool Modified() const { return modified_; }
    std::filesystem::path UntitledPath() const;
    // Rebuilds "Numora - [ name ]" with " *" while modified.
    void UpdateTitle();
    // Before the document is replaced or the window closes: false abandons the action.
    bool ConfirmSaveIfModified();
    // Save (to the document's path) or Save As (asks for one); true when the file was written.
    bool SaveOrSaveAs(CommandId id);
    // Clears the modified flag after a load or save and rebuilds the title.
    void MarkSaved();
    // "Untitled.txt" exists but could not be loaded: it is never overwritten silently.
    void KeepUnreadableUntitled() { untitledUnreadable_ = true; }

    // The View toggles' effects; each also sets its menu check and its setting.
    void ShowToolbars(bool show);
    void ShowStatusBar(bool show);
    void ShowVariableList(bool show);
    void SetTopMost(bool on);
    void SetWordWrap(bool on);
    // The worksheet's width; the last one shown while the list is hidden.
    int SplitterPos() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The toolbar icons for the palette in use.
    void ApplyIcons();

private:
    void CreateActions();
    void CreateMenusAndToolbars();
    void CreateClient();
    void WireView();

    Settings& settings_;
    std::unique_ptr<RunningCopy> copy_;
    UserFunctionCatalogue functions_;
    QHash<int, QAction*> actions_;
    WorksheetEditor* view_ = nullptr;
    // The window's worksheet, with the wait that keeps the window alive during its lines (it
    // goes first).
    std::unique_ptr<Worksheet> sheet_;
    std::unique_ptr<CalculationWait> wait_;
    std::unique_ptr<LinePreviewer> previewer_;
    std::unique_ptr<CompletionCatalogue> completion_;
    std::unique_ptr<TypingHelp> typingHelp_;
    bool darkIcons_ = false;
    VariableListPane* list_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QToolBar* toolbarA_ = nullptr;
    QToolBar* toolbarB_ = nullptr;
    StatusBarPanes* panes_ = nullptr;
    std::unique_ptr<RecentDocumentsMenu> recent_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    QString documentPath_;
    FileStamp documentStamp_;
    FileStamp untitledStamp_;
    bool modified_ = false;
    bool splitterApplied_ = false;
    bool closed_ = false;
    bool untitledUnreadable_ = false;
    int hiddenSplitterPos_ = 0;
};

template <class Handler>
QAction* CMainFrame::Attach(CommandId id, Handler handler, Turn turn) {
    QAction* action = Action(id);
    if (action == nullptr) return nullptr;
    if (turn == Turn::RunNow) {
        connect(action, &QAction::triggered, this, handler);
        RunKeysNow(action);
    } else {
        connect(action, &QAction::triggered, this, [this, handler] { RunInTurn(handler); });
    }
    action->setEnabled(true);
    return action;
}

}  // namespace numora
