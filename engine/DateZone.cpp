#include "engine/DateZone.h"

#include <algorithm>
#include <ctime>

#include "engine/Calendar.h"

namespace numora {

namespace {

// 1970-01-01 .. 3000-12-31: instants every C library converts.
constexpr std::int64_t kSafeFirst = 0;
constexpr std::int64_t kSafeLast = DaysFromCivil(3001, 1, 1) * kSecondsPerDay - 1;

bool ToLocalFields(std::int64_t unixSeconds, std::tm& fields) {
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    if (static_cast<std::int64_t>(t) != unixSeconds) return false;
#ifdef _WIN32
    return localtime_s(&fields, &t) == 0;
#else
    return localtime_r(&t, &fields) != nullptr;
#endif
}

bool OffsetFromC(std::int64_t unixSeconds, std::int64_t& offset) {
    std::tm f{};
    if (!ToLocalFields(unixSeconds, f)) return false;
    const std::int64_t local =
        DaysFromCivil(std::int64_t{f.tm_year} + 1900, f.tm_mon + 1, 1) * kSecondsPerDay +
        (f.tm_mday - 1) * kSecondsPerDay + f.tm_hour * 3600 + f.tm_min * 60 + f.tm_sec;
    offset = local - unixSeconds;
    return true;
}

}  // namespace

std::int64_t LocalOffsetAt(std::int64_t unixSeconds) {
    std::int64_t offset = 0;
    if (OffsetFromC(unixSeconds, offset)) return offset;
    if (OffsetFromC(std::clamp(unixSeconds, kSafeFirst, kSafeLast), offset)) return offset;
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
