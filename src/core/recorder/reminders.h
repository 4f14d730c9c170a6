#pragma once
// When to remind the user of the working day: the required time reached,
// the daily maximum coming and reached, breaks due by the presence, and a
// locked screen's time offered as a break. Decisions only; the windows say
// them.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/clock.h"
#include "core/recorder/day_figures.h"
#include "core/settings/reminder_settings.h"

namespace horalo {

enum class Reminder : std::uint8_t {
    RequiredReached,
    MaximumSoon,
    MaximumReached,
    FirstBreak,   // presence and breaks of the first break rule
    SecondBreak,  // of the second
};

// Which reminders a day has had. The day is the one of its start, so a day
// running past midnight does not remind again.
struct ReminderDay {
    long day = 0;             // LocalDayNumber of the day's start; 0 before any
    std::uint8_t fired = 0;   // one bit per Reminder
    bool Fired(Reminder reminder) const { return (fired >> static_cast<int>(reminder) & 1) != 0; }
    void Mark(Reminder reminder) { fired |= static_cast<std::uint8_t>(1 << static_cast<int>(reminder)); }
    bool operator==(const ReminderDay&) const = default;
};

// The reminders due at `now` (the time the figures were made at), each at
// most once a day, and marks them in `day`, which starts afresh with a new
// day. Nothing is due unless the user is present and not on a break; the
// reminders wait for the break's end. Where a later reminder of the same
// kind is due already (the program was not running, or the machine slept),
// only that one is given and the earlier counts as had: the maximum
// reached stands for the warning before it and for the required time, the
// second break rule for the first.
std::vector<Reminder> DueReminders(const DayFigures& figures, TimeValue now, const ReminderSettings& settings,
                                   ReminderDay& day);

// A time the screen was locked, as the caller knows it.
struct AwaySpan {
    TimeValue dayStart = 0;     // the running day's WorkStart
    TimeValue lock = 0;
    TimeValue unlock = 0;
    bool workingAtLock = false;    // present, and no break running
    // Still present with no break running at the unlock, and nothing
    // recorded in between (a break, an end, a split of the day).
    bool workingAtUnlock = false;
};

struct BreakOffer {
    TimeValue start = 0;
    TimeValue end = 0;
    bool operator==(const BreakOffer&) const = default;
};

// The break to offer for the time away: from the lock to the unlock, when
// the user was working all along and away at least the minimum. None for a
// lock after the local day of the day's start (the time sheet places a
// break only on its day's date), and none for a night away, which the day
// split offers to end the day at instead.
std::optional<BreakOffer> OfferAwayBreak(const AwaySpan& away, const ReminderSettings& settings);

}  // namespace horalo
