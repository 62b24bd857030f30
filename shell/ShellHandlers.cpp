#include "shell/ShellHandlers.h"

#include "shell/FileCommands.h"

namespace numora {

void AttachShellHandlers(CMainFrame& frame) {
    AttachFileCommands(frame);
    AttachExitCommand(frame);
    AttachViewCommands(frame);
    AttachInsertCommands(frame);
    AttachDialogCommands(frame);
    AttachEditCommands(frame);
    AttachPrintCommands(frame);
    AttachRecalculateCommand(frame);
}

}  // namespace numora
