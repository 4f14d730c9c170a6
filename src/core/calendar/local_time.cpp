#include "core/calendar/local_time.h"

#include <stdlib.h>

namespace horalo {

void UseSystemTimeZone() {
#ifdef _WIN32
    _putenv("TZ=");
    _tzset();
#endif
}

bool ToLocalTime(TimeValue time, std::tm& out) {
    if (time < 0) return false;
    const std::time_t value = time;
#ifdef _WIN32
    return localtime_s(&out, &value) == 0;
#else
    return localtime_r(&value, &out) != nullptr;
#endif
}

long long MakeLocalTime(int year, int month, int day, int hour, int minute, int second, DaylightSaving dst) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = static_cast<int>(dst);
    return std::mktime(&fields);
}

}  // namespace horalo
