#pragma once
// The process-wide state behind the built-in `random`.

namespace numora {

// Returns the generator to its start-of-run state: not yet seeded, no seed remembered.
// The program never needs this; tests use it to observe the first call of a run.
void ResetRandomState();

}  // namespace numora
