#include "shell/CMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include "base/FileIO.h"
#include "settings/Settings.h"
#include "settings/SettingsFolder.h"
#include "settings/dialogs/ThemeColors.h"
#include "shell/CommandTable.h"
#include "shell/FileCommands.h"
#include "shell/FocusKeeper.h"
#include "shell/RecentDocumentsMenu.h"
#include "shell/RecoveryKeeper.h"
#include "shell/RunningCopy.h"
#include "shell/SettingsApply.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "shell/StatusBarPanes.h"
#include "shell/SvgIcon.h"
#include "shell/insert/CompletionCatalogue.h"
#include "ui/CommandAccessible.h"
#include "ui/Prompter.h"
#include "userfunc/UserFunctionStore.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/CalculationWait.h"
#include "worksheet/view/LinePreviewer.h"
#include "worksheet/view/TypingHelp.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

CMainFrame::CMainFrame(Settings& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
    settings_.Load();
    // What writes cut off by a crash left in the settings folder goes before anything there is
    // read or written (on Windows; elsewhere a cut-off write leaves nothing).
    RemoveLeftTemporaryFiles(settings_.SettingsFolder);
    copy_ = std::make_unique<RunningCopy>(
        QString::fromStdU16String(settings_.SettingsFolder.u16string()));
    // A first start describes the default functions in the interface language.
    LoadUserFunctions(functions_, settings_.SettingsFolder, [](const char* source) {
        return QCoreApplication::translate(kDefaultUserFunctionsContext, source).toStdU16String();
    });
    setContextMenuPolicy(Qt::NoContextMenu);  // the toolbars are shown and hidden together

    CreateActions();
    CreateMenusAndToolbars();
    recent_ = std::make_unique<RecentDocumentsMenu>(*this);
    recent_->Read();
    // Read while the installed fonts are still being listed at start: reading needs no font.
    const std::optional<std::u16string> untitled = ReadUntitledAtStart(*this);
    CreateClient();
    // Files dropped anywhere on the window, the worksheet included, are opened.
    setAcceptDrops(true);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    panes_ = new StatusBarPanes(*statusBar(), *view_, *sheet_);
    WireView();
    AttachShellHandlers(*this);
    ApplySettingsAtCreation(*this);
    ApplyIcons();

    UpdateTitle();
    new FocusKeeper(*this);
    view_->setFocus();
    if (untitled) ShowUntitledAtStart(*this, *untitled);
    recovery_ = std::make_unique<RecoveryKeeper>(*this);
    recovery_->OfferRecovery();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A desktop switched between light and dark recolours the worksheet at once.
    if ((event->type() == QEvent::PaletteChange ||
         event->type() == QEvent::ApplicationPaletteChange) &&
        panes_ != nullptr) {
        ApplyLineColors(*this);
        ApplyIcons();
    }
}

CMainFrame::~CMainFrame() {
    // The editor, a child widget, outlives the worksheet by a moment.
    previewer_.reset();
    typingHelp_.reset();
    view_->ShowWorksheet(nullptr);
}

namespace {

bool CarriesFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return false;
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && urls.first().isLocalFile();
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (CarriesFiles(event->mimeData())) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (!CarriesFiles(event->mimeData())) return;
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    // The drag source is released before the save question may open a dialog.
    QTimer::singleShot(0, this, [this, urls] { OpenDroppedFiles(*this, urls); });
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The worksheet would insert a dropped file's name as text; files are opened instead.
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (CarriesFiles(drop->mimeData())) {
            if (type == QEvent::Drop) {
                dropEvent(drop);
            } else {
                drop->acceptProposedAction();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::RunInTurn(std::function<void()> command) { wait_->RunInTurn(std::move(command)); }

void CMainFrame::RunKeysNow(QAction* action) { wait_->PassKeysOf(action); }

QAction* CMainFrame::Action(CommandId id) const { return actions_.value(static_cast<int>(id)); }

void CMainFrame::ApplyIcons() {
    const bool dark = IsDarkPalette(palette());
    if (dark == darkIcons_) return;
    darkIcons_ = dark;
    for (const CommandInfo& command : Commands()) {
        if (!command.icon.isEmpty()) Action(command.id)->setIcon(SvgIcon(command.icon, dark));
    }
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& command : Commands()) {
        auto* action = new QAction(this);
        action->setText(command.menuText.isEmpty() ? command.ToolTip() : command.menuText);
        action->setStatusTip(command.StatusText());
        action->setToolTip(command.ToolTip());
        action->setShortcuts(command.keys);
        if (!command.icon.isEmpty()) action->setIcon(SvgIcon(command.icon));
        action->setCheckable(command.checkable);
        action->setEnabled(false);  // until a handler is attached
        addAction(action);          // keys work while the menus and toolbars are hidden
        actions_.insert(static_cast<int>(command.id), action);
    }
}

void CMainFrame::CreateMenusAndToolbars() {
    InstallCommandMenuItemAccessible();
    for (const MenuLayout& layout : MenuBarLayout()) {
        QMenu* menu = menuBar()->addMenu(layout.title);
        for (CommandId id : layout.items) {
            if (id == CommandId::Separator) {
                menu->addSeparator();
            } else {
                menu->addAction(Action(id));
            }
        }
    }
    const auto makeToolbar = [this](const QString& name, const QString& title,
                                    std::span<const CommandId> items, QSize iconSize) {
        auto* bar = new QToolBar(title, this);
        bar->setObjectName(name);
        bar->setIconSize(iconSize);
        bar->setFloatable(false);
        for (CommandId id : items) {
            if (id == CommandId::Separator) {
                bar->addSeparator();
            } else {
                bar->addAction(Action(id));
            }
        }
        NameToolbarButtons(*bar);
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    toolbarA_ = makeToolbar(QStringLiteral("StandardToolbar"), texts::kStandardToolbar(),
                            StandardToolbarLayout(), {16, 16});
    addToolBarBreak(Qt::TopToolBarArea);
    toolbarB_ = makeToolbar(QStringLiteral("InsertToolbar"), texts::kInsertToolbar(),
                            InsertToolbarLayout(), {32, 16});
}

void CMainFrame::CreateClient() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setHandleWidth(kSplitterBarWidth);
    splitter_->setChildrenCollapsible(false);
    // The list pane needs no font to be made, so it is made first, while the installed fonts
    // are still being listed at start; the editor, which does, goes to its left.
    list_ = new VariableListPane(splitter_);
    view_ = new WorksheetEditor(splitter_);
    splitter_->insertWidget(0, view_);
    setTabOrder(view_, list_);
    sheet_ = std::make_unique<Worksheet>(*view_, functions_);
    wait_ = std::make_unique<CalculationWait>(*sheet_);
    previewer_ = std::make_unique<LinePreviewer>(*view_, *sheet_);
    completion_ = std::make_unique<CompletionCatalogue>(functions_, *sheet_);
    typingHelp_ = std::make_unique<TypingHelp>(*view_, *sheet_, completion_->Source());
    view_->ShowWorksheet(sheet_.get());
    list_->SetEngine(&sheet_->Engine());
    view_->setMinimumWidth(kMinPaneWidth);
    list_->setMinimumWidth(kMinPaneWidth);
    // Right-aligned: the list keeps its width when the window is resized.
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({640 - kDefaultListWidth, kDefaultListWidth});
    setCentralWidget(splitter_);
}

void CMainFrame::WireView() {
    connect(view_->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (modified == modified_) return;
        modified_ = modified;
        UpdateTitle();
    });
    sheet_->SetCalculatedHandler([this] {
        panes_->RefreshResult();
        if (sheet_->AutoRecalculate()) {
            list_->Follow(sheet_->Assigned(), sheet_->AssignedFromTop(), sheet_->Engine(),
                          sheet_->TakenBack());
            if (sheet_->AssignedFromTop()) {
                completion_->VariablesReplaced();
            } else {
                std::vector<std::u16string> names;
                for (const LineAssignment& line : sheet_->Assigned()) {
                    names.insert(names.end(), line.names.begin(), line.names.end());
                }
                completion_->VariablesAssigned(names, sheet_->TakenBack());
            }
        } else {
            list_->Refresh(sheet_->Engine());
            completion_->VariablesAssigned(sheet_->Engine().GetAssignTargets());
        }
    });
    // The wait shows the wait cursor itself; the status bar says why.
    connect(wait_.get(), &CalculationWait::BusyChanged, panes_, &StatusBarPanes::ShowBusy);
    connect(list_, &VariableListPane::NameChosen, this,
            [this](const QString& name) { view_->InsertAtCaret(name); });
    connect(list_, &VariableListPane::VariableDeleted, this,
            [this] { completion_->VariablesReplaced(); });
    connect(list_, &VariableListPane::CloseRequested, this,
            [this] { Action(CommandId::CloseListPane)->trigger(); });
}

int CMainFrame::CopyNumber() const { return copy_->Number(); }

QString CMainFrame::DocumentName() const { return QFileInfo(documentPath_).fileName(); }

void CMainFrame::SetDocumentPath(const QString& path, const FileStamp& stamp) {
    documentPath_ = path;
    documentStamp_ = stamp;
    UpdateTitle();
}

std::filesystem::path CMainFrame::UntitledPath() const { return settings_.UntitledPath(); }

FileStamp CMainFrame::KnownStamp(const std::filesystem::path& path) const {
    if (!documentPath_.isEmpty() && SameFile(path, documentPath_.toStdU16String())) {
        return documentStamp_;
    }
    if (SameFile(path, UntitledPath())) return untitledStamp_;
    return {};
}

void CMainFrame::NoteStamp(const std::filesystem::path& path, const FileStamp& stamp) {
    if (!documentPath_.isEmpty() && SameFile(path, documentPath_.toStdU16String())) {
        documentStamp_ = stamp;
    }
    if (SameFile(path, UntitledPath())) untitledStamp_ = stamp;
}

void CMainFrame::UpdateTitle() {
    // Qt reads "[*]" in a title as its own modified mark; a file name may hold it literally.
    QString title = texts::WindowTitle(DocumentName(), modified_);
    setWindowTitle(title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void CMainFrame::ShowToolbars(bool show) {
    settings_.Toolbar = show;
    toolbarA_->setVisible(show);
    toolbarB_->setVisible(show);
    Action(CommandId::ViewToolbar)->setChecked(show);
}

void CMainFrame::ShowStatusBar(bool show) {
    settings_.Status = show;
    statusBar()->setVisible(show);
    Action(CommandId::ViewStatusBar)->setChecked(show);
}

void CMainFrame::ShowVariableList(bool show) {
    if (!show && !list_->isHidden()) hiddenSplitterPos_ = SplitterPos();
    const bool wasHidden = list_->isHidden();
    settings_.List = show;
    list_->setVisible(show);
    if (show && wasHidden && splitterApplied_) {
        const int total = splitter_->width() - splitter_->handleWidth();
        splitter_->setSizes({hiddenSplitterPos_, std::max(0, total - hiddenSplitterPos_)});
    }
    Action(CommandId::ViewVariableList)->setChecked(show);
    if (!show) view_->setFocus();
}

void CMainFrame::SetTopMost(bool on) {
    settings_.TopMost = on;
    Action(CommandId::ViewTopMost)->setChecked(on);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides the window; show it again in place
    if (visible) {
        show();
        activateWindow();
    }
}

void CMainFrame::SetWordWrap(bool on) {
    settings_.WordWrap = on;
    view_->ApplyWordWrap(on);
    Action(CommandId::ViewWordWrap)->setChecked(on);
}

int CMainFrame::SplitterPos() const {
    if (list_->isHidden()) return hiddenSplitterPos_;
    return splitter_->sizes().value(0);
}

void CMainFrame::showEvent(QShowEvent* event) {
    // Placed by a guess at the frame; where the window system now tells the real one (Windows
    // does, X11 only once a window manager has framed the window), placed by that.
    if (!splitterApplied_ && windowHandle() != nullptr &&
        !windowHandle()->frameMargins().isNull()) {
        PlaceWindow(*this);
    }
    QMainWindow::showEvent(event);
    // The splitter's position needs its real width, known once the window is laid out.
    if (!splitterApplied_) {
        splitterApplied_ = true;
        const int left = ApplySplitterSetting(*this);
        if (list_->isHidden()) hiddenSplitterPos_ = left;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closed_) return;
    if (!ConfirmSaveIfModified()) {
        event->ignore();
        return;
    }
    closed_ = true;
    StoreWindowState(*this);
    // A failed write keeps the old files; the window still closes (the text is saved by now),
    // but the user learns that this run's settings will not come back.
    const bool settingsSaved = settings_.Save();
    const bool recentSaved = recent_->Write();
    if (!settingsSaved || !recentSaved) {
        CurrentPrompter().Message(this, QMessageBox::Warning, texts::kSettingsSaveTitle(),
                                  texts::kSettingsSaveFailed(), QMessageBox::Ok, QMessageBox::Ok);
    }
    recovery_->Discard();
    event->accept();
}

}  // namespace numora
