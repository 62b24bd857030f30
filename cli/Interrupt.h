#pragma once

namespace numora {
struct CancelToken;
}

namespace numora::cli {

// The calculation that Ctrl+C stops while a terminal reader is open; nullptr for none.
void SetInterruptTarget(CancelToken* token) noexcept;
// From a signal handler: stops that calculation, if there is one.
void CancelInterruptTarget() noexcept;

// From now on Ctrl+C and termination (SIGINT, SIGTERM, and SIGHUP where it exists) first remove
// the temporary file of a save in progress, then end the program as the signal would have.
void RemoveTemporaryFileOnSignals();

}  // namespace numora::cli
