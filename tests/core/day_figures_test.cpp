#include "core/recorder/day_figures.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/evaluation/month_evaluation.h"
#include "test_host.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::LocalAt;
constexpr TimeValue kMinute = 60;

DayEntry Entry(DayEntryType type, TimeValue time) {
    return {0, type, LogRecord::Of(static_cast<LogRecordType>(type), time), {}};
}
DayEntry Start(TimeValue time) { return Entry(DayEntryType::WorkStart, time); }
DayEntry End(TimeValue time) { return Entry(DayEntryType::WorkEnd, time); }
DayEntry Pause(TimeValue from, TimeValue to) { return {0, DayEntryType::Break, LogRecord::Break(from, to), {}}; }

// March 2026: Monday the 2nd, Tuesday the 3rd, Saturday the 7th.
TimeValue Mar(int day, int hour, int minute, int second = 0) { return LocalAt(2026, 2, day, hour, minute, second); }

using DayFiguresTest = test::TimeLogTest;  // for Berlin time

TEST_F(DayFiguresTest, StatesAndFiguresThroughTheDay) {
    const SettingsRecord settings = DefaultSettings();  // 7 h work, 45 min break allowance, no maximum
    const std::vector<DayEntry> mondayDone = {Start(Mar(2, 8, 0, 30)), Pause(Mar(2, 12, 0), Mar(2, 12, 30, 59)),
                                              End(Mar(2, 16, 45, 59))};
    const std::vector<DayEntry> nightShift = {Start(Mar(2, 18, 0)), Pause(Mar(2, 23, 30), Mar(3, 0, 30))};
    const std::vector<DayEntry> absent = {Entry(DayEntryType::AbsenceDay, Mar(3, 0, 0))};
    struct Case {
        const char* name;
        std::vector<DayEntry> entries;
        TimeValue breakStart, now;
        DayFigures expected;
    } cases[] = {
        {"nothing recorded", {}, 0, Mar(3, 9, 0), {}},
        {"yesterday ended, today not started", mondayDone, 0, Mar(3, 7, 0), {}},
        {"present, start cut to the minute", {Start(Mar(3, 8, 0, 30))}, 0, Mar(3, 10, 15, 40),
         {DayState::Present, Mar(3, 8, 0), 0, 0, 135 * kMinute, 0, true, Mar(3, 15, 45), 0}},
        {"on a break: the running break counts up to now",
         {Start(Mar(3, 8, 0)), Pause(Mar(3, 10, 0), Mar(3, 10, 10))}, Mar(3, 12, 0), Mar(3, 12, 20, 30),
         {DayState::OnBreak, Mar(3, 8, 0), 0, Mar(3, 12, 0), 260 * kMinute, 30 * kMinute, true, Mar(3, 16, 15), 0}},
        {"after a break across midnight the day is still the start's", nightShift, 0, Mar(3, 1, 15),
         {DayState::Present, Mar(2, 18, 0), 0, 0, 435 * kMinute, 60 * kMinute, true, Mar(3, 2, 45), 0}},
        {"after the end", mondayDone, 0, Mar(2, 18, 0),
         {DayState::Ended, Mar(2, 8, 0), Mar(2, 16, 45), 0, 525 * kMinute, 30 * kMinute, true, Mar(2, 16, 15), 0}},
        {"an absence today", absent, 0, Mar(3, 10, 0), {DayState::DayOff}},
        {"yesterday's absence", absent, 0, Mar(4, 10, 0), {}},
        {"a Saturday requires nothing", {Start(Mar(7, 9, 0))}, 0, Mar(7, 10, 0),
         {DayState::Present, Mar(7, 9, 0), 0, 0, 60 * kMinute, 0, false, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(FigureDay(c.entries, c.breakStart, c.now, settings), c.expected) << c.name;
}

// The moments must agree with the evaluation: an end of work given at the
// required moment (anywhere in its minute) leaves a surplus of exactly 0, and
// one at the maximum is not above it while a minute later is.
TEST_F(DayFiguresTest, MomentsAgreeWithTheMonthEvaluation) {
    struct Case {
        int workHours, workMinutes, breakHours, breakMinutes, wayMinutes;
    } cases[] = {{7, 0, 0, 45, 0}, {8, 0, 0, 0, 0}, {7, 30, 0, 30, 10}, {6, 59, 1, 59, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        SettingsRecord settings = DefaultSettings();
        settings.workHours = c.workHours, settings.workMinutes = c.workMinutes;
        settings.breakHours = c.breakHours, settings.breakMinutes = c.breakMinutes;
        settings.wayMinutes = c.wayMinutes, settings.maxHours = 9, settings.maxMinutes = 30;
        const std::vector<DayEntry> day = {Start(Mar(3, 7, 58, 40)), Pause(Mar(3, 9, 0, 10), Mar(3, 9, 17, 5))};
        const DayFigures f = FigureDay(day, Mar(3, 12, 0, 50), Mar(3, 12, 33, 0), settings);
        ASSERT_EQ(f.breaks, 16 * kMinute + 32 * kMinute);  // each cut to whole minutes

        // What ending then writes: the break up to then, and the end with the way time.
        const auto evaluate = [&](TimeValue endCommand, bool& aboveMaximum) {
            std::vector<DayEntry> entries = day;
            entries.push_back(Pause(Mar(3, 12, 0, 50), Mar(3, 12, 33, 0)));
            entries.push_back(End(endCommand + c.wayMinutes * kMinute));
            test::TestHost host;
            const SpecialEntryList special;
            MonthEvaluation out;
            const WithOutcome<bool> evaluated =
                EvaluateMonth(host, entries, {2026, 2, 0, settings, true, special, StringList{}}, out);
            EXPECT_TRUE(evaluated.value);
            aboveMaximum = evaluated.outcome.has_value();
            return out.days[2];
        };
        bool above = false;
        for (TimeValue second : {0, 59}) {
            const DayEvaluation at = evaluate(f.requiredReached + second, above);
            EXPECT_EQ(at.surplus + at.deficit, 0);
        }
        EXPECT_EQ(evaluate(f.requiredReached - 1, above).deficit, kMinute);
        evaluate(f.maximumReached + 59, above);
        EXPECT_FALSE(above);
        evaluate(f.maximumReached + kMinute, above);
        EXPECT_TRUE(above);
    }
}

}  // namespace
}  // namespace horalo
