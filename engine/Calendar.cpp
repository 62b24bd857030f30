#include "engine/Calendar.h"

#include <limits>

#include "engine/DateZone.h"
#include "engine/ExactArith.h"
#include "engine/IntConvert.h"

namespace numora {

namespace {

constexpr std::int64_t kDays1601To1970 = -DaysFromCivil(1601, 1, 1);
static_assert(kDays1601To1970 * kSecondsPerDay == kUnixOffsetSeconds);
static_assert(DaysFromCivil(1899, 12, 30) + kDays1601To1970 == kExcelOffsetDays);

constexpr std::int64_t kTicksPerDay = kSecondsPerDay * kTicksPerSecond;
// Last tick of 30827-12-31; fits easily in 63 bits.
constexpr std::int64_t kMaxTicks =
    (DaysFromCivil(kLastYear + 1, 1, 1) + kDays1601To1970) * kTicksPerDay - 1;
constexpr std::int64_t kMaxSeconds = kMaxTicks / kTicksPerSecond;

Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }

// A serial value made from whole seconds by decimal division can fall a hair short of the
// second it stands for; such a value counts as that second. Other fractions of a second are
// dropped toward zero.
std::int64_t WholeSeconds(const Number& seconds) {
    static const Number kHair("1e-30");
    const Number nearest = round(seconds);
    return ToInt64(abs(seconds - nearest) <= kHair ? nearest : trunc(seconds));
}

bool InFileTimeSpan(std::int64_t ticks) { return ticks >= 0 && ticks <= kMaxTicks; }

// Local ticks of UTC ticks, with the offset in force at that instant.
bool UtcTicksToLocal(std::int64_t utcTicks, std::int64_t& localTicks) {
    if (!InFileTimeSpan(utcTicks)) return false;
    const std::int64_t offset = LocalOffsetAt(utcTicks / kTicksPerSecond - kUnixOffsetSeconds);
    localTicks = utcTicks + offset * kTicksPerSecond;
    return InFileTimeSpan(localTicks);
}

// UTC ticks of local ticks, with the offset in force at that local date.
bool LocalTicksToUtc(std::int64_t localTicks, std::int64_t& utcTicks) {
    if (!InFileTimeSpan(localTicks)) return false;
    const std::int64_t localSeconds = localTicks / kTicksPerSecond - kUnixOffsetSeconds;
    const std::int64_t offset = localSeconds - LocalToUtcSeconds(localSeconds);
    utcTicks = localTicks - offset * kTicksPerSecond;
    return InFileTimeSpan(utcTicks);
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidCalendar(const CalendarRecord& r) {
    return r.Year >= kFirstYear && r.Year <= kLastYear && r.Month >= 1 && r.Month <= 12 &&
           r.Day >= 1 && r.Day <= DaysInMonth(r.Year, r.Month) && r.Hour >= 0 && r.Hour <= 23 &&
           r.Minute >= 0 && r.Minute <= 59 && r.Second >= 0 && r.Second <= 59 &&
           r.Milliseconds >= 0 && r.Milliseconds <= 999;
}

bool CalendarToFileTime(const CalendarRecord& r, std::int64_t& ticks) {
    if (!IsValidCalendar(r)) return false;
    const std::int64_t days = DaysFromCivil(r.Year, r.Month, r.Day) + kDays1601To1970;
    const std::int64_t seconds = days * kSecondsPerDay + r.Hour * 3600 + r.Minute * 60 + r.Second;
    ticks = seconds * kTicksPerSecond + std::int64_t{r.Milliseconds} * 10000;
    return true;
}

bool FileTimeToCalendar(std::int64_t ticks, CalendarRecord& r) {
    if (!InFileTimeSpan(ticks)) return false;
    const std::int64_t days1601 = ticks / kTicksPerDay;
    const std::int64_t inDay = ticks % kTicksPerDay;

    // Inverse of DaysFromCivil; the day count is never negative here.
    const std::int64_t z = days1601 - kDays1601To1970 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);

    CalendarRecord out;
    out.Year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    out.Month = month;
    out.Day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    out.DayOfWeek = static_cast<int>((days1601 + 1) % 7);  // 1601-01-01 was a Monday
    const std::int64_t seconds = inDay / kTicksPerSecond;
    out.Hour = static_cast<int>(seconds / 3600);
    out.Minute = static_cast<int>(seconds / 60 % 60);
    out.Second = static_cast<int>(seconds % 60);
    out.Milliseconds = static_cast<int>(inDay % kTicksPerSecond / 10000);
    r = out;
    return true;
}

Number CalendarToSerial(const CalendarRecord& r, int kind) {
    std::int64_t ticks = 0;
    if (!CalendarToFileTime(r, ticks)) return Nan();
    if (kind & 1) {
        // Whole days in integers and only the time of day by division: a date at midnight
        // is an exact whole number, which a single division would not give.
        const std::int64_t sinceEpoch = ticks - kExcelOffsetSeconds * kTicksPerSecond;
        const std::int64_t days = sinceEpoch >= 0
                                      ? sinceEpoch / kTicksPerDay
                                      : -((kTicksPerDay - 1 - sinceEpoch) / kTicksPerDay);
        const std::int64_t inDay = sinceEpoch - days * kTicksPerDay;
        if (inDay == 0) return Number(days);
        return Number(days) + Divide(Number(inDay), Number(kTicksPerDay));
    }
    std::int64_t utcTicks = 0;
    if (!LocalTicksToUtc(ticks, utcTicks)) return Nan();
    return Number(utcTicks / kTicksPerSecond - kUnixOffsetSeconds);
}

bool SerialToCalendar(const Number& x, int conversion, CalendarRecord& r) {
    if (boost::multiprecision::isnan(x)) return false;
    // ToInt64 saturates, so infinities and huge values land far outside the span; testing
    // before adding the offset keeps a saturated value from wrapping around into it.
    const std::int64_t offset = (conversion & 1) ? kExcelOffsetSeconds : kUnixOffsetSeconds;
    const std::int64_t whole = WholeSeconds((conversion & 1) ? x * kSecondsPerDay : x);
    if (whole < -offset || whole > kMaxSeconds - offset) return false;
    const std::int64_t seconds = whole + offset;

    std::int64_t ticks = seconds * kTicksPerSecond;
    if (conversion == kUnixToLocal) {
        if (!UtcTicksToLocal(seconds * kTicksPerSecond, ticks)) return false;
    } else if (conversion == kExcelLocalToUtc) {
        if (!LocalTicksToUtc(seconds * kTicksPerSecond, ticks)) return false;
    }
    return FileTimeToCalendar(ticks, r);
}

}  // namespace numora
