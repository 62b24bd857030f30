#pragma once
// The local time zone at any instant: as the C library sees it (TZ), or on Windows as the
// system's zone rules give it.
#include <cstdint>

#ifdef _WIN32
struct _TIME_ZONE_INFORMATION;
#endif

namespace numora {

#ifdef _WIN32
// Puts a fixed zone in place of the system's for the conversions that follow (tests set
// zones this way); nullptr returns to the system's zone.
void UseFixedZone(const _TIME_ZONE_INFORMATION* zone);
#endif

// Seconds that local time is ahead of UTC at the instant `unixSeconds`. Instants that cannot
// be converted are looked up at the nearest instant of 1970..3000; 0 if even that fails.
std::int64_t LocalOffsetAt(std::int64_t unixSeconds);

// The UTC instant of a local wall-clock time written as seconds since 1970-01-01 00:00 local.
// A time that occurs twice (clocks turned back) gives its first occurrence; a time that the
// clocks skip is read with the offset in force before the change.
std::int64_t LocalToUtcSeconds(std::int64_t localSeconds);

}  // namespace numora
