// Today at a glance over the log: the month read once a day or after a
// change, and the account with today's running day in it.
#include "core/recorder/glance.h"

#include "core/timelog/record_edits.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class GlanceTest : public TimeLogTest {
protected:
    void Append(LogRecordType type, TimeValue time) { ASSERT_FALSE(AppendRecord(host, LogRecord::Of(type, time))); }
    Glance At(TimeValue now, TimeValue breakStart = 0) { return source.At(host, now, breakStart, settings, noSpecialDays); }

    SettingsRecord settings = DefaultSettings();  // 7:45 required on a weekday
    SpecialEntryList noSpecialDays;
    GlanceSource source;
};

TEST_F(GlanceTest, TheAccountTakesTheRunningDayAndTheMonthIsReadOnceADayOrAfterAChange) {
    SetLog("");
    ASSERT_FALSE(StoreMonthRecord(host, 2026, 2, 100, 2).outcome);  // 1:00 carried in, 2 hours deducted
    Append(LogRecordType::WorkStart, LocalAt(2026, 2, 2, 8));        // Monday: 9:00 presence, 1:15 surplus
    Append(LogRecordType::WorkEnd, LocalAt(2026, 2, 2, 17));
    Append(LogRecordType::WorkStart, LocalAt(2026, 2, 3, 8));        // Tuesday, running
    const long long ended = (60 - 120 + 75) * 60LL;                  // carried, deducted, Monday

    const struct {
        TimeValue now;
        long long balance;
        DayState state;
    } minutes[] = {
        {LocalAt(2026, 2, 3, 8, 0), ended - 465 * 60LL, DayState::Present},
        {LocalAt(2026, 2, 3, 12, 0), ended - 225 * 60LL, DayState::Present},
        {LocalAt(2026, 2, 3, 15, 45), ended, DayState::Present},
    };
    for (const auto& minute : minutes) {
        const Glance glance = At(minute.now);
        EXPECT_EQ(glance.day.state, minute.state);
        EXPECT_EQ(glance.balance, minute.balance);
    }
    EXPECT_EQ(source.reads(), 1) << "one read for the day's minutes";

    Append(LogRecordType::WorkEnd, LocalAt(2026, 2, 3, 16));
    EXPECT_EQ(At(LocalAt(2026, 2, 3, 16, 1)).day.state, DayState::Present) << "not read again before told";
    source.LogChanged();
    const Glance after = At(LocalAt(2026, 2, 3, 16, 2));
    EXPECT_EQ(after.day.state, DayState::Ended);
    EXPECT_EQ(after.balance, ended + 15 * 60LL) << "the ended day now from the evaluation";
    EXPECT_EQ(source.reads(), 2);
    At(LocalAt(2026, 2, 4, 0, 1));
    EXPECT_EQ(source.reads(), 3) << "a new day reads again";
}

TEST_F(GlanceTest, ADayRunPastTheMonthsEndIsSeenOnTheFirstButCountsInItsOwnMonth) {
    SetLog("");
    Append(LogRecordType::WorkStart, LocalAt(2026, 2, 31, 22));  // Tuesday 31 March, running
    const Glance glance = At(LocalAt(2026, 3, 1, 1, 0));
    EXPECT_EQ(glance.day.state, DayState::Present);
    EXPECT_EQ(glance.day.start, LocalAt(2026, 2, 31, 22));
    EXPECT_EQ(glance.balance, 0) << "April's account holds nothing of March's day";
}

}  // namespace
}  // namespace horalo
