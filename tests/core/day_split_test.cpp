// When a night away is offered as the end of one day and the start of the
// next, and what that writes; local days in Berlin.
#include <gtest/gtest.h>

#include "core/recorder/day_split.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::Berlin;

TEST(DaySplit, OfferedOnlyForAWholeNightAwayAfterTheDayBegan) {
    const TimeValue start = Berlin(2024, 3, 5, 8, 0), way = 600;
    const LogRecord end = LogRecord::Of(LogRecordType::WorkEnd, Berlin(2024, 3, 5, 18, 10));
    auto next = [](int day, int hour, int minute) { return LogRecord::Of(LogRecordType::WorkStart, Berlin(2024, 3, day, hour, minute)); };
    struct Case {
        const char* what;
        std::optional<TimeValue> breakStart;
        TimeValue left, now, way;
        std::vector<LogRecord> written;  // empty: not offered
    };
    const Case cases[] = {
        {"woken the same day", {}, Berlin(2024, 3, 5, 12, 0), Berlin(2024, 3, 5, 23, 59), way, {}},
        {"the next morning", {}, Berlin(2024, 3, 5, 18, 0), Berlin(2024, 3, 6, 8, 0), way, {end, next(6, 7, 50)}},
        {"after a weekend", {}, Berlin(2024, 3, 5, 18, 0), Berlin(2024, 3, 11, 9, 0), way, {end, next(11, 8, 50)}},
        {"no way time", {}, Berlin(2024, 3, 5, 18, 0), Berlin(2024, 3, 6, 8, 0), 0,
         {LogRecord::Of(LogRecordType::WorkEnd, Berlin(2024, 3, 5, 18, 0)), next(6, 8, 0)}},
        {"on a break", Berlin(2024, 3, 5, 17, 30), Berlin(2024, 3, 5, 18, 0), Berlin(2024, 3, 6, 8, 0), way,
         {LogRecord::Break(Berlin(2024, 3, 5, 17, 30), Berlin(2024, 3, 5, 18, 0)), end, next(6, 7, 50)}},
        {"late work, left after midnight", {}, Berlin(2024, 3, 6, 1, 0), Berlin(2024, 3, 6, 9, 0), way,
         {LogRecord::Of(LogRecordType::WorkEnd, Berlin(2024, 3, 6, 1, 10)), next(6, 8, 50)}},
        {"away less than an hour over midnight", {}, Berlin(2024, 3, 5, 23, 30), Berlin(2024, 3, 6, 0, 29), way, {}},
        {"left before the day began", {}, Berlin(2024, 3, 5, 7, 0), Berlin(2024, 3, 6, 8, 0), way, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DaySplit split = PlanDaySplit(start, c.breakStart, c.left, c.now, c.way);
        EXPECT_EQ(split.offered, !c.written.empty());
        EXPECT_EQ(split.records, c.written);
    }
}

}  // namespace
}  // namespace horalo
