#include "core/calendar_days/year_days.h"

#include "core/calendar_days/calendar_day_table.h"

namespace horalo {

YearDays::YearDays(const SpecialEntryList& entries, const YearInfo& year) {
    placed_.reserve(entries.size());
    for (const SpecialEntry& entry : entries) placed_.emplace_back(SpecialEntryDay(entry, year), &entry);
}

KindOfDay YearDays::Of(int dayOfYear, int weekday) const {
    KindOfDay day;
    for (const auto& [placedOn, entry] : placed_) {
        if (placedOn != dayOfYear) continue;
        if (!day.first) day.first = entry;
        if (entry->holiday) {
            day.holiday = entry;
            break;
        }
    }
    if (day.holiday) day.kind = DayKind::Holiday;
    else if (weekday == 5) day.kind = DayKind::Saturday;
    else if (weekday == 6) day.kind = DayKind::Sunday;
    return day;
}

}  // namespace horalo
