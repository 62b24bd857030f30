#include <QApplication>
#include <tuple>

#include "settings/Settings.h"
#include "settings/dialogs/CConfigDlg.h"
#include "shell/CMainFrame.h"
#include "shell/SettingsApply.h"
#include "shell/ShellHandlers.h"
#include "shell/help/HelpWindow.h"
#include "shell/insert/CompletionCatalogue.h"
#include "userfunc/dialogs/CFunctionDlg.h"
#include "worksheet/Worksheet.h"
#include "worksheet/view/WorksheetEditor.h"

namespace numora {

namespace {

// The dialogs open window-modal without a nested event loop; their result is handled when
// they finish.
void OpenUserFunctionDialog(CMainFrame& frame) {
    auto* dialog = new CFunctionDlg(frame.Functions(), frame.AppSettings().SettingsFolder,
                                    frame.View().font(), &frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, &frame, [&frame] {
        RebuildUserFunctionMenu(frame);
        frame.Completion().FunctionsChanged();
        UpdateResultLines(frame);
    });
    dialog->open();
}

void OpenOptionsDialog(CMainFrame& frame) {
    auto* dialog = new CConfigDlg(frame.AppSettings(), QApplication::font(), &frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, &frame,
                     [&frame, dialog] { ApplyOptions(frame, dialog->Changes().fontColor); });
    dialog->open();
}

void ShowHelp(CMainFrame& frame) {
    auto* help = frame.findChild<HelpWindow*>();
    if (help == nullptr) help = new HelpWindow(&frame);
    help->OpenOver(frame);
}

}  // namespace

void ApplyOptions(CMainFrame& frame, bool fontChanged) {
    WorksheetEditor& view = frame.View();
    // Changing options never marks the worksheet modified.
    const bool modified = view.document()->isModified();
    Worksheet& sheet = frame.Sheet();
    const auto calculation = [&sheet] {
        const CalcEngine& engine = sheet.Engine();
        return std::tuple{engine.GetDigits(),
                          engine.GetOptions().UnaryMinusBindsBase,
                          engine.GetOptions().GroupDigits,
                          engine.GetOptions().Units,
                          sheet.Driver().EnterComputesResultLine(),
                          sheet.AutoRecalculate()};
    };
    const auto before = calculation();
    ApplyEditSettings(frame);
    if (fontChanged) {
        ApplyFontSetting(frame);
        view.RecolorAll();
    }
    view.document()->setModified(modified);
    // What calculates differently now shows it at once.
    if (calculation() != before) UpdateResultLines(frame);
    frame.UpdateTitle();
}

void AttachDialogCommands(CMainFrame& frame) {
    frame.Attach(CommandId::UserFunctionDialog, [&frame] { OpenUserFunctionDialog(frame); });
    frame.Attach(CommandId::OptionsDialog, [&frame] { OpenOptionsDialog(frame); });
    frame.Attach(CommandId::Help, [&frame] { ShowHelp(frame); });
}

}  // namespace numora
