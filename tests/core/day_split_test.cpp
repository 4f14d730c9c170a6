// When a night away is offered as the end of one day and the start of the
// next, and what that writes; local days in Berlin.
#include <gtest/gtest.h>

#include "core/recorder/day_split.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

TEST(DaySplit, OfferedOnlyForAWholeNightAwayAfterTheDayBegan) {
    auto at = [](int day, int hour, int minute) { return test::LocalAt(2024, 2, day, hour, minute); };
    auto end = [&](int day, int hour, int minute) { return LogRecord::Of(LogRecordType::WorkEnd, at(day, hour, minute)); };
    auto start = [&](int day, int hour, int minute) { return LogRecord::Of(LogRecordType::WorkStart, at(day, hour, minute)); };
    struct Case {
        const char* what;
        std::optional<TimeValue> breakStart;
        TimeValue left, now, way;
        std::vector<LogRecord> written;  // empty: not offered
    } const cases[] = {
        {"woken the same day", {}, at(5, 12, 0), at(5, 23, 59), 600, {}},
        {"the next morning", {}, at(5, 18, 0), at(6, 8, 0), 600, {end(5, 18, 10), start(6, 7, 50)}},
        {"days later, no way time", {}, at(5, 18, 0), at(11, 9, 0), 0, {end(5, 18, 0), start(11, 9, 0)}},
        {"on a break", at(5, 17, 30), at(5, 18, 0), at(6, 8, 0), 600,
         {LogRecord::Break(at(5, 17, 30), at(5, 18, 0)), end(5, 18, 10), start(6, 7, 50)}},
        {"left after midnight", {}, at(6, 1, 0), at(6, 9, 0), 600, {end(6, 1, 10), start(6, 8, 50)}},
        {"away 59 minutes over midnight", {}, at(5, 23, 30), at(6, 0, 29), 600, {}},
        {"left before the day began", {}, at(5, 7, 0), at(6, 8, 0), 600, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DaySplit split = PlanDaySplit(at(5, 8, 0), c.breakStart, c.left, c.now, c.way);
        EXPECT_EQ(split.offered, !c.written.empty());
        EXPECT_EQ(split.records, c.written);
    }
}

}  // namespace
}  // namespace horalo
