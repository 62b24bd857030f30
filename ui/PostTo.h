#pragma once
// Work handed from another thread (the worksheet's worker, the preview, the recovery copy's
// writer) to the thread that owns a window object, run there in turn with its other events.
#include <QMetaObject>
#include <QObject>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define NUMORA_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define NUMORA_THREAD_SANITIZER 1
#endif
#endif

#ifdef NUMORA_THREAD_SANITIZER
#include <mutex>
#endif

namespace numora {

#ifdef NUMORA_THREAD_SANITIZER
// Qt's event queue orders the functor's construction on the posting thread before its run on
// the receiving one, but with futexes and atomics of its own that ThreadSanitizer cannot see
// when the receiving thread is awake already (it only sees the wake-up's eventfd). In that build
// the hand-over is made visible too: the functor is posted with this mutex held, and its run
// takes the mutex before it touches what it carries.
inline std::mutex& PostedHandOver() {
    static std::mutex handOver;
    return handOver;
}
#endif

// `work` runs on `receiver`'s thread when its event loop comes to it, never at once (also when
// called on that thread), and not at all if `receiver` is gone by then. Callable from any thread.
template <typename Work>
void PostTo(QObject* receiver, Work&& work) {
#ifdef NUMORA_THREAD_SANITIZER
    const std::lock_guard posting(PostedHandOver());
    QMetaObject::invokeMethod(
        receiver,
        [work = std::forward<Work>(work)]() mutable {
            { const std::lock_guard posted(PostedHandOver()); }
            work();
        },
        Qt::QueuedConnection);
#else
    QMetaObject::invokeMethod(receiver, std::forward<Work>(work), Qt::QueuedConnection);
#endif
}

}  // namespace numora
