#include "core/calendar/calendar_date.h"

#include <gtest/gtest.h>

#include <chrono>

#include "calendar_oracle.h"
#include "core/clock.h"

namespace horalo {
namespace {

namespace chr = std::chrono;
using test::DayOfYear;
using test::IsoWeekday;

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

}  // namespace
}  // namespace horalo
