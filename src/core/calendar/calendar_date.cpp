#include "core/calendar/calendar_date.h"

namespace horalo {
namespace {
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}  // namespace

CalendarDate CalendarDate::Of(int year, int month, int day) {
    CalendarDate date;
    date.year = static_cast<std::int16_t>(year);
    date.month = month;
    date.day = static_cast<std::int16_t>(day);
    SetDayOfYearAndWeekday(date);
    return date;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int MonthLength(int year, int month) {
    return kMonthLengths[month] + (month == 1 && IsLeapYear(year) ? 1 : 0);
}

int DaysBeforeMonth(int year, int month) {
    int days = 0;
    for (int m = 0; m < month; ++m) days += MonthLength(year, m);
    return days;
}

long DaysBeforeYear(int year) {
    const long y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

void SetDayOfYearAndWeekday(CalendarDate& date) {
    date.dayOfYear = static_cast<std::int16_t>(DaysBeforeMonth(date.year, date.month) + date.day);
    date.weekday = static_cast<std::int32_t>((DaysBeforeYear(date.year) + date.dayOfYear - 1) % 7);
}

bool ToCalendarDate(TimeValue time, CalendarDate& out) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return false;
    out.year = static_cast<std::int16_t>(local.tm_year + 1900);
    out.month = local.tm_mon;
    out.day = static_cast<std::int16_t>(local.tm_mday);
    out.dayOfYear = static_cast<std::int16_t>(local.tm_yday + 1);
    out.weekday = MondayFirst(local.tm_wday);
    out.hour = static_cast<std::int16_t>(local.tm_hour);
    out.minute = static_cast<std::int16_t>(local.tm_min);
    out.second = static_cast<std::int16_t>(local.tm_sec);
    return true;
}

std::optional<long> LocalDayNumber(TimeValue time) {
    CalendarDate date;
    if (!ToCalendarDate(time, date)) return std::nullopt;
    return DaysBeforeYear(date.year) + date.dayOfYear;
}

bool SameLocalDay(TimeValue a, TimeValue b) {
    const auto first = LocalDayNumber(a), second = LocalDayNumber(b);
    return first && second && *first == *second;
}

bool CurrentDate(CalendarDate& out) { return ToCalendarDate(Now(), out); }

}  // namespace horalo
