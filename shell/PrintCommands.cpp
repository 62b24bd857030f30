// Print and Page setup: one print job for the window's whole life.
#include <memory>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/print/CPrint.h"
#include "worksheet/view/WorksheetEditor.h"
#include "worksheet/view/WorksheetHighlighter.h"

namespace numora {

void AttachPrintCommands(CMainFrame& frame) {
    // The printer is made on first use: setting one up asks the print system for its
    // printers, which a start has no reason to wait for.
    auto print = std::make_shared<std::unique_ptr<CPrint>>();
    const auto job = [&frame, print]() -> CPrint& {
        if (!*print) *print = std::make_unique<CPrint>(frame.AppSettings().PrintMargins);
        return **print;
    };
    frame.Attach(CommandId::FilePageSetup, [&frame, job] { job().PageSetup(&frame); });
    frame.Attach(CommandId::FilePrint, [&frame, job] {
        // Lines not yet shown have no colours yet; paper shows them all.
        frame.View().Highlighter().ColorEveryLine();
        job().Print(&frame, *frame.View().document(), frame.DocumentName());
    });
}

}  // namespace numora
