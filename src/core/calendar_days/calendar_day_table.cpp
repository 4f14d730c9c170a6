#include "core/calendar_days/calendar_day_table.h"

#include "core/calendar/calendar_date.h"

namespace horalo {
namespace {
int PositiveModulo(int value, int divisor) { return ((value % divisor) + divisor) % divisor; }
}  // namespace

std::int16_t SpecialEntryDay(const SpecialEntry& entry, const YearInfo& year) {
    // A month outside 0 to 11 comes only from a damaged file; it must not
    // index past the month table.
    const int month = PositiveModulo(entry.month, 12);
    int base = entry.easter ? year.easterDay + entry.day : DaysBeforeMonth(year.year, month) + entry.day;
    if (entry.ordinal != 0) {
        const int weekdayAfterBase = PositiveModulo(year.firstWeekday + base, 7);
        const int step = PositiveModulo(entry.weekday - weekdayAfterBase, 7);
        base += 1 + step + 7 * (entry.ordinal > 0 ? entry.ordinal - 1 : entry.ordinal);
    }
    return static_cast<std::int16_t>(base + entry.offset);
}

std::vector<const SpecialEntry*> SpecialEntriesOnDay(const SpecialEntryList& list, const YearInfo& year,
                                                     int dayOfYear, bool holidaysOnly) {
    std::vector<const SpecialEntry*> found;
    for (const SpecialEntry& entry : list) {
        if (found.size() == kMaxSpecialEntriesOnDay) break;
        if (SpecialEntryDay(entry, year) == dayOfYear && (!holidaysOnly || entry.holiday))
            found.push_back(&entry);
    }
    return found;
}

void FillSpecialDayTable(const SpecialEntryList& list, SpecialDayTable& table, const YearInfo& year) {
    table.clear();
    for (const SpecialEntry& entry : list) table.push_back({SpecialEntryDay(entry, year), entry.holiday});
}

}  // namespace horalo
