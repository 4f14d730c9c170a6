#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

#include "core/clock.h"
#include "core/calendar/calendar_date.h"
#include "core/calendar/month_grid.h"
#include "core/calendar/year_info.h"

namespace horalo {
namespace {

namespace chr = std::chrono;

int DayOfYear(const chr::year_month_day& date) {
    const chr::sys_days first = chr::year_month_day{date.year(), chr::January, chr::day{1}};
    return static_cast<int>((chr::sys_days{date} - first).count()) + 1;
}

int IsoWeekday(chr::sys_days day) { return static_cast<int>(chr::weekday{day}.iso_encoding()) - 1; }

// strftime's %V reads only these fields, so no time zone or time_t range
// can get in the way of the oracle.
int IsoWeek(chr::sys_days day) {
    const chr::year_month_day date{day};
    std::tm fields{};
    fields.tm_year = static_cast<int>(date.year()) - 1900;
    fields.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    fields.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    fields.tm_wday = static_cast<int>(chr::weekday{day}.c_encoding());
    fields.tm_yday = DayOfYear(date) - 1;
    char text[8] = {};
    std::strftime(text, sizeof text, "%V", &fields);
    return std::stoi(text);
}

// Meeus/Jones/Butcher: a different road to the Gregorian Easter.
chr::year_month_day AnonymousGregorianEaster(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return chr::year{y} / month / day;
}

// Meeus's Julian algorithm; its day is a Julian date, counted the same way.
int JulianEasterDayOfYear(int y) {
    const int d = (19 * (y % 19) + 15) % 30;
    const int e = (2 * (y % 4) + 4 * (y % 7) - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    return DaysBeforeMonth(y, month - 1) + day;
}

TEST(CalendarDate, DayOfYearAndWeekdayOfEveryDayFrom1583To2500) {
    for (chr::sys_days day = chr::year{1583} / 1 / 1; day <= chr::year{2500} / 12 / 31; day += chr::days{1}) {
        const chr::year_month_day expected{day};
        CalendarDate date;
        date.year = static_cast<std::int16_t>(static_cast<int>(expected.year()));
        date.month = static_cast<int>(static_cast<unsigned>(expected.month())) - 1;
        date.day = static_cast<std::int16_t>(static_cast<unsigned>(expected.day()));
        SetDayOfYearAndWeekday(date);
        ASSERT_EQ(date.dayOfYear, DayOfYear(expected)) << date.year << '-' << date.month + 1 << '-' << date.day;
        ASSERT_EQ(date.weekday, IsoWeekday(day)) << date.year << '-' << date.month + 1 << '-' << date.day;
    }
}

TEST(CalendarDate, MonthLengthsAndLeapYears) {
    for (int y = 1583; y <= 2500; ++y) {
        EXPECT_EQ(IsLeapYear(y), chr::year{y}.is_leap()) << y;
        for (unsigned m = 1; m <= 12; ++m)
            ASSERT_EQ(MonthLength(y, static_cast<int>(m) - 1),
                      static_cast<int>(static_cast<unsigned>((chr::year{y} / m / chr::last).day())))
                << y << '-' << m;
    }
}

TEST(CalendarDate, CurrentDateIsLocalTimeWithMondayFirst) {
    // Wednesday 1 July 2026, 10:04:05 UTC is 12:04:05 summer time in Berlin.
    const chr::sys_seconds moment = chr::sys_days{chr::year{2026} / 7 / 1} + chr::hours{10} + chr::minutes{4} +
                                    chr::seconds{5};
    SetClock([&] { return static_cast<TimeValue>(moment.time_since_epoch().count()); });
    CalendarDate date;
    EXPECT_TRUE(CurrentDate(date));
    EXPECT_EQ(date.year, 2026);
    EXPECT_EQ(date.month, 6);
    EXPECT_EQ(date.day, 1);
    EXPECT_EQ(date.dayOfYear, 182);
    EXPECT_EQ(date.weekday, 2);
    EXPECT_EQ(date.hour, 12);
    EXPECT_EQ(date.minute, 4);
    EXPECT_EQ(date.second, 5);

    // A clock before 1970 has no local time, as in the Windows C runtime.
    SetClock([] { return -1; });
    EXPECT_FALSE(CurrentDate(date));
    SetClock({});
}

TEST(YearInfo, ExamplesOf2001And2004) {
    const YearInfo y2001 = MakeYearInfo(2001);
    EXPECT_EQ(y2001.firstWeekday, 0);
    EXPECT_EQ(y2001.leap, 0);
    EXPECT_EQ(y2001.weeks, 52);
    EXPECT_EQ(y2001.easterDay, 105);  // 15 April
    EXPECT_EQ(y2001.year, 2001);

    const YearInfo y2004 = MakeYearInfo(2004);
    EXPECT_EQ(y2004.firstWeekday, 3);
    EXPECT_EQ(y2004.leap, 1);
    EXPECT_EQ(y2004.weeks, 53);
}

TEST(YearInfo, WeeksAndFirstWeekdayAgreeWithTheOracle) {
    for (int y = 1583; y <= 2500; ++y) {
        const YearInfo info = MakeYearInfo(y);
        const chr::sys_days first = chr::year{y} / 1 / 1;
        ASSERT_EQ(info.firstWeekday, IsoWeekday(first)) << y;
        // 28 December always lies in the last ISO week of its year.
        ASSERT_EQ(info.weeks, IsoWeek(chr::year{y} / 12 / 28)) << y;
    }
}

TEST(Easter, KnownDates) {
    EXPECT_EQ(EasterDayOfYear(1981), 31 + 28 + 31 + 19);      // 19 April
    EXPECT_EQ(EasterDayOfYear(2049), 31 + 28 + 31 + 18);      // 18 April, Gauss's second exception
    EXPECT_EQ(EasterDayOfYear(2026), 31 + 28 + 31 + 5);       // 5 April
    EXPECT_EQ(EasterDayOfYear(2500), 31 + 28 + 31 + 18);      // 18 April; a pair fixed from 2400 on gave 17 April
}

TEST(Easter, EveryGregorianYearFrom1583To4099AgreesWithASecondAlgorithm) {
    for (int y = 1583; y <= 4099; ++y)
        ASSERT_EQ(EasterDayOfYear(y), DayOfYear(AnonymousGregorianEaster(y))) << y;
}

TEST(Easter, JulianBefore1583) {
    for (int y = 1; y < 1583; ++y) ASSERT_EQ(EasterDayOfYear(y), JulianEasterDayOfYear(y)) << y;
}

TEST(MonthGrid, February2001) {
    const MonthGrid grid = MakeMonthGrid(1, MakeYearInfo(2001));
    EXPECT_EQ(grid.firstWeekday, 3);
    EXPECT_EQ(grid.days[0], 29);
    EXPECT_EQ(grid.days[1], 30);
    EXPECT_EQ(grid.days[2], 31);
    EXPECT_EQ(grid.days[3], 1);
    EXPECT_EQ(grid.days[30], 28);
    EXPECT_EQ(grid.days[31], 1);
    EXPECT_EQ(grid.weekNumbers[0], 5);
    EXPECT_EQ(grid.daysOfYear[0], 29);
    EXPECT_EQ(grid.daysOfYear[31], 60);
}

TEST(MonthGrid, JanuaryGridsReachIntoTheYearBefore) {
    const MonthGrid january2002 = MakeMonthGrid(0, MakeYearInfo(2002));
    EXPECT_EQ(january2002.days[0], 31);
    EXPECT_EQ(january2002.daysOfYear[0], 365);

    const MonthGrid january2005 = MakeMonthGrid(0, MakeYearInfo(2005));
    const std::array<std::int16_t, kGridRows> weeks = {53, 1, 2, 3, 4, 5};
    EXPECT_EQ(january2005.weekNumbers, weeks);
    EXPECT_EQ(january2005.daysOfYear[0], 362);  // Monday 27 December 2004
}

TEST(MonthGrid, EveryMonthFrom1900To2100AgreesWithTheOracle) {
    for (int y = 1900; y <= 2100; ++y) {
        const YearInfo info = MakeYearInfo(y);
        for (int m = 0; m < 12; ++m) {
            const MonthGrid grid = MakeMonthGrid(m, info);
            const chr::sys_days first = chr::year{y} / (m + 1) / 1;
            ASSERT_EQ(grid.firstWeekday, IsoWeekday(first)) << y << '-' << m + 1;
            const chr::sys_days monday = first - chr::days{IsoWeekday(first)};
            for (int row = 0; row < kGridRows; ++row)
                ASSERT_EQ(grid.weekNumbers[row], IsoWeek(monday + chr::days{7 * row}))
                    << y << '-' << m + 1 << " row " << row;
            for (int n = 0; n < kGridCells; ++n) {
                const chr::year_month_day cell{monday + chr::days{n}};
                ASSERT_EQ(grid.days[n], static_cast<int>(static_cast<unsigned>(cell.day())))
                    << y << '-' << m + 1 << " cell " << n;
                ASSERT_EQ(grid.daysOfYear[n], DayOfYear(cell)) << y << '-' << m + 1 << " cell " << n;
            }
        }
    }
}

}  // namespace
}  // namespace horalo
