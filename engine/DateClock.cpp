#include "engine/DateClock.h"

#include <chrono>
#include <utility>

namespace numora {

namespace {

ClockSource& Source() {
    static ClockSource source;
    return source;
}

}  // namespace

std::int64_t CurrentUnixSeconds() {
    if (const ClockSource& source = Source()) return source();
    using namespace std::chrono;
    return floor<seconds>(system_clock::now()).time_since_epoch().count();
}

void SetClockSource(ClockSource source) { Source() = std::move(source); }

}  // namespace numora
