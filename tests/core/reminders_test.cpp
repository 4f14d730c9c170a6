#include "core/recorder/reminders.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::Berlin;
constexpr TimeValue kMinute = 60;

// Tuesday 3 March 2026 and the days after it.
TimeValue Mar(int day, int hour, int minute) { return Berlin(2026, 3, day, hour, minute); }

struct Plan {
    int startHour = 8;
    std::vector<std::pair<int, int>> breaks;  // minutes from the start: from, to
    int endMinute = 12 * 60;
};

using Fired = std::vector<std::pair<Reminder, TimeValue>>;

// Asks every minute from `firstCheck` on, as the main dialog's timer does,
// what the log and the recorder hold then, over the days given.
Fired Simulate(const Plan& plan, const ReminderSettings& reminders, std::initializer_list<int> days,
               int firstCheckMinute = -60) {
    SettingsRecord settings = DefaultSettings();  // 7 h work, 45 min break allowance
    settings.maxHours = 10;
    ReminderDay state;
    Fired fired;
    for (int day : days) {
        const TimeValue start = Mar(day, plan.startHour, 0);
        for (int minute = firstCheckMinute; minute < plan.endMinute + 60; ++minute) {
            const TimeValue now = start + minute * kMinute;
            std::vector<DayEntry> entries;
            TimeValue breakStart = 0;
            if (minute >= 0) entries.push_back({0, DayEntryType::WorkStart, LogRecord::Of(LogRecordType::WorkStart, start), {}});
            for (const auto& [from, to] : plan.breaks) {
                if (minute >= to)
                    entries.push_back({0, DayEntryType::Break,
                                       LogRecord::Break(start + from * kMinute, start + to * kMinute), {}});
                else if (minute >= from)
                    breakStart = start + from * kMinute;
            }
            if (minute >= plan.endMinute)
                entries.push_back({0, DayEntryType::WorkEnd,
                                   LogRecord::Of(LogRecordType::WorkEnd, start + plan.endMinute * kMinute), {}});
            const DayFigures figures = FigureDay(entries, breakStart, now, settings);
            for (Reminder reminder : DueReminders(figures, now, reminders, state)) fired.push_back({reminder, now});
        }
    }
    return fired;
}

class RemindersTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint; }
};

TEST_F(RemindersTest, MinuteByMinute) {
    ReminderSettings all;
    all.requiredReached = true;
    ReminderSettings defaults;
    ReminderSettings quiet;
    quiet.maximumWarning = false;
    quiet.breaks = false;
    const Plan shortBreak{8, {{4 * 60, 4 * 60 + 20}}};  // 20 minutes at noon, the end at 20:00
    // A second break runs across the six-hour mark and brings the breaks to 35 minutes.
    const Plan acrossTheMark{8, {{4 * 60, 4 * 60 + 20}, {5 * 60 + 50, 6 * 60 + 5}}};
    // A break of 15 minutes from 13:55, across the six-hour mark.
    const Plan duringTheMark{8, {{5 * 60 + 55, 6 * 60 + 10}}};
    struct {
        const char* name;
        Plan plan;
        ReminderSettings settings;
        int firstCheck;
        Fired expected;
    } cases[] = {
        {"each once, in time",
         shortBreak,
         all,
         -60,
         {{Reminder::FirstBreak, Mar(3, 14, 0)},
          {Reminder::RequiredReached, Mar(3, 16, 5)},
          {Reminder::SecondBreak, Mar(3, 17, 0)},
          {Reminder::MaximumSoon, Mar(3, 18, 50)},
          {Reminder::MaximumReached, Mar(3, 19, 5)}}},
        {"by default no required time", shortBreak, defaults, -60,
         {{Reminder::FirstBreak, Mar(3, 14, 0)},
          {Reminder::SecondBreak, Mar(3, 17, 0)},
          {Reminder::MaximumSoon, Mar(3, 18, 50)},
          {Reminder::MaximumReached, Mar(3, 19, 5)}}},
        {"switched off", shortBreak, quiet, -60, {}},
        {"a break across the mark answers the first rule", acrossTheMark, defaults, -60,
         {{Reminder::SecondBreak, Mar(3, 17, 0)},
          {Reminder::MaximumSoon, Mar(3, 19, 5)},
          {Reminder::MaximumReached, Mar(3, 19, 20)}}},
        {"nothing during a break: the rule waits for its end", duringTheMark, all, -60,
         {{Reminder::FirstBreak, Mar(3, 14, 10)},
          {Reminder::RequiredReached, Mar(3, 16, 0)},
          {Reminder::SecondBreak, Mar(3, 17, 0)},
          {Reminder::MaximumSoon, Mar(3, 18, 45)},
          {Reminder::MaximumReached, Mar(3, 19, 0)}}},
        {"started late in the day: only the latest of each kind", shortBreak, all, 11 * 60 + 10,
         {{Reminder::MaximumReached, Mar(3, 19, 10)}, {Reminder::SecondBreak, Mar(3, 19, 10)}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Simulate(c.plan, c.settings, {3}, c.firstCheck), c.expected) << c.name;
    }
}

// A new day starts afresh; a day running past midnight stays its start's day.
TEST_F(RemindersTest, OncePerDay) {
    ReminderSettings settings;
    const Plan plan{8, {}};
    const Fired twoDays = Simulate(plan, settings, {3, 4});
    ASSERT_EQ(twoDays.size(), 8U);
    EXPECT_EQ(twoDays[4], std::pair(Reminder::FirstBreak, Mar(4, 14, 0)));

    // Started at 16:00; the maximum comes after midnight, and so does the 9-hour mark.
    const Fired night = Simulate(Plan{16, {}, 12 * 60}, settings, {3});
    const Fired expected = {{Reminder::FirstBreak, Mar(3, 22, 0)},
                            {Reminder::SecondBreak, Mar(4, 1, 0)},
                            {Reminder::MaximumSoon, Mar(4, 2, 30)},
                            {Reminder::MaximumReached, Mar(4, 2, 45)}};
    EXPECT_EQ(night, expected);
}

TEST_F(RemindersTest, AwayTimeAsABreak) {
    ReminderSettings on;
    on.awayAsBreak = true;
    const ReminderSettings off;
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
        EXPECT_EQ(offer.has_value(), c.offered) << c.name;
        if (offer) EXPECT_EQ(*offer, (BreakOffer{c.away.lock, c.away.unlock})) << c.name;
    }
}

}  // namespace
}  // namespace horalo
