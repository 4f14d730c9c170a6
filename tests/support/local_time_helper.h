#pragma once
// The one way the tests, native and Windows, make a local time from its
// fields. Months count from 0 (January) to 11, as the core's date type and
// MakeLocalTime count them; daylight saving is the one in effect on that
// day. The tests run with TZ=Europe/Berlin, so these are Berlin's times.
#include "core/calendar/local_time.h"
#include "core/clock.h"

namespace horalo::test {

inline TimeValue LocalAt(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return static_cast<TimeValue>(MakeLocalTime(year, month, day, hour, minute, second, DaylightSaving::FromCalendar));
}

}  // namespace horalo::test
