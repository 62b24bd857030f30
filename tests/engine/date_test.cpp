// The calendar and the date and time built-ins, in a fixed zone and in one with daylight
// saving time.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/BuiltinImpls.h"
#include "engine/Calendar.h"
#include "engine/DateClock.h"

namespace numora::test {
namespace {

constexpr const char* kJst = "JST-9";  // nine hours ahead, no daylight saving time
constexpr const char* kCet = "CET-1CEST,M3.5.0,M10.5.0/3";

class DateFunctions : public EngineTest {
protected:
    // Each line must give the same text as the line it is paired with, and not NaN.
    void ExpectSameAs(const std::vector<ValueCase>& pairs) {
        for (const auto& [line, other] : pairs) {
            const std::string want = Text(other);
            EXPECT_NE(want, "nan") << other;
            EXPECT_EQ(Text(line), want) << line;
        }
    }
};

TEST_F(DateFunctions, InJapan) {
    ScopedZone zone(kJst);
    // clang-format off
    ExpectValues({
        {"exceltime(1970;1;1;0;0;0)", "25569"}, {"exceltime(1899;12;31;12;0;0)", "1.5"},
        {"exceltime(30827;12;31;23;59;59)", "10565736.999988425925925925925926"},
        {"exceltime(2024;1;1;24;0;0)", "nan"}, {"exceltime(2024;1;1;0;0;-1)", "nan"},
        {"exceltime(2024;1;1;0;60;0)", "nan"}, {"todate(1900;3;1;1)", "61"},
        {"todate(1900;2;29;1)", "nan"}, {"todate(2000;2;29;1)", "36585"},
        {"todate(2024;4;31;1)", "nan"}, {"todate(2024;13;1;1)", "nan"},
        {"todate(2024;1;0;1)", "nan"}, {"todate(1601;1;1;1)", "-109205"},
        {"todate(1600;12;31;1)", "nan"}, {"todate(30827;12;31;1)", "10565736"},
        {"todate(30828;1;1;1)", "nan"}, {"todate(2023;2;29)", "nan"},
        {"todate(2024;2;29)", "1709132400"}, {"todate(2024;1;1;2)", "1704034800"},
        {"todate(2024.9;1.9;1.9;1.9)", "45292"}, {"todate(2024+65536;1;1;1)", "nan"},
        {"unixtime(1970;1;1;0;0;0)", "-32400"}, {"unixtime(1601;1;1;9;0;0)", "-11644473600"},
        {"unixtime(1601;1;1;8;59;59)", "nan"}, {"unixtime(30827;12;31;23;59;59)", "910670482799"},
        {"totime(25;0;0)", "90000"}, {"totime(12;0;0;1)", "0.5"}, {"totime(0;-1;30)", "-30"},
        {"totime(1e300;0;0)", "7730941129200"}, {"timespan(1;0;0;0)", "86400"},
        {"timespan(0;-1;0;0)", "-3600"}, {"timespan(1.9;2;3;-4.5)", "93776"},
        {"timespan(-1e300;0;0;0)", "-185542587187200"}, {"dayofweek(25569;1)", "4"},
        {"dayofweek(-3600)", "4"}, {"dayofweek(-3600;2)", "4"},  // Thursday here
        {"dayofweek(-109205;1)", "1"}, {"dayofweek(10565736;1)", "5"},
        {"incmonth(todate(2024;1;31;1);1;1)", "nan"}, {"incmonth(todate(2024;2;29;1);12;1)", "nan"},
        {"incmonth(todate(30827;12;15;1);1;1)", "nan"},
        {"incmonth(todate(1601;1;15;1);-1;1)", "nan"},
        {"incmonth(todate(2024;1;15;1);12*65536;1)", "nan"},
    });
    ExpectSameAs({
        {"incmonth(todate(2024;11;15;1);1;1)", "todate(2024;12;15;1)"},
        {"incmonth(todate(2024;12;15;1);1;1)", "todate(2025;1;15;1)"},
        {"incmonth(todate(2024;1;15;1);-13;1)", "todate(2022;12;15;1)"},
        {"incmonth(todate(2024;3;10;1);22;1)", "todate(2026;1;10;1)"},
        {"incmonth(todate(2024;2;29;1);48;1)", "todate(2028;2;29;1)"},
        {"incmonth(todate(30827;11;15;1);1;1)", "todate(30827;12;15;1)"},
        {"incmonth(exceltime(2024;1;15;18;30;5);1;1)", "exceltime(2024;2;15;18;30;5)"},
        // 2024-03-01 05:00 here is 29 February in UTC, which 2025 lacks.
        {"incmonth(unixtime(2024;3;1;5;0;0);12)", "unixtime(2025;3;1;5;0;0)"},
    });
    // clang-format on
}

// Each date is converted with the offset in force on that date.
TEST_F(DateFunctions, InCentralEurope) {
    ScopedZone zone(kCet);
    // clang-format off
    ExpectValues({
        {"unixtime(2024;1;1;12;0;0)", "1704106800"}, {"unixtime(2024;7;1;12;0;0)", "1719828000"},
        {"unixtime(2024;3;31;1;59;59)", "1711846799"}, {"unixtime(2024;3;31;3;0;0)", "1711846800"},
        {"unixtime(2024;3;31;2;30;0)", "1711848600"},    // skipped hour
        {"unixtime(2024;10;27;2;30;0)", "1729989000"},   // repeated hour
        {"unixtime(30827;7;1;12;0;0)", "910654653600"}, {"todate(2024;7;1)", "1719784800"},
#ifdef _WIN32
        // The system's rules hold in every year; the C runtime would refuse dates before 1970.
        {"unixtime(1960;7;1;12;0;0)", "-299858400"}, {"unixtime(1601;7;1;12;0;0)", "-11628799200"},
#endif
    });
    // clang-format on
    ExpectSameAs({{"incmonth(unixtime(2024;1;15;12;0;0);6)", "unixtime(2024;7;15;12;0;0)"}});
}

TEST_F(DateFunctions, Clock) {
    struct ClockCase {
        const char* Zone;
        std::int64_t Instant;
        std::vector<ValueCase> Lines;
    };
    // 1709307045 is 2024-03-01 15:30:45 UTC, 00:30:45 on 2 March in Japan; 1711886400 is
    // 14:00 summer time on 2024-03-31 in Central Europe, a day that began in winter time.
    // clang-format off
    const ClockCase cases[] = {
        {kJst, 1709307045, {
            {"date(1)", "45353"}, {"date(0)", "1709305200"}, {"date(3)", "1709305200"},
            {"now(0)", "1709307045"}, {"now(1)", "45353.021354166666666666666666667"},
            {"time(0)", "1845"}, {"time(1)", "0.021354166666666666666666666666667"}}},
        {"UTC0", 1709307045, {{"date(1)", "45352"}}},
        {kCet, 1711886400, {{"date(0)", "1711839600"}, {"time(0)", "50400"}}},
        {"UTC0", -5364662400, {{"date(0)", "0"}, {"date(1)", "-36522"}}},  // 1800
        {"UTC0", INT64_MAX, {{"date(0)", "nan"}}}, {"UTC0", INT64_MIN, {{"now(1)", "nan"}}},
    };
    // clang-format on
    for (const ClockCase& c : cases) {
        ScopedZone zone(c.Zone);
        SetClockSource([&c] { return c.Instant; });
        SCOPED_TRACE(std::to_string(c.Instant) + " in " + c.Zone);
        ExpectValues(c.Lines);
    }
    SetClockSource({});
    const Number today = FnDate({1}), fraction = FnTime({1});
    EXPECT_EQ(today, trunc(today));
    EXPECT_TRUE(fraction >= 0 && fraction < 1) << fraction;
}

TEST(DateTexts, FormattedTexts) {
    struct TextRow {
        const char* Zone;
        ArgList Args;
        const char16_t* Text;  // nullptr: the call fails and keeps the old text
    };
    const Number nan = std::numeric_limits<Number>::quiet_NaN();
    // clang-format off
    const TextRow rows[] = {
        {kJst, {0, 2}, u"1970-01-01 00:00:00 (UTC)"}, {kJst, {0}, u"1970/01/01 09:00:00"},
        {kJst, {Number("1.5"), 2}, u"1970-01-01 00:00:01 (UTC)"},
        {kJst, {Number("-1.5"), 2}, u"1969-12-31 23:59:59 (UTC)"},
        {kJst, {0, 3}, u"1899-12-29 15:00:00 (UTC)"}, {kJst, {0, 6}, u"1970-01-01 00:00:00 (UTC)"},
        {kJst, {Number("25569.75"), 1}, u"1970/01/01 18:00:00"},
        {kJst, {Number("-11644473600"), 2}, u"1601-01-01 00:00:00 (UTC)"},
        {kJst, {Number("910670515199"), 2}, u"30827-12-31 23:59:59 (UTC)"},
        {kJst, {Number("-11644473601"), 2}, nullptr}, {kJst, {Number("910670515200"), 2}, nullptr},
        {kJst, {Number("910670515199")}, nullptr},  // 30828 in local time
        {kJst, {-109205, 3}, nullptr},              // 1600 in UTC
        {kJst, {nan, 1}, nullptr}, {kJst, {Number("-1e300")}, nullptr},
        {kCet, {Number("1729992600")}, u"2024/10/27 02:30:00"},  // the repeated hour, again
        {kCet, {45474, 3}, u"2024-06-30 22:00:00 (UTC)"},
        {kCet, {45292, 3}, u"2023-12-31 23:00:00 (UTC)"},
    };
    // clang-format on
    for (const TextRow& row : rows) {
        ScopedZone zone(row.Zone);
        std::u16string text = u"old";
        const Number value = FnFormatTime(row.Args, text);
        const std::string what = "formattime at " + row.Args[0].str(20);
        EXPECT_EQ(row.Text ? std::u16string(row.Text) : u"old", text) << what;
        EXPECT_TRUE(row.Text ? value == row.Args[0] : isnan(value)) << what;
    }
}

// Non-finite and huge values in any calendar field or serial value give NaN, never a throw.
TEST(DateArguments, OddArgumentsGiveNaN) {
    ScopedZone zone(kJst);
    const Number inf = std::numeric_limits<Number>::infinity();
    // clang-format off
    const std::pair<BuiltinImpl, ArgList> fns[] = {
        {FnToDate, {2024, 1, 1, 1}}, {FnUnixTime, {2024, 1, 1, 0, 0, 0}},
        {FnExcelTime, {2024, 1, 1, 0, 0, 0}}, {FnIncMonth, {45292, 1, 1}},
        {FnDayOfWeek, {45292, 1}}, {FnToTime, {1, 2, 3, 1}}, {FnTimeSpan, {1, 2, 3, 4}},
    };
    // clang-format on
    for (const auto& [fn, valid] : fns) {
        for (std::size_t pos = 0; pos < valid.size(); ++pos) {
            for (const Number& odd : {std::numeric_limits<Number>::quiet_NaN(), inf, -inf,
                                      Number("1e300"), Number("-1e300")}) {
                ArgList args = valid;
                args[pos] = odd;
                Number result;
                ASSERT_NO_THROW(result = fn(args));
                const bool typeArg = pos == valid.size() - 1 && fn != FnExcelTime &&
                                     fn != FnUnixTime && fn != FnTimeSpan;
                const bool saturates = (fn == FnToTime || fn == FnTimeSpan) && isfinite(odd);
                if (!typeArg && !saturates) {
                    EXPECT_TRUE(isnan(result)) << "argument " << pos << " = " << odd;
                }
            }
        }
    }
}

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
    test::ScopedZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::int64_t start = 1704067200;  // 2024-01-01 00:00 UTC
    for (std::int64_t t = start; t < start + 366 * kSecondsPerDay; t += 3600) {
        CalendarRecord r;
        ASSERT_TRUE(SerialToCalendar(Number(t), kUnixToLocal, r));
        const bool repeated = t == 1729990800;  // 2024-10-27 01:00 UTC, 02:00 local again
        EXPECT_EQ(Number(repeated ? t - 3600 : t), CalendarToSerial(r, kSerialUnix)) << t;
    }
}

}  // namespace
}  // namespace numora::test
