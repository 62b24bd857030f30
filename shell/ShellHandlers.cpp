#include "shell/ShellHandlers.h"

namespace numora {

void AttachShellHandlers(CMainFrame& frame) {
    AttachExitCommand(frame);
    AttachViewCommands(frame);
    AttachInsertCommands(frame);
    AttachDialogCommands(frame);
}

}  // namespace numora
