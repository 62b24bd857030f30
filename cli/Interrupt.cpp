#include "cli/Interrupt.h"

#include <csignal>

#include "base/FileIO.h"

namespace numora::cli {

namespace {

extern "C" void OnSignal(int signal) {
    RemovePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

namespace {

// A signal ignored when the program started (nohup, a background job) stays ignored.
void Catch(int signal) {
    if (std::signal(signal, OnSignal) == SIG_IGN) std::signal(signal, SIG_IGN);
}

}  // namespace

void RemoveTemporaryFileOnSignals() {
    Catch(SIGINT);
    Catch(SIGTERM);
#ifdef SIGHUP
    Catch(SIGHUP);
#endif
}

}  // namespace numora::cli
