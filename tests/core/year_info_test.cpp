#include "core/calendar/year_info.h"

#include <gtest/gtest.h>

#include <chrono>

#include "calendar_oracle.h"
#include "core/calendar/calendar_date.h"

namespace horalo {
namespace {

namespace chr = std::chrono;
using test::DayOfYear;
using test::IsoWeek;
using test::IsoWeekday;

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

TEST(YearInfoEaster, KnownDates) {
    EXPECT_EQ(EasterDayOfYear(1981), 31 + 28 + 31 + 19);      // 19 April
    EXPECT_EQ(EasterDayOfYear(2049), 31 + 28 + 31 + 18);      // 18 April, Gauss's second exception
    EXPECT_EQ(EasterDayOfYear(2026), 31 + 28 + 31 + 5);       // 5 April
    EXPECT_EQ(EasterDayOfYear(2500), 31 + 28 + 31 + 18);      // 18 April; a pair fixed from 2400 on gave 17 April
}

TEST(YearInfoEaster, EveryGregorianYearFrom1583To4099AgreesWithASecondAlgorithm) {
    for (int y = 1583; y <= 4099; ++y)
        ASSERT_EQ(EasterDayOfYear(y), DayOfYear(AnonymousGregorianEaster(y))) << y;
}

TEST(YearInfoEaster, JulianBefore1583) {
    for (int y = 1; y < 1583; ++y) ASSERT_EQ(EasterDayOfYear(y), JulianEasterDayOfYear(y)) << y;
}

}  // namespace
}  // namespace horalo
