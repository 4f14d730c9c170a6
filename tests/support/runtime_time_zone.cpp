// The test programs take the zone as the program does, from the system,
// which Wine answers with the zone of the test run, so the tests meet
// Berlin's real daylight-saving changes.
#include <gtest/gtest.h>
#include <time.h>

#include "win/system_time_zone.h"

namespace {

const bool kRuntimeZoneFromSystem = [] {
    horalo::win::UseSystemTimeZone();
    return true;
}();

time_t LocalTime(int month, int day, int hour, int minute, int second) {
    tm fields{};
    fields.tm_year = 2024 - 1900;
    fields.tm_mon = month;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return mktime(&fields);
}

// Berlin moved its clocks on 31 March 2024; the runtime's own reading of TZ
// would have moved them on 10 March, with another country's rules.
TEST(RuntimeTimeZoneTest, TheTestsMeetBerlinsClockChanges) {
    EXPECT_EQ(LocalTime(2, 31, 3, 0, 0) - LocalTime(2, 31, 1, 59, 59), 1) << "the hour from 2:00 is skipped";
    EXPECT_EQ(LocalTime(2, 10, 3, 0, 0) - LocalTime(2, 10, 1, 59, 59), 3601) << "no change on 10 March";
    EXPECT_EQ(LocalTime(0, 15, 12, 0, 0) % 86400, 11 * 3600) << "noon in winter is 11:00 UTC";
}

}  // namespace
