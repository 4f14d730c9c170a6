#include "core/recorder/day_figures.h"

#include <cstdlib>

#include "core/calendar/calendar_date.h"
#include "core/calendar_days/year_days.h"

namespace horalo {
namespace {

constexpr TimeValue kMinute = 60;

TimeValue ToMinute(TimeValue time) { return time - time % kMinute; }
// A break's length as the evaluation adds it: whole minutes, truncated.
TimeValue BreakLength(TimeValue start, TimeValue end) { return std::llabs(end - start) / kMinute * kMinute; }

bool OpensDay(DayEntryType type) {
    return type == DayEntryType::WorkStart || type == DayEntryType::AbsenceDay ||
           type == DayEntryType::CompensationDay;
}

// The moments an end of work reaches a net presence of `net`: the end is
// written with the way time added, so it is given that much earlier.
void SetMoments(DayFigures& f, const SettingsRecord& s) {
    const TimeValue way = TimeValue{s.wayMinutes} * kMinute;
    const TimeValue base = f.start + f.breaks - way;
    CalendarDate date;
    f.workRequired = ToCalendarDate(f.start, date) && !IsWeekend(date.weekday);
    if (f.workRequired) f.requiredReached = base + RequiredNetSeconds(s);
    // As in the evaluation: the break allowance on top of the maximum, and
    // none while its hours are 0.
    if (s.maxHours != 0) f.maximumReached = base + MaximumNetSeconds(s);
}

}  // namespace

DayFigures FigureDay(std::span<const DayEntry> entries, TimeValue breakStart, TimeValue now,
                     const SettingsRecord& settings) {
    DayFigures f;
    std::size_t opener = entries.size();
    for (std::size_t i = entries.size(); i-- > 0;)
        if (OpensDay(entries[i].type)) {
            opener = i;
            break;
        }
    if (opener == entries.size()) return f;

    const DayEntry& first = entries[opener];
    if (first.type != DayEntryType::WorkStart) {
        if (SameLocalDay(first.record.time, now)) f.state = DayState::DayOff;
        return f;
    }

    f.start = ToMinute(first.record.time);
    bool ended = false;
    for (std::size_t i = opener + 1; i < entries.size() && !ended; ++i) {
        const DayEntry& entry = entries[i];
        if (entry.type == DayEntryType::Break) {
            f.breaks += BreakLength(entry.record.time, entry.record.breakEnd);
        } else if (entry.type == DayEntryType::WorkEnd) {
            f.end = ToMinute(entry.record.time);
            ended = true;
        }
    }

    if (ended) {
        if (!SameLocalDay(f.start, now) && !SameLocalDay(f.end, now)) return {};
        f.state = DayState::Ended;
        f.presence = f.end - f.start;
    } else {
        f.presence = ToMinute(now) - f.start;
        f.state = DayState::Present;
        if (breakStart != 0) {
            f.state = DayState::OnBreak;
            f.breakStart = breakStart;
            f.breaks += BreakLength(breakStart, now);
        }
    }
    SetMoments(f, settings);
    return f;
}

}  // namespace horalo
