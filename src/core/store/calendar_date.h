#pragma once
// Calendar arithmetic of the program's own: proleptic Gregorian days of
// year and weekdays, Monday = 0, months 0 to 11, so every screen and sheet
// agrees on a day whatever the C library's calendar can do.
#include <cstdint>
#include <ctime>

#include "core/clock.h"
#include "core/store/local_time.h"

namespace horalo {

struct CalendarDate {
    std::int16_t year = 0;
    std::int32_t month = 0;       // 0 = January
    std::int16_t day = 0;         // day of month, 1 to 31
    std::int16_t dayOfYear = 0;   // 1 = 1 January
    std::int32_t weekday = 0;     // 0 = Monday to 6 = Sunday
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t second = 0;
};

bool IsLeapYear(int year);
// Month 0 to 11; February follows the year.
int MonthLength(int year, int month);
// The days of the months before the given one (0 for January).
int DaysBeforeMonth(int year, int month);
// Days from 1 January of year 1 (day 0, a Monday) to 1 January of the year.
long DaysBeforeYear(int year);

// Sets day of year and weekday from year, month and day of month.
void SetDayOfYearAndWeekday(CalendarDate& date);

// The local date and time of Now(); false when the clock gives no local time.
bool CurrentDate(CalendarDate& out);

}  // namespace horalo
