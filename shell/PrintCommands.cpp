// Print and Page setup: one print job for the window's whole life.
#include <memory>

#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/ShellHandlers.h"
#include "shell/print/CPrint.h"
#include "worksheet/view/CView.h"

namespace numora {

void AttachPrintCommands(CMainFrame& frame) {
    auto print = std::make_shared<CPrint>(frame.AppSettings().PrintMargins);
    frame.Attach(CommandId::FilePageSetup, [&frame, print] { print->PageSetup(&frame); });
    frame.Attach(CommandId::FilePrint, [&frame, print] {
        print->Print(&frame, *frame.View().document(), frame.DocumentName());
    });
}

}  // namespace numora
