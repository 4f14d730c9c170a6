#pragma once
// What kind of day a day is: a working day, a Saturday, a Sunday or a
// holiday with its name. The time log's filler rows, the time sheet's day
// notes and the calendar all ask here, so they cannot disagree on a day.
#include <cstdint>
#include <utility>
#include <vector>

#include "core/calendar/year_info.h"
#include "core/calendar_days/calendar_entry.h"

namespace horalo {

enum class DayKind { Working, Saturday, Sunday, Holiday };

// weekday: 0 = Monday to 6 = Sunday.
constexpr bool IsWeekend(int weekday) { return weekday >= 5; }

struct KindOfDay {
    // A holiday counts before a weekend: the day is named after it.
    DayKind kind = DayKind::Working;
    const SpecialEntry* holiday = nullptr;  // the first entry with the holiday flag, for its name
    const SpecialEntry* first = nullptr;    // the first entry of any kind
};

// The special entries placed on the days of one year, once; the list must
// outlive it.
class YearDays {
public:
    YearDays(const SpecialEntryList& entries, const YearInfo& year);
    KindOfDay Of(int dayOfYear, int weekday) const;

private:
    std::vector<std::pair<std::int16_t, const SpecialEntry*>> placed_;  // in list order
};

}  // namespace horalo
