#pragma once
// What the calendar, the sheet and the special days need to know of a year.
#include <cstdint>

namespace horalo {

struct YearInfo {
    std::int32_t firstWeekday = 0;  // weekday of 1 January, 0 = Monday
    std::int32_t leap = 0;          // 1 in a leap year
    std::int16_t easterDay = 0;     // day of year of Easter Sunday
    std::int16_t weeks = 0;         // ISO weeks of the year, 52 or 53
    std::int16_t year = 0;
};

YearInfo MakeYearInfo(int year);

// Day of year of Easter Sunday: Gauss's rule with the Gregorian pair (M, N)
// of the year's century from 1583 on, the Julian pair before.
int EasterDayOfYear(int year);

}  // namespace horalo
