#pragma once
// The one place where log times meet the C library's local time.
#include <ctime>

#include "core/clock.h"

namespace horalo {

// Local time of a time. Times before 1970 (a clock set wrong, never a time
// of the log) have no local time, as in the Windows C runtime, whatever the
// host's C library could do; the 64-bit time_t of both runtimes converts
// every time up to 2106 and beyond.
bool ToLocalTime(TimeValue time, std::tm& out);

enum class DaylightSaving {
    FromCalendar = -1,  // as in effect on that day
    NotInEffect = 0,    // month keys: the same key whatever the season
};

// The time of local fields (month 0 to 11; days and months out of range
// roll over as in mktime); -1 when there is none.
long long MakeLocalTime(int year, int month, int day, int hour, int minute, int second, DaylightSaving dst);

}  // namespace horalo
