#pragma once
// The calendar as <chrono> and the C library see it: the oracle the date
// arithmetic, the year info and the month grids are checked against.
#include <chrono>
#include <ctime>
#include <string>

namespace horalo::test {

inline int DayOfYear(const std::chrono::year_month_day& date) {
    const std::chrono::sys_days first = date.year() / std::chrono::January / 1;
    return static_cast<int>((std::chrono::sys_days{date} - first).count()) + 1;
}

inline int IsoWeekday(std::chrono::sys_days day) {
    return static_cast<int>(std::chrono::weekday{day}.iso_encoding()) - 1;
}

// strftime's %V reads only these fields, so no time zone or time_t range
// can get in the way of the oracle.
inline int IsoWeek(std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    std::tm fields{};
    fields.tm_year = static_cast<int>(date.year()) - 1900;
    fields.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    fields.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    fields.tm_wday = static_cast<int>(std::chrono::weekday{day}.c_encoding());
    fields.tm_yday = DayOfYear(date) - 1;
    char text[8] = {};
    std::strftime(text, sizeof text, "%V", &fields);
    return std::stoi(text);
}

}  // namespace horalo::test
