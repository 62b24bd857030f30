#pragma once
// The clock behind date(), time() and now(), replaceable so tests can fix the moment.
#include <cstdint>
#include <functional>

namespace numora {

// Whole seconds since 1970-01-01 00:00:00 UTC.
using ClockSource = std::function<std::int64_t()>;

std::int64_t CurrentUnixSeconds();

// An empty source restores the system clock.
void SetClockSource(ClockSource source);

}  // namespace numora
