#pragma once
// Stopping a long calculation. The evaluator polls one process-wide flag at every function call
// and every step of its loops; a line that sees it set fails with kCalculationCanceled and
// status kCanceledStatus, leaving the variables and the last answer as they were.
#include <atomic>

namespace numora {

inline constexpr int kCanceledStatus = -4;

namespace detail {
// Lock-free, so setting it from a signal handler is safe.
inline std::atomic<bool> g_cancelRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);
}  // namespace detail

// From another thread or a signal handler.
inline void RequestCancel() noexcept {
    detail::g_cancelRequested.store(true, std::memory_order_relaxed);
}
// The caller clears before starting a line.
inline void ClearCancel() noexcept {
    detail::g_cancelRequested.store(false, std::memory_order_relaxed);
}
inline bool CancelRequested() noexcept {
    return detail::g_cancelRequested.load(std::memory_order_relaxed);
}

}  // namespace numora
