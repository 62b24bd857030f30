#include "engine/DateZone.h"

#include <algorithm>
#include <ctime>

#include "engine/Calendar.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace numora {

namespace {

// 1970-01-01 .. 3000-12-31: instants every C library converts.
constexpr std::int64_t kSafeFirst = 0;
constexpr std::int64_t kSafeLast = DaysFromCivil(3001, 1, 1) * kSecondsPerDay - 1;

#ifdef _WIN32

// The C runtime of Windows refuses instants before 1970 and reads TZ only in its own short
// form; the system's zone rules cover every year of a file time.
bool hasFixedZone = false;
TIME_ZONE_INFORMATION fixedZone;

bool ZoneOffset(std::int64_t unixSeconds, std::int64_t& offset) {
    constexpr std::int64_t kLast = DaysFromCivil(kLastYear + 1, 1, 1) * kSecondsPerDay - 1;
    if (unixSeconds < -kUnixOffsetSeconds || unixSeconds > kLast) return false;
    const auto ticks =
        static_cast<std::uint64_t>((unixSeconds + kUnixOffsetSeconds) * kTicksPerSecond);
    const FILETIME utcFile{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc, local;
    if (!FileTimeToSystemTime(&utcFile, &utc)) return false;
    TIME_ZONE_INFORMATION zone = fixedZone;
    if (!hasFixedZone && !GetTimeZoneInformationForYear(utc.wYear, nullptr, &zone)) return false;
    FILETIME localFile;
    if (!SystemTimeToTzSpecificLocalTime(&zone, &utc, &local) ||
        !SystemTimeToFileTime(&local, &localFile)) {
        return false;
    }
    const auto localTicks =
        (static_cast<std::uint64_t>(localFile.dwHighDateTime) << 32) | localFile.dwLowDateTime;
    offset = (static_cast<std::int64_t>(localTicks) - static_cast<std::int64_t>(ticks)) /
             kTicksPerSecond;
    return true;
}

#else

bool ZoneOffset(std::int64_t unixSeconds, std::int64_t& offset) {
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    if (static_cast<std::int64_t>(t) != unixSeconds) return false;
    std::tm f{};
    if (localtime_r(&t, &f) == nullptr) return false;
    const std::int64_t local =
        DaysFromCivil(std::int64_t{f.tm_year} + 1900, f.tm_mon + 1, 1) * kSecondsPerDay +
        (f.tm_mday - 1) * kSecondsPerDay + f.tm_hour * 3600 + f.tm_min * 60 + f.tm_sec;
    offset = local - unixSeconds;
    return true;
}

#endif

}  // namespace

#ifdef _WIN32
void UseFixedZone(const _TIME_ZONE_INFORMATION* zone) {
    hasFixedZone = zone != nullptr;
    if (zone) fixedZone = *zone;
}
#endif

std::int64_t LocalOffsetAt(std::int64_t unixSeconds) {
    std::int64_t offset = 0;
    if (ZoneOffset(unixSeconds, offset)) return offset;
    if (ZoneOffset(std::clamp(unixSeconds, kSafeFirst, kSafeLast), offset)) return offset;
    return 0;
}

std::int64_t LocalToUtcSeconds(std::int64_t localSeconds) {
    // Offsets never reach a day, so the offsets two days either side of the local reading
    // taken as UTC are those before and after any change near it.
    constexpr std::int64_t kProbe = 2 * kSecondsPerDay;
    const std::int64_t before = LocalOffsetAt(localSeconds - kProbe);
    const std::int64_t after = LocalOffsetAt(localSeconds + kProbe);
    if (LocalOffsetAt(localSeconds - before) == before) return localSeconds - before;
    if (LocalOffsetAt(localSeconds - after) == after) return localSeconds - after;
    return localSeconds - before;
}

}  // namespace numora
