#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/ShellTexts.h"
#include "worksheet/view/VariableListBox.h"
#include "worksheet/view/VariableListPane.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

// The about box: program icon, name and version, OK. Opened window-modal without a nested
// event loop, so the window keeps running underneath.
void ShowAboutBox(CMainFrame& frame) {
    auto* dialog = new QDialog(&frame);
    dialog->setObjectName(QStringLiteral("CAboutDlg"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(texts::kAboutTitle);
    auto* icon = new QLabel(dialog);
    icon->setPixmap(frame.windowIcon().pixmap(32, 32));
    auto* text = new QLabel(texts::kAboutText, dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    dialog->open();
}

void FocusNextPane(CMainFrame& frame) {
    VariableListPane& list = frame.VariableList();
    if (frame.View().hasFocus() && !list.isHidden()) {
        list.List()->setFocus();
    } else {
        frame.View().setFocus();
    }
}

}  // namespace

void AttachViewCommands(CMainFrame& frame) {
    Settings& settings = frame.AppSettings();
    frame.Attach(CommandId::ViewToolbar, [&] { frame.ShowToolbars(!settings.Toolbar); });
    frame.Attach(CommandId::ViewStatusBar, [&] { frame.ShowStatusBar(!settings.Status); });
    const auto toggleList = [&] { frame.ShowVariableList(frame.VariableList().isHidden()); };
    frame.Attach(CommandId::ViewVariableList, toggleList);
    frame.Attach(CommandId::CloseListPane, toggleList);
    frame.Attach(CommandId::ViewTopMost, [&] { frame.SetTopMost(!settings.TopMost); });
    frame.Attach(CommandId::ViewWordWrap, [&] { frame.SetWordWrap(!settings.WordWrap); });
    frame.Attach(CommandId::NextPane, [&] { FocusNextPane(frame); });
    frame.Attach(CommandId::AppAbout, [&] { ShowAboutBox(frame); });
}

}  // namespace numora
