// The calendar record and its file-time form.
#include <gtest/gtest.h>

#include "engine/Calendar.h"
#include "tests/engine/date_test_support.h"

namespace numora {
namespace {

// Each day of the span follows its predecessor in date and weekday and converts back.
TEST(Calendar, EveryDayOfTheSpanRoundTrips) {
    constexpr std::int64_t kTicksPerDay = kSecondsPerDay * kTicksPerSecond;
    CalendarRecord prev;
    ASSERT_TRUE(FileTimeToCalendar(0, prev));
    EXPECT_TRUE(prev.Year == 1601 && prev.Month == 1 && prev.Day == 1 && prev.DayOfWeek == 1);
    std::int64_t day = 1;
    for (CalendarRecord r; FileTimeToCalendar(day * kTicksPerDay, r); ++day, prev = r) {
        std::int64_t ticks = -1;
        ASSERT_TRUE(CalendarToFileTime(r, ticks) && ticks == day * kTicksPerDay) << day;
        const bool lastOfMonth = prev.Day == DaysInMonth(prev.Year, prev.Month);
        const bool follows =
            (r.Year == prev.Year && r.Month == prev.Month && r.Day == prev.Day + 1) ||
            (r.Year == prev.Year && r.Month == prev.Month + 1 && r.Day == 1 && lastOfMonth) ||
            (r.Year == prev.Year + 1 && r.Month == 1 && r.Day == 1 && prev.Month == 12 &&
             lastOfMonth);
        ASSERT_TRUE(follows && r.DayOfWeek == (prev.DayOfWeek + 1) % 7) << day;
    }
    EXPECT_TRUE(prev.Year == 30827 && prev.Month == 12 && prev.Day == 31 && prev.DayOfWeek == 5);
    CalendarRecord last;
    ASSERT_TRUE(FileTimeToCalendar(day * kTicksPerDay - 1, last));
    EXPECT_TRUE(last.Hour == 23 && last.Minute == 59 && last.Second == 59 &&
                last.Milliseconds == 999);
    EXPECT_FALSE(FileTimeToCalendar(-1, last));
}

// Day fractions are not exact in decimal; reading them back must still give the very second.
TEST(Calendar, EverySecondOfADayReadsBack) {
    for (int second = 0; second < kSecondsPerDay; ++second) {
        const CalendarRecord written{2024, 1, 0, 15, second / 3600, second / 60 % 60, second % 60};
        CalendarRecord read;
        ASSERT_TRUE(SerialToCalendar(CalendarToSerial(written, kSerialExcel), kExcelAsIs, read));
        ASSERT_EQ(second, (read.Hour * 60 + read.Minute) * 60 + read.Second);
        ASSERT_EQ(15, read.Day);
    }
}

// Local fields back to seconds give the same instant for every hour of a year with two
// changes, except the second pass through the repeated hour, which reads as the first.
TEST(Calendar, HourlyRoundTripThroughLocalFields) {
    datetest::ScopedZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::int64_t start = 1704067200;  // 2024-01-01 00:00 UTC
    for (std::int64_t t = start; t < start + 366 * kSecondsPerDay; t += 3600) {
        CalendarRecord r;
        ASSERT_TRUE(SerialToCalendar(Number(t), kUnixToLocal, r));
        const bool repeated = t == 1729990800;  // 2024-10-27 01:00 UTC, 02:00 local again
        EXPECT_EQ(Number(repeated ? t - 3600 : t), CalendarToSerial(r, kSerialUnix)) << t;
    }
}

}  // namespace
}  // namespace numora
