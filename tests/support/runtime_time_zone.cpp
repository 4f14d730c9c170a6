// The test programs take the zone as the program does, from the system,
// which Wine answers with the zone of the test run, so the tests meet
// Berlin's real daylight-saving changes.
#include <gtest/gtest.h>

#include "local_time_helper.h"
#include "win/system_time_zone.h"

namespace {

using horalo::test::LocalAt;

const bool kRuntimeZoneFromSystem = [] {
    horalo::win::UseSystemTimeZone();
    return true;
}();

// Berlin moved its clocks on 31 March 2024; the runtime's own reading of TZ
// would have moved them on 10 March, with another country's rules.
TEST(RuntimeTimeZoneTest, TheTestsMeetBerlinsClockChanges) {
    EXPECT_EQ(LocalAt(2024, 2, 31, 3) - LocalAt(2024, 2, 31, 1, 59, 59), 1) << "the hour from 2:00 is skipped";
    EXPECT_EQ(LocalAt(2024, 2, 10, 3) - LocalAt(2024, 2, 10, 1, 59, 59), 3601) << "no change on 10 March";
    EXPECT_EQ(LocalAt(2024, 0, 15, 12) % 86400, 11 * 3600) << "noon in winter is 11:00 UTC";
}

}  // namespace
