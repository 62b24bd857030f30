#include "shell/ShellHandlers.h"

namespace numora {

void AttachShellHandlers(CMainFrame& frame) {
    AttachExitCommand(frame);
    AttachViewCommands(frame);
}

}  // namespace numora
