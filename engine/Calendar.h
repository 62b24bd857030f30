#pragma once
// Calendar records and the two serial date kinds: Unix seconds and Excel day numbers.
//
// Time is counted as in a 64-bit file time: 100-nanosecond ticks since 1601-01-01 00:00:00 in
// the proleptic Gregorian calendar. Only years 1601 to 30827 exist; a file time outside that
// span (in UTC or, after a zone conversion, in local time) is refused.
#include <cstdint>

#include "engine/Number.h"

namespace numora {

// Fields hold full integer values so that an out-of-range argument is refused rather than
// wrapped into a valid date.
struct CalendarRecord {
    int Year = 0;
    int Month = 0;      // 1..12
    int DayOfWeek = 0;  // 0 Sunday .. 6 Saturday; filled on output, ignored on input
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Milliseconds = 0;
};

inline constexpr std::int64_t kTicksPerSecond = 10000000;
inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kUnixOffsetSeconds = 11644473600;  // 1601-01-01 to 1970-01-01
inline constexpr std::int64_t kExcelOffsetDays = 109205;         // 1601-01-01 to 1899-12-30
inline constexpr std::int64_t kExcelOffsetSeconds = kExcelOffsetDays * kSecondsPerDay;

inline constexpr int kFirstYear = 1601;
inline constexpr int kLastYear = 30827;

// Serial kinds: the lowest bit selects Excel.
inline constexpr int kSerialUnix = 0;
inline constexpr int kSerialExcel = 1;

// Conversions understood by SerialToCalendar.
inline constexpr int kUnixToLocal = 0;
inline constexpr int kExcelAsIs = 1;
inline constexpr int kUnixToUtc = 2;
inline constexpr int kExcelLocalToUtc = 3;

// Days since 1970-01-01 of a proleptic Gregorian date; month 1..12, day not checked.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    // Counted from 1 March so that the leap day ends the year; eras are 400-year cycles.
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidCalendar(const CalendarRecord& r);

// Record to ticks since 1601; false for an invalid record.
bool CalendarToFileTime(const CalendarRecord& r, std::int64_t& ticks);
// Ticks to a record (day of week included); false outside 1601..30827.
bool FileTimeToCalendar(std::int64_t ticks, CalendarRecord& r);

// Serial value of a record: Excel days (exact day fraction) or Unix seconds of the record
// read as local time. NaN for an invalid record or a failed zone conversion.
Number CalendarToSerial(const CalendarRecord& r, int kind);

// Record of a serial value under one of the conversions above; any other conversion reads
// the value by its lowest bit and leaves it unchanged. Whole seconds only.
bool SerialToCalendar(const Number& x, int conversion, CalendarRecord& r);

}  // namespace numora
