#pragma once
// The program's one date type and its calendar arithmetic: proleptic
// Gregorian, independent of what the C library's calendar can do, so every
// screen and sheet agrees on a day. Conventions, for the core and every
// window:
//   year       the full year (2026), never years since 1900;
//   month      0 = January to 11 = December; 1 to 12 only in texts shown;
//   day        day of month, 1 to 31; dayOfYear 1 = 1 January;
//   weekday    0 = Monday to 6 = Sunday. The C library's Sunday = 0 (and
//              WeekdayNames, Sunday first) are converted where they meet
//              this type, with MondayFirst and SundayFirst.
#include <cstdint>
#include <optional>
#include <ctime>

#include "core/calendar/local_time.h"
#include "core/clock.h"

namespace horalo {

struct CalendarDate {
    std::int16_t year = 0;
    std::int32_t month = 0;
    std::int16_t day = 0;
    std::int16_t dayOfYear = 0;
    std::int32_t weekday = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t second = 0;

    // Midnight of the day, with day of year and weekday set.
    static CalendarDate Of(int year, int month, int day);
    bool operator==(const CalendarDate&) const = default;
};

constexpr int MondayFirst(int sundayFirstWeekday) { return (sundayFirstWeekday + 6) % 7; }
constexpr int SundayFirst(int mondayFirstWeekday) { return (mondayFirstWeekday + 1) % 7; }

bool IsLeapYear(int year);
// February follows the year.
int MonthLength(int year, int month);
// The days of the months before the given one (0 for January).
int DaysBeforeMonth(int year, int month);
// Days from 1 January of year 1 (day 0, a Monday) to 1 January of the year.
long DaysBeforeYear(int year);

// Sets day of year and weekday from year, month and day of month.
void SetDayOfYearAndWeekday(CalendarDate& date);

// The local date and time of a log time; false when it has none (before 1970).
bool ToCalendarDate(TimeValue time, CalendarDate& out);
// The local day of a log time as a count of days (see DaysBeforeYear), so
// that days compare as numbers; none when the time has no local time.
std::optional<long> LocalDayNumber(TimeValue time);
// Whether both times have a local time on the same local day.
bool SameLocalDay(TimeValue a, TimeValue b);
// The local date and time of Now(); false when the clock gives no local time.
bool CurrentDate(CalendarDate& out);

}  // namespace horalo
