#pragma once
// Today at a glance: how far the working day has come, for the tray's
// tooltip, the main dialog's status line and the reminders. Counted as the
// month evaluation counts the day once it ends, so what the glance promises
// is what the balance then shows.
#include <cstdint>
#include <span>

#include "core/clock.h"
#include "core/settings/settings_record.h"
#include "core/timelog/day_entries.h"

namespace horalo {

enum class DayState {
    NotStarted,  // no day today, or today's day has not begun
    Present,
    OnBreak,
    Ended,
    DayOff,      // an absence or compensation day
};

// Times and durations in seconds, cut to whole minutes as the evaluation
// cuts them.
struct DayFigures {
    DayState state = DayState::NotStarted;
    TimeValue start = 0;       // the day's WorkStart; 0 without a started day
    TimeValue end = 0;         // the WorkEnd of an ended day
    TimeValue breakStart = 0;  // the running break's start
    TimeValue presence = 0;    // from the start to now, or to the end
    TimeValue breaks = 0;      // the breaks taken, the running one up to now
    // A weekend day requires nothing; the reached moments are then 0.
    bool workRequired = false;
    // When an end of work (its way time added, as every end is written)
    // leaves the day a surplus of exactly 0; it moves while a break runs.
    TimeValue requiredReached = 0;
    // When such an end puts the day at the daily maximum, which the
    // evaluation warns of one minute later; 0 when no maximum is set.
    TimeValue maximumReached = 0;

    bool Running() const { return state == DayState::Present || state == DayState::OnBreak; }
    TimeValue Net() const { return presence - breaks; }
    bool operator==(const DayFigures&) const = default;
};

// The figures of the day `now` belongs to, from entries in time order (as
// ReadDayEntries gives them) that hold at least the current day and the
// one before; earlier entries do no harm. The day is the one of its
// WorkStart, as everywhere in the program: a day started yesterday and not
// ended is still today's running day after midnight. An ended day is shown
// until the end of the local day it ended on, then the next day has not
// started. `breakStart` is the break the recorder holds in memory, 0 when
// none runs; its record is written only when it ends.
//
// Whether a day requires work follows the evaluation: every day but
// Saturday and Sunday, so the required moment agrees with the balance.
DayFigures FigureDay(std::span<const DayEntry> entries, TimeValue breakStart, TimeValue now,
                     const SettingsRecord& settings);

}  // namespace horalo
