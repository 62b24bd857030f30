#include "cli/Interrupt.h"

#include <atomic>
#include <csignal>

#include "base/FileIO.h"
#include "engine/Cancel.h"

namespace numora::cli {

namespace {

// A signal handler may only touch lock-free atomics.
std::atomic<CancelToken*> g_interruptTarget{nullptr};
static_assert(std::atomic<CancelToken*>::is_always_lock_free);

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

void SetInterruptTarget(CancelToken* token) noexcept { g_interruptTarget.store(token); }

void CancelInterruptTarget() noexcept {
    if (CancelToken* token = g_interruptTarget.load()) RequestCancel(*token);
}

void RemoveTemporaryFileOnSignals() {
    Catch(SIGINT);
    Catch(SIGTERM);
#ifdef SIGHUP
    Catch(SIGHUP);
#endif
}

}  // namespace numora::cli
