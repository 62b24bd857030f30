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

void RemoveTemporaryFileOnSignals() {
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
#ifdef SIGHUP
    std::signal(SIGHUP, OnSignal);
#endif
}

}  // namespace numora::cli
