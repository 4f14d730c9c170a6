#include "core/recorder/glance.h"

#include "core/calendar/calendar_date.h"
#include "core/sheet/time_sheet.h"

namespace horalo {

Glance GlanceSource::At(Host& host, TimeValue now, TimeValue breakStart, const SettingsRecord& settings,
                        const SpecialEntryList& specialEntries) {
    CalendarDate today;
    const std::optional<long> day = LocalDayNumber(now);
    if (!ToCalendarDate(now, today) || !day) return {};
    if (stale_ || *day != day_) {
        month_ = LoadMonth(host, today.year, today.month, settings, specialEntries).value;
        entries_ = month_.entries;
        if (today.day == 1) {
            const int year = today.month == 0 ? today.year - 1 : today.year;
            const int month = (today.month + 11) % 12;
            std::vector<DayEntry> before = LoadMonth(host, year, month, settings, specialEntries).value.entries;
            entries_.insert(entries_.begin(), before.begin(), before.end());
            ++reads_;
        }
        ++reads_;
        stale_ = false;
        day_ = *day;
    }
    Glance glance;
    glance.day = FigureDay(entries_, breakStart, now, settings);
    glance.balance = month_.evaluation.balance - DeductedSeconds(month_.hoursDeducted);
    // The month's evaluation counts a day when it ends; a running day of
    // this month counts as if it ended now.
    CalendarDate started;
    if (glance.day.Running() && ToCalendarDate(glance.day.start, started) && started.month == today.month &&
        started.year == today.year) {
        glance.balance += glance.day.Net() - (glance.day.workRequired ? RequiredNetSeconds(settings) : 0);
    }
    return glance;
}

}  // namespace horalo
