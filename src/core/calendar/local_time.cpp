#include "core/calendar/local_time.h"

#include <mutex>

namespace horalo {

bool ToLocalTime(TimeValue time, std::tm& out) {
    if (time < 0) return false;
    const std::time_t value = time;
    // The C library's localtime fills one buffer shared by its callers; the
    // lock keeps two threads of ours from filling it at once.
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    const std::tm* local = std::localtime(&value);
    if (!local) return false;
    out = *local;
    return true;
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
