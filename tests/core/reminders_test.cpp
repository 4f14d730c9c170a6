#include "core/recorder/reminders.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "time_log_test_files.h"

namespace horalo {
namespace {

constexpr TimeValue kMinute = 60;
// Tuesday 3 March 2026 and the days after it.
TimeValue Mar(int day, int hour, int minute) { return test::LocalAt(2026, 2, day, hour, minute); }

struct Plan {
    int startHour = 8;
    std::vector<std::pair<int, int>> breaks;  // minutes from the start: from, to
    int endMinute = 12 * 60;
};
using Fired = std::vector<std::pair<Reminder, TimeValue>>;

DayEntry Entry(const LogRecord& record) { return {0, static_cast<DayEntryType>(record.tag), record, {}}; }

// Asks every minute from `firstCheck` on, as the main dialog's timer does,
// with what the log and the recorder hold then, through the days given.
Fired Simulate(const Plan& plan, const ReminderSettings& reminders, std::initializer_list<int> days,
               int firstCheck = -60) {
    SettingsRecord settings = DefaultSettings();  // 7 h work, 45 min break allowance
    settings.maxHours = 10;
    ReminderDay state;
    Fired fired;
    for (int day : days) {
        const TimeValue start = Mar(day, plan.startHour, 0);
        const auto at = [start](int minute) { return start + minute * kMinute; };
        for (int minute = firstCheck; minute < plan.endMinute + 60; ++minute) {
            std::vector<DayEntry> entries;
            TimeValue breakStart = 0;
            if (minute >= 0) entries.push_back(Entry(LogRecord::Of(LogRecordType::WorkStart, start)));
            for (const auto& [from, to] : plan.breaks) {
                if (minute >= to) entries.push_back(Entry(LogRecord::Break(at(from), at(to))));
                else if (minute >= from) breakStart = at(from);
            }
            if (minute >= plan.endMinute)
                entries.push_back(Entry(LogRecord::Of(LogRecordType::WorkEnd, at(plan.endMinute))));
            const DayFigures figures = FigureDay(entries, breakStart, at(minute), settings);
            for (Reminder reminder : DueReminders(figures, at(minute), reminders, state))
                fired.push_back({reminder, at(minute)});
        }
    }
    return fired;
}

using RemindersTest = test::TimeLogTest;  // for Berlin time

TEST_F(RemindersTest, MinuteByMinute) {
    ReminderSettings all, quiet;
    all.requiredReached = true;
    quiet.maximumWarning = quiet.breaks = false;
    const Plan shortBreak{8, {{4 * 60, 4 * 60 + 20}}};  // 20 minutes at noon; the end at 20:00
    // A second break runs across the six-hour mark and brings the breaks to 35 minutes.
    const Plan acrossTheMark{8, {{4 * 60, 4 * 60 + 20}, {5 * 60 + 50, 6 * 60 + 5}}};
    struct {
        const char* name;
        Plan plan;
        const ReminderSettings& settings;
        int firstCheck;
        Fired expected;
    } cases[] = {
        {"each once, in time", shortBreak, all, -60,
         {{Reminder::FirstBreak, Mar(3, 14, 0)}, {Reminder::RequiredReached, Mar(3, 16, 5)},
          {Reminder::SecondBreak, Mar(3, 17, 0)}, {Reminder::MaximumSoon, Mar(3, 18, 50)},
          {Reminder::MaximumReached, Mar(3, 19, 5)}}},
        {"switched off", shortBreak, quiet, -60, {}},
        {"a break across the six-hour mark waits, then answers the rule", acrossTheMark, all, -60,
         {{Reminder::RequiredReached, Mar(3, 16, 20)}, {Reminder::SecondBreak, Mar(3, 17, 0)},
          {Reminder::MaximumSoon, Mar(3, 19, 5)}, {Reminder::MaximumReached, Mar(3, 19, 20)}}},
        {"a break of 15 minutes from 13:55: the rule is told at its end", {8, {{355, 370}}}, all, -60,
         {{Reminder::FirstBreak, Mar(3, 14, 10)}, {Reminder::RequiredReached, Mar(3, 16, 0)},
          {Reminder::SecondBreak, Mar(3, 17, 0)}, {Reminder::MaximumSoon, Mar(3, 18, 45)},
          {Reminder::MaximumReached, Mar(3, 19, 0)}}},
        {"first asked late: only the latest of each kind", shortBreak, all, 11 * 60 + 10,
         {{Reminder::MaximumReached, Mar(3, 19, 10)}, {Reminder::SecondBreak, Mar(3, 19, 10)}}},
    };
    for (const auto& c : cases) EXPECT_EQ(Simulate(c.plan, c.settings, {3}, c.firstCheck), c.expected) << c.name;
}

// A new day starts afresh; a day running past midnight stays its start's day.
TEST_F(RemindersTest, OncePerDay) {
    const Fired twoDays = Simulate(Plan{8, {}}, {}, {3, 4});
    ASSERT_EQ(twoDays.size(), 8U);
    EXPECT_EQ(twoDays[4], std::pair(Reminder::FirstBreak, Mar(4, 14, 0)));
    const Fired night = {{Reminder::FirstBreak, Mar(3, 22, 0)}, {Reminder::SecondBreak, Mar(4, 1, 0)},
                         {Reminder::MaximumSoon, Mar(4, 2, 30)}, {Reminder::MaximumReached, Mar(4, 2, 45)}};
    EXPECT_EQ(Simulate(Plan{16, {}}, {}, {3}), night);
}

TEST_F(RemindersTest, AwayTimeAsABreak) {
    ReminderSettings on, off;
    on.awayAsBreak = true;
    const TimeValue start = Mar(3, 8, 0);
    struct {
        const char* name;
        AwaySpan away;
        const ReminderSettings& settings;
        bool offered;
    } cases[] = {
        {"the minimum", {start, Mar(3, 10, 0), Mar(3, 10, 15), true, true}, on, true},
        {"a second short", {start, Mar(3, 10, 0), Mar(3, 10, 15) - 1, true, true}, on, false},
        {"switched off", {start, Mar(3, 10, 0), Mar(3, 11, 0), true, true}, off, false},
        {"not working at the lock", {start, Mar(3, 10, 0), Mar(3, 11, 0), false, true}, on, false},
        {"something recorded while away", {start, Mar(3, 10, 0), Mar(3, 11, 0), true, false}, on, false},
        {"late work across midnight", {start, Mar(3, 23, 40), Mar(4, 0, 20), true, true}, on, true},
        {"a night away is the day split's", {start, Mar(3, 23, 0), Mar(4, 0, 0), true, true}, on, false},
        {"a lock after the day's date", {start, Mar(4, 0, 30), Mar(4, 1, 0), true, true}, on, false},
    };
    for (const auto& c : cases) {
        const std::optional<BreakOffer> offer = OfferAwayBreak(c.away, c.settings);
        EXPECT_EQ(offer, c.offered ? std::optional(BreakOffer{c.away.lock, c.away.unlock}) : std::nullopt) << c.name;
    }
}

}  // namespace
}  // namespace horalo
