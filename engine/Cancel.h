#pragma once
// Stopping a long calculation. Each engine has a token that its evaluation polls at every
// function call and every step of its loops; a line that sees it set fails with
// kCalculationCanceled and status kCanceledStatus, leaving the variables and the last answer as
// they were.
#include <atomic>

namespace numora {

inline constexpr int kCanceledStatus = -4;
// A trial evaluation met a function whose value changes from call to call.
inline constexpr int kVolatileStatus = -5;

struct CancelToken {
    // Lock-free, so setting it from a signal handler is safe.
    std::atomic<bool> Requested{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
};

// From another thread or a signal handler.
inline void RequestCancel(CancelToken& token) noexcept {
    token.Requested.store(true, std::memory_order_relaxed);
}
// The caller clears before starting a line.
inline void ClearCancel(CancelToken& token) noexcept {
    token.Requested.store(false, std::memory_order_relaxed);
}
inline bool CancelRequested(const CancelToken& token) noexcept {
    return token.Requested.load(std::memory_order_relaxed);
}

}  // namespace numora
