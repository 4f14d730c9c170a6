#include "core/recorder/reminders.h"

#include <initializer_list>
#include <utility>

#include "core/calendar/calendar_date.h"
#include "core/recorder/day_split.h"

namespace horalo {
namespace {

constexpr TimeValue kMinute = 60;

bool BreakRuleDue(const BreakRule& rule, const DayFigures& f) {
    return f.presence >= rule.presenceMinutes * kMinute && f.breaks < rule.breakMinutes * kMinute;
}

// Gives the latest due reminder of a chain that has not fired, and marks
// it and every earlier one as had.
void TakeLatest(std::initializer_list<std::pair<Reminder, bool>> chain, ReminderDay& day,
                std::vector<Reminder>& due) {
    const std::pair<Reminder, bool>* latest = nullptr;
    for (const auto& link : chain)
        if (link.second) latest = &link;
    if (latest == nullptr || day.Fired(latest->first)) return;
    due.push_back(latest->first);
    for (const auto* link = chain.begin(); link <= latest; ++link) day.Mark(link->first);
}

}  // namespace

std::vector<Reminder> DueReminders(const DayFigures& f, TimeValue now, const ReminderSettings& s, ReminderDay& day) {
    const long dayNumber = f.start != 0 ? LocalDayNumber(f.start).value_or(0) : 0;
    if (dayNumber != day.day) day = {dayNumber, 0};
    std::vector<Reminder> due;
    if (f.state != DayState::Present || dayNumber == 0) return due;

    const bool hasMaximum = s.maximumWarning && f.maximumReached != 0;
    TakeLatest({{Reminder::RequiredReached, s.requiredReached && f.workRequired && now >= f.requiredReached},
                {Reminder::MaximumSoon,
                 hasMaximum && now >= f.maximumReached - s.minutesBeforeMaximum * kMinute},
                {Reminder::MaximumReached, hasMaximum && s.atMaximum && now >= f.maximumReached}},
               day, due);
    if (s.breaks)
        TakeLatest({{Reminder::FirstBreak, BreakRuleDue(s.firstBreak, f)},
                    {Reminder::SecondBreak, BreakRuleDue(s.secondBreak, f)}},
                   day, due);
    return due;
}

std::optional<BreakOffer> OfferAwayBreak(const AwaySpan& away, const ReminderSettings& settings) {
    if (!settings.awayAsBreak || !away.workingAtLock || !away.workingAtUnlock) return std::nullopt;
    if (away.lock < away.dayStart || away.unlock - away.lock < settings.awayMinimumMinutes * kMinute)
        return std::nullopt;
    if (!SameLocalDay(away.lock, away.dayStart)) return std::nullopt;
    if (!SameLocalDay(away.lock, away.unlock) && away.unlock - away.lock >= kShortestNightAway) return std::nullopt;
    return BreakOffer{away.lock, away.unlock};
}

}  // namespace horalo
