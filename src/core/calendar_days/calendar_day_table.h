#pragma once
// Where the special entries fall in a given year.
#include <cstdint>
#include <vector>

#include "core/calendar_days/calendar_entry.h"
#include "core/calendar/year_info.h"

namespace horalo {

// Callers show at most this many entries of one day.
constexpr std::size_t kMaxSpecialEntriesOnDay = 16;

struct SpecialDaySlot {
    std::int16_t dayOfYear = 0;
    bool holiday = false;
    bool operator==(const SpecialDaySlot&) const = default;
};

// One slot per entry of the list, in list order, for the year it was filled for.
using SpecialDayTable = std::vector<SpecialDaySlot>;

// The day of year on which the entry falls; it may lie outside 1 to 365 + leap
// when a rule leads out of the year.
std::int16_t SpecialEntryDay(const SpecialEntry& entry, const YearInfo& year);

// The entries falling on the day of year, in list order, at most
// kMaxSpecialEntriesOnDay; with holidaysOnly only those with the holiday flag.
std::vector<const SpecialEntry*> SpecialEntriesOnDay(const SpecialEntryList& list, const YearInfo& year,
                                                     int dayOfYear, bool holidaysOnly);

void FillSpecialDayTable(const SpecialEntryList& list, SpecialDayTable& table, const YearInfo& year);

}  // namespace horalo
