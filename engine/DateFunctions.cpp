// Date and time built-ins: serial values of the Unix kind (seconds, local calendar side) and
// of the Excel kind (days since 1899-12-30, calendar taken as written).
#include <cstdio>
#include <limits>

#include "engine/BuiltinImpls.h"
#include "engine/Calendar.h"
#include "engine/DateClock.h"
#include "engine/ExactArith.h"
#include "engine/IntConvert.h"

namespace numora {

namespace {

constexpr const char* kUtcFormat = "%04d-%02d-%02d %02d:%02d:%02d (UTC)";
constexpr const char* kLocalFormat = "%04d/%02d/%02d %02d:%02d:%02d";

Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }

// An absent optional Type counts as 0.
int TypeArg(const ArgList& a, std::size_t index) {
    return a.size() > index ? ToInt32(a[index]) : 0;
}

struct ClockReading {
    std::int64_t Instant = 0;  // Unix seconds
    CalendarRecord Local;      // the same moment on the local calendar
    bool Valid = false;
};

// One clock read per call, as a moment and its local calendar fields.
ClockReading ReadClock() {
    ClockReading reading;
    reading.Instant = CurrentUnixSeconds();
    reading.Valid = SerialToCalendar(Number(reading.Instant), kUnixToLocal, reading.Local);
    return reading;
}

// A NaN or an infinity is no field value; truncating it to an integer would invent one.
bool FieldsFinite(const ArgList& a, std::size_t count) {
    for (std::size_t i = 0; i < count && i < a.size(); ++i)
        if (!boost::multiprecision::isfinite(a[i])) return false;
    return true;
}

// A record of invalid fields when an argument is not finite.
CalendarRecord RecordOf(const ArgList& a, bool withTime) {
    CalendarRecord r;
    if (!FieldsFinite(a, withTime ? 6 : 3)) return r;
    r.Year = ToInt32(a[0]);
    r.Month = ToInt32(a[1]);
    r.Day = ToInt32(a[2]);
    if (withTime) {
        r.Hour = ToInt32(a[3]);
        r.Minute = ToInt32(a[4]);
        r.Second = ToInt32(a[5]);
    }
    return r;
}

}  // namespace

Number FnDate(const ArgList& a) {
    const ClockReading now = ReadClock();
    if (!now.Valid) return Nan();
    CalendarRecord today = now.Local;
    today.Hour = today.Minute = today.Second = today.Milliseconds = 0;
    if (TypeArg(a, 0) == 1) return CalendarToSerial(today, kSerialExcel);
    if (today.Year < 1900) return Number(0);
    return CalendarToSerial(today, kSerialUnix);
}

Number FnNow(const ArgList& a) {
    const ClockReading now = ReadClock();
    if (!now.Valid) return Nan();
    if (TypeArg(a, 0) == 1) return CalendarToSerial(now.Local, kSerialExcel);
    if (now.Local.Year < 1900) return Number(0);
    // The moment itself: going back through the local fields would pick the wrong one of a
    // local hour that occurs twice.
    return Number(now.Instant);
}

Number FnTime(const ArgList& a) {
    const ClockReading now = ReadClock();
    if (!now.Valid) return Nan();
    const Number seconds((now.Local.Hour * 60 + now.Local.Minute) * 60 + now.Local.Second);
    return TypeArg(a, 0) == 1 ? Divide(seconds, Number(kSecondsPerDay)) : seconds;
}

Number FnDayOfWeek(const ArgList& a) {
    CalendarRecord r;
    if (!SerialToCalendar(a[0], TypeArg(a, 1) & 1, r)) return Nan();
    return Number(r.DayOfWeek);
}

Number FnFormatTime(const ArgList& a, std::u16string& text) {
    const int type = TypeArg(a, 1);
    CalendarRecord r;
    if (!SerialToCalendar(a[0], type, r)) return Nan();
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, (type & 2) ? kUtcFormat : kLocalFormat,
                                r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second);
    if (n < 0 || n >= static_cast<int>(sizeof buffer)) return Nan();
    text.assign(buffer, buffer + n);  // ASCII only
    return a[0];
}

Number FnIncMonth(const ArgList& a) {
    const int kind = TypeArg(a, 2) & 1;
    CalendarRecord r;
    if (!SerialToCalendar(a[0], kind, r)) return Nan();
    // The whole 64-bit month count; a count beyond the calendar's span can only give NaN and
    // is refused before it could overflow the sum.
    if (!FieldsFinite(a, 2)) return Nan();
    const std::int64_t months = ToInt64(a[1]);
    constexpr std::int64_t kMonthSpan = std::int64_t{kLastYear + 1} * 12;
    if (months < -kMonthSpan || months > kMonthSpan) return Nan();
    const std::int64_t total = std::int64_t{r.Year} * 12 + (r.Month - 1) + months;
    const std::int64_t year = total >= 0 ? total / 12 : (total - 11) / 12;
    if (year < kFirstYear || year > kLastYear) return Nan();
    r.Year = static_cast<int>(year);
    r.Month = static_cast<int>(total - year * 12 + 1);
    // The day is kept as it is: a day the new month lacks makes the result NaN.
    return CalendarToSerial(r, kind);
}

Number FnToDate(const ArgList& a) {
    return CalendarToSerial(RecordOf(a, false), TypeArg(a, 3) & 1);
}

Number FnToTime(const ArgList& a) {
    if (!FieldsFinite(a, 3)) return Nan();
    const std::int64_t s = (std::int64_t{ToInt32(a[0])} * 60 + ToInt32(a[1])) * 60 + ToInt32(a[2]);
    return (TypeArg(a, 3) & 1) ? Divide(Number(s), Number(kSecondsPerDay)) : Number(s);
}

Number FnTimeSpan(const ArgList& a) {
    if (!FieldsFinite(a, 4)) return Nan();
    return Number(std::int64_t{ToInt32(a[0])} * kSecondsPerDay +
                  std::int64_t{ToInt32(a[1])} * 3600 + std::int64_t{ToInt32(a[2])} * 60 +
                  ToInt32(a[3]));
}

Number FnUnixTime(const ArgList& a) { return CalendarToSerial(RecordOf(a, true), kSerialUnix); }

Number FnExcelTime(const ArgList& a) { return CalendarToSerial(RecordOf(a, true), kSerialExcel); }

}  // namespace numora
