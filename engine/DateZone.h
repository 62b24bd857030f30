#pragma once
// The local time zone as the C library sees it (TZ), at any instant.
#include <cstdint>

namespace numora {

// Seconds that local time is ahead of UTC at the instant `unixSeconds`. Instants the C
// library cannot convert are looked up at the nearest instant of 1970..3000; 0 if even that
// fails.
std::int64_t LocalOffsetAt(std::int64_t unixSeconds);

// The UTC instant of a local wall-clock time written as seconds since 1970-01-01 00:00 local.
// A time that occurs twice (clocks turned back) gives its first occurrence; a time that the
// clocks skip is read with the offset in force before the change.
std::int64_t LocalToUtcSeconds(std::int64_t localSeconds);

}  // namespace numora
