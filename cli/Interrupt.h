#pragma once

namespace numora::cli {

// From now on Ctrl+C and termination (SIGINT, SIGTERM, and SIGHUP where it exists) first remove
// the temporary file of a save in progress, then end the program as the signal would have.
void RemoveTemporaryFileOnSignals();

}  // namespace numora::cli
