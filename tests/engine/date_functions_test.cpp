// The date and time built-ins, called as the function-call machinery calls them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/BuiltinImpls.h"
#include "engine/DateClock.h"
#include "tests/engine/date_test_support.h"

namespace numora {
namespace {

using datetest::ExpectSame;
using datetest::Inf;
using datetest::N;
using datetest::Nan;

constexpr const char* kJst = "JST-9";  // nine hours ahead, no daylight saving time
constexpr const char* kCet = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* kEst = "EST5EDT,M3.2.0,M11.1.0";

// Fixes the clock at one Unix second while it lives.
struct ScopedClock {
    explicit ScopedClock(std::int64_t unixSeconds) {
        SetClockSource([unixSeconds] { return unixSeconds; });
    }
    ~ScopedClock() { SetClockSource({}); }
};

Number Excel(int y, int m, int d) { return FnToDate({y, m, d, 1}); }

struct Row {
    const char* What;
    BuiltinImpl Fn;
    ArgList Args;
    Number Expected;
};

// Rows are built after the zone is set, so nested calls in them see it too.
void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) ExpectSame(row.Expected, row.Fn(row.Args), row.What);
}

TEST(DateFunctions, InJapan) {
    datetest::ScopedZone zone(kJst);
    RunRows({
        {"exceltime(1970;1;1;0;0;0)", FnExcelTime, {1970, 1, 1, 0, 0, 0}, N("25569")},
        {"exceltime(1899;12;31;12;0;0)", FnExcelTime, {1899, 12, 31, 12, 0, 0}, N("1.5")},
        {"exceltime(30827;12;31;23;59;59)",
         FnExcelTime,
         {30827, 12, 31, 23, 59, 59},
         N("10565736") + Number(86399) / 86400},
        {"exceltime(2024;1;1;24;0;0)", FnExcelTime, {2024, 1, 1, 24, 0, 0}, Nan()},
        {"exceltime(2024;1;1;0;0;-1)", FnExcelTime, {2024, 1, 1, 0, 0, -1}, Nan()},
        {"todate(1900;3;1;1)", FnToDate, {1900, 3, 1, 1}, N("61")},
        {"todate(1900;2;29;1)", FnToDate, {1900, 2, 29, 1}, Nan()},
        {"todate(2000;2;29;1)", FnToDate, {2000, 2, 29, 1}, N("36585")},
        {"todate(2024;4;31;1)", FnToDate, {2024, 4, 31, 1}, Nan()},
        {"todate(2024;13;1;1)", FnToDate, {2024, 13, 1, 1}, Nan()},
        {"todate(2024;1;0;1)", FnToDate, {2024, 1, 0, 1}, Nan()},
        {"exceltime(2024;1;1;0;60;0)", FnExcelTime, {2024, 1, 1, 0, 60, 0}, Nan()},
        {"exceltime(2024;1;1;0;0;60)", FnExcelTime, {2024, 1, 1, 0, 0, 60}, Nan()},
        {"todate(1601;1;1;1)", FnToDate, {1601, 1, 1, 1}, N("-109205")},
        {"todate(1600;12;31;1)", FnToDate, {1600, 12, 31, 1}, Nan()},
        {"todate(30827;12;31;1)", FnToDate, {30827, 12, 31, 1}, N("10565736")},
        {"todate(30828;1;1;1)", FnToDate, {30828, 1, 1, 1}, Nan()},
        {"todate(2023;2;29)", FnToDate, {2023, 2, 29}, Nan()},
        {"todate(2024;2;29)", FnToDate, {2024, 2, 29}, N("1709132400")},
        {"todate(2024;1;1;2)", FnToDate, {2024, 1, 1, 2}, N("1704034800")},
        {"todate(2024.9;1.9;1.9;1.9)",
         FnToDate,
         {N("2024.9"), N("1.9"), N("1.9"), N("1.9")},
         N("45292")},
        {"todate(2024+65536;1;1;1)", FnToDate, {2024 + 65536, 1, 1, 1}, Nan()},
        {"unixtime(1970;1;1;0;0;0)", FnUnixTime, {1970, 1, 1, 0, 0, 0}, N("-32400")},
        {"unixtime(1601;1;1;9;0;0)", FnUnixTime, {1601, 1, 1, 9, 0, 0}, N("-11644473600")},
        {"unixtime(1601;1;1;8;59;59)", FnUnixTime, {1601, 1, 1, 8, 59, 59}, Nan()},
        {"unixtime(30827;12;31;23;59;59)",
         FnUnixTime,
         {30827, 12, 31, 23, 59, 59},
         N("910670482799")},
        {"totime(25;0;0)", FnToTime, {25, 0, 0}, N("90000")},
        {"totime(12;0;0;1)", FnToTime, {12, 0, 0, 1}, N("0.5")},
        {"totime(0;-1;30)", FnToTime, {0, -1, 30}, N("-30")},
        {"totime(1e300;0;0)", FnToTime, {N("1e300"), 0, 0}, N("7730941129200")},
        {"totime(nan;0;0)", FnToTime, {Nan(), 0, 0}, Nan()},
        {"timespan(1;0;0;0)", FnTimeSpan, {1, 0, 0, 0}, N("86400")},
        {"timespan(0;-1;0;0)", FnTimeSpan, {0, -1, 0, 0}, N("-3600")},
        {"timespan(1.9;2;3;-4.5)", FnTimeSpan, {N("1.9"), 2, 3, N("-4.5")}, N("93776")},
        {"timespan(-1e300;0;0;0)", FnTimeSpan, {N("-1e300"), 0, 0, 0}, N("-185542587187200")},
        {"timespan(0;0;0;-inf)", FnTimeSpan, {0, 0, 0, -Inf()}, Nan()},
        {"dayofweek(25569;1)", FnDayOfWeek, {25569, 1}, N("4")},
        {"dayofweek(-3600)", FnDayOfWeek, {-3600}, N("4")},  // Thursday here
        {"dayofweek(-3600;2)", FnDayOfWeek, {-3600, 2}, N("4")},
        {"dayofweek(-109205;1)", FnDayOfWeek, {-109205, 1}, N("1")},
        {"dayofweek(10565736;1)", FnDayOfWeek, {10565736, 1}, N("5")},
        {"dayofweek(1e300;1)", FnDayOfWeek, {N("1e300"), 1}, Nan()},
        {"incmonth 31 Jan + 1", FnIncMonth, {Excel(2024, 1, 31), 1, 1}, Nan()},
        {"incmonth 15 Nov + 1", FnIncMonth, {Excel(2024, 11, 15), 1, 1}, Excel(2024, 12, 15)},
        {"incmonth 15 Dec + 1", FnIncMonth, {Excel(2024, 12, 15), 1, 1}, Excel(2025, 1, 15)},
        {"incmonth 15 Jan - 1", FnIncMonth, {Excel(2024, 1, 15), -1, 1}, Excel(2023, 12, 15)},
        {"incmonth 15 Jan - 13", FnIncMonth, {Excel(2024, 1, 15), -13, 1}, Excel(2022, 12, 15)},
        {"incmonth 10 Mar + 22", FnIncMonth, {Excel(2024, 3, 10), 22, 1}, Excel(2026, 1, 10)},
        {"incmonth 29 Feb + 12", FnIncMonth, {Excel(2024, 2, 29), 12, 1}, Nan()},
        {"incmonth 29 Feb + 48", FnIncMonth, {Excel(2024, 2, 29), 48, 1}, Excel(2028, 2, 29)},
        {"incmonth keeps the time",
         FnIncMonth,
         {FnExcelTime({2024, 1, 15, 18, 30, 5}), 1, 1},
         FnExcelTime({2024, 2, 15, 18, 30, 5})},
        {"incmonth into 30827-12", FnIncMonth, {Excel(30827, 11, 15), 1, 1}, Excel(30827, 12, 15)},
        {"incmonth beyond 30827", FnIncMonth, {Excel(30827, 12, 15), 1, 1}, Nan()},
        {"incmonth before 1601", FnIncMonth, {Excel(1601, 1, 15), -1, 1}, Nan()},
        {"incmonth 65536 years", FnIncMonth, {Excel(2024, 1, 15), 12 * 65536, 1}, Nan()},
        {"incmonth 1e300", FnIncMonth, {Excel(2024, 1, 15), N("-1e300"), 1}, Nan()},
        // 2024-03-01 05:00 here is 29 February in UTC, which 2025 lacks.
        {"incmonth steps the local date",
         FnIncMonth,
         {FnUnixTime({2024, 3, 1, 5, 0, 0}), 12},
         FnUnixTime({2025, 3, 1, 5, 0, 0})},
    });
}

// Each date is converted with the offset in force on that date.
TEST(DateFunctions, InCentralEurope) {
    datetest::ScopedZone zone(kCet);
    RunRows({
        // Each date is converted with the offset in force on that date.
        {"unixtime winter", FnUnixTime, {2024, 1, 1, 12, 0, 0}, N("1704106800")},
        {"unixtime summer", FnUnixTime, {2024, 7, 1, 12, 0, 0}, N("1719828000")},
        {"unixtime before the change", FnUnixTime, {2024, 3, 31, 1, 59, 59}, N("1711846799")},
        {"unixtime after the change", FnUnixTime, {2024, 3, 31, 3, 0, 0}, N("1711846800")},
        {"unixtime skipped hour", FnUnixTime, {2024, 3, 31, 2, 30, 0}, N("1711848600")},
        {"unixtime repeated hour", FnUnixTime, {2024, 10, 27, 2, 30, 0}, N("1729989000")},
        {"unixtime summer of 30827", FnUnixTime, {30827, 7, 1, 12, 0, 0}, N("910654653600")},
        {"todate(2024;7;1)", FnToDate, {2024, 7, 1}, N("1719784800")},
        {"incmonth keeps local noon",
         FnIncMonth,
         {FnUnixTime({2024, 1, 15, 12, 0, 0}), 6},
         FnUnixTime({2024, 7, 15, 12, 0, 0})},
    });
}

TEST(DateFunctions, InUsEastern) {
    datetest::ScopedZone zone(kEst);
    RunRows({
        {"unixtime(30827;12;31;18;59;59)",
         FnUnixTime,
         {30827, 12, 31, 18, 59, 59},
         N("910670515199")},
        {"unixtime(30827;12;31;19;0;0)", FnUnixTime, {30827, 12, 31, 19, 0, 0}, Nan()},
        {"unixtime summer", FnUnixTime, {2024, 7, 1, 12, 0, 0}, N("1719849600")},
    });
}

TEST(DateFunctions, Clock) {
    struct ClockRow {
        const char* Zone;
        std::int64_t Instant;
        BuiltinImpl Fn;
        int Type;
        Number Expected;
    };
    // 1709307045 is 2024-03-01 15:30:45 UTC, 00:30:45 on 2 March in Japan; 1711886400 is
    // 14:00 summer time on 2024-03-31 in Central Europe, a day that began in winter time.
    const ClockRow rows[] = {
        {kJst, 1709307045, FnDate, 1, N("45353")},
        {kJst, 1709307045, FnDate, 0, N("1709305200")},
        {kJst, 1709307045, FnDate, 3, N("1709305200")},
        {kJst, 1709307045, FnNow, 0, N("1709307045")},
        {kJst, 1709307045, FnNow, 1, N("45353") + Number(1845) / 86400},
        {kJst, 1709307045, FnTime, 0, N("1845")},
        {kJst, 1709307045, FnTime, 1, Number(1845) / 86400},
        {"UTC0", 1709307045, FnDate, 1, N("45352")},
        {kCet, 1711886400, FnDate, 0, N("1711839600")},
        {kCet, 1711886400, FnTime, 0, N("50400")},
        {"UTC0", -5364662400, FnDate, 0, N("0")},  // 1800
        {"UTC0", -5364662400, FnDate, 1, N("-36522")},
        {"UTC0", INT64_MAX, FnDate, 0, Nan()},
        {"UTC0", INT64_MIN, FnNow, 1, Nan()},
    };
    for (const ClockRow& row : rows) {
        datetest::ScopedZone zone(row.Zone);
        ScopedClock clock(row.Instant);
        ExpectSame(row.Expected, row.Fn({row.Type}),
                   std::to_string(row.Instant) + " in " + row.Zone);
    }
    const Number today = FnDate({1}), fraction = FnTime({1});
    EXPECT_EQ(today, trunc(today));
    EXPECT_TRUE(fraction >= 0 && fraction < 1) << fraction;
}

TEST(DateFunctions, FormattedTexts) {
    struct TextRow {
        const char* Zone;
        ArgList Args;
        const char16_t* Text;  // nullptr: the call fails and keeps the old text
    };
    const TextRow rows[] = {
        {kJst, {0, 2}, u"1970-01-01 00:00:00 (UTC)"},
        {kJst, {25569, 1}, u"1970/01/01 00:00:00"},
        {kJst, {N("1.5"), 2}, u"1970-01-01 00:00:01 (UTC)"},
        {kJst, {N("-1.5"), 2}, u"1969-12-31 23:59:59 (UTC)"},
        {kJst, {0}, u"1970/01/01 09:00:00"},
        {kJst, {0, 3}, u"1899-12-29 15:00:00 (UTC)"},
        {kJst, {0, 6}, u"1970-01-01 00:00:00 (UTC)"},
        {kJst, {N("25569.75"), 1}, u"1970/01/01 18:00:00"},
        {kJst, {N("-11644473600"), 2}, u"1601-01-01 00:00:00 (UTC)"},
        {kJst, {N("910670515199"), 2}, u"30827-12-31 23:59:59 (UTC)"},
        {kJst, {N("-11644473601"), 2}, nullptr},
        {kJst, {N("910670515200"), 2}, nullptr},
        {kJst, {N("910670515199")}, nullptr},  // 30828 in local time
        {kJst, {-109205, 3}, nullptr},         // 1600 in UTC
        {kJst, {10565737, 1}, nullptr},
        {kJst, {Nan(), 1}, nullptr},
        {kJst, {Inf(), 2}, nullptr},
        {kJst, {N("-1e300")}, nullptr},
        {kCet, {N("1719828000")}, u"2024/07/01 12:00:00"},
        {kCet, {N("1729992600")}, u"2024/10/27 02:30:00"},  // the repeated hour, second time
        {kCet, {45474, 3}, u"2024-06-30 22:00:00 (UTC)"},
        {kCet, {45292, 3}, u"2023-12-31 23:00:00 (UTC)"},
    };
    for (const TextRow& row : rows) {
        datetest::ScopedZone zone(row.Zone);
        std::u16string text = u"old";
        const Number value = FnFormatTime(row.Args, text);
        const std::string what = "formattime(" + row.Args[0].str(20) + ";" +
                                 (row.Args.size() > 1 ? row.Args[1].str() : "") + ")";
        EXPECT_EQ(row.Text ? std::u16string(row.Text) : u"old", text) << what;
        ExpectSame(row.Text ? row.Args[0] : Nan(), value, what);
    }
}

// Non-finite and huge values in any calendar field or serial value give NaN, never a throw.
TEST(DateFunctions, OddArgumentsGiveNaN) {
    datetest::ScopedZone zone(kJst);
    const std::pair<BuiltinImpl, ArgList> fns[] = {
        {FnToDate, {2024, 1, 1, 1}},
        {FnUnixTime, {2024, 1, 1, 0, 0, 0}},
        {FnExcelTime, {2024, 1, 1, 0, 0, 0}},
        {FnIncMonth, {45292, 1, 1}},
        {FnDayOfWeek, {45292, 1}},
        {FnToTime, {1, 2, 3, 1}},
        {FnTimeSpan, {1, 2, 3, 4}},
    };
    for (const auto& [fn, valid] : fns) {
        for (std::size_t pos = 0; pos < valid.size(); ++pos) {
            for (const Number& odd : {Nan(), Inf(), -Inf(), N("1e300"), N("-1e300")}) {
                ArgList args = valid;
                args[pos] = odd;
                Number result;
                ASSERT_NO_THROW(result = fn(args));
                const bool typeArg = pos == valid.size() - 1 && fn != FnExcelTime &&
                                     fn != FnUnixTime && fn != FnTimeSpan;
                const bool saturates = (fn == FnToTime || fn == FnTimeSpan) && isfinite(odd);
                if (!typeArg && !saturates)
                    ExpectSame(Nan(), result,
                               "argument " + std::to_string(pos) + " = " + odd.str());
            }
        }
    }
}

}  // namespace
}  // namespace numora
