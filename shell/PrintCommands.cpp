// Print and Page setup: one print job for the window's whole life.
#include "settings/dialogs/ThemeColors.h"
#include "ui/ColorRef.h"
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
        // White paper takes the light colours, whatever the screen shows.
        const LineColorSet stored = StoredLineColors(frame.AppSettings());
        const LineColorSet shown = ShownLineColors(stored, frame.palette());
        PaperColors paper;
        for (std::size_t i = 0; i < stored.size(); ++i) {
            if (shown[i] != stored[i]) paper.emplace_back(FromColorRef(shown[i]), FromColorRef(stored[i]));
        }
        job().SetPaperColors(std::move(paper));
        job().Print(&frame, *frame.View().document(), frame.DocumentName());
    });
}

}  // namespace numora
