#pragma once
// The rules by which a month of the log becomes working times and the
// flextime balance: the numbers the time sheet prints and the user is paid by.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/clock.h"
#include "core/host.h"
#include "core/outcome.h"
#include "core/settings/settings_record.h"
#include "core/timelog/day_entries.h"
#include "core/calendar_days/calendar_entry.h"
#include "core/text/string_list.h"

namespace horalo {

constexpr int kMonthSlots = 31;

// Durations and balances in seconds; times truncated to the minute. A day
// without records keeps every value 0.
struct DayEvaluation {
    TimeValue start = 0;
    TimeValue end = 0;
    std::int32_t presence = 0;
    std::int32_t breaks = 0;
    std::int32_t surplus = 0;
    std::int32_t deficit = 0;
    std::int32_t balance = 0;   // the month's running balance after this day's end
    bool hasStart = false;      // also set by a compensation day
    bool hasEnd = false;
    bool absence = false;
    bool compensation = false;
    std::optional<std::string> note;  // the day's note, or a holiday or weekend note
};

struct MonthEvaluation {
    std::array<DayEvaluation, kMonthSlots> days;  // days[0] is the 1st
    std::int32_t surplusTotal = 0;
    std::int32_t deficitTotal = 0;
    std::int32_t balance = 0;

    void Clear() { *this = MonthEvaluation(); }
};

// What the evaluation needs besides the entries.
struct MonthEvaluationContext {
    int year = 0;                  // full year of the month, e.g. 2026
    int month = 0;                 // 0 to 11
    std::int32_t carriedBalance = 0;  // from the month record: hours * 100 + minutes, signed
    const SettingsRecord& settings;
    bool warn = false;             // tell 6003 when a day exceeds the daily maximum
    const SpecialEntryList& specialEntries;  // for the holiday notes
    const StringList& weekdayNames;          // Sunday first, for the weekend notes
};

// Evaluates the month's entries (in time order, as ReadDayEntries gives
// them) into `out`. An entry that breaks the order of a working day ends the
// evaluation with false; what was computed until then stays, and no notes
// are added. A whole month with a day above the daily maximum has string
// 6003, without an icon, for its outcome when `warn` is set.
WithOutcome<bool> EvaluateMonth(Host& host, std::span<const DayEntry> entries, const MonthEvaluationContext& context,
                                MonthEvaluation& out);

}  // namespace horalo
