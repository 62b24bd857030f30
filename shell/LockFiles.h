#pragma once
// Lock files that mark what a running copy of the program holds.
#include <QLockFile>

namespace numora {

// Takes `lock` unless another running copy holds it. A lock that names this very process was
// left by an earlier one that had the same process id (Wine, and a container, hand the same few
// ids out again at once): Qt takes it for ours, alive, though this run has not taken it. Its
// removal still fails while a running copy, or another lock of this one, holds it open.
bool TakeLock(QLockFile& lock);

}  // namespace numora
