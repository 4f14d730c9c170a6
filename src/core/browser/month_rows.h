#pragma once
// The rows the log browser shows for one month: a row per record in time
// order with the order checks of a working day, and filler rows for the
// days without records. The dialog, its tests and the command-line tool
// all take their rows from here.
#include <array>
#include <string>
#include <vector>

#include "core/calendar/year_info.h"
#include "core/calendar_days/calendar_entry.h"
#include "core/settings/settings_record.h"
#include "core/text/string_list.h"
#include "core/timelog/day_entries.h"

namespace horalo {

enum class RowKind : int {
    Sunday = 0,           // filler
    Saturday = 1,         // filler
    WorkStart = 2,
    WorkEnd = 3,
    Note = 4,
    Holiday = 5,          // filler
    Break = 6,
    CompensationDay = 7,
    AbsenceDay = 8,
    Problem = 9,          // an unreadable record, or a working day without records
};

// Weekday, date, time of day, duration, balance, text.
inline constexpr int kRowColumns = 6;
using RowTexts = std::array<std::string, kRowColumns>;

struct MonthRow {
    RowTexts texts;
    RowKind kind = RowKind::Problem;
    bool flagged = false;
    RecordPosition position = -1;  // -1 for a filler row
    // The code the text column names (1 to 4 order, 5 a working day without
    // records, 6 an unreadable record), 0 for none: reports need the number.
    int problem = 0;
    int day = 0;  // of the month the row stands on; 0 for an unreadable record
    // Into the row images: two per kind, plain then flagged.
    int ImageIndex() const { return static_cast<int>(kind) * 2 + (flagged ? 1 : 0); }
    bool operator==(const MonthRow&) const = default;
};

// The texts of the language library that rows are made with.
struct RowStrings {
    StringList weekdayNames;    // Sunday first (string 6030)
    std::string problemFormat;  // one %d: the problem code (6007)
    std::string workdayGapFormat;  // one %d, given 5 (6008)
    static RowStrings Load(Host& host);
};

// The rows of a month's entries (as ReadDayEntries gives them; entries of a
// month record or of no payload are passed over). `now` stands in for the
// time of an entry that has no local time.
std::vector<MonthRow> BuildMonthRows(const std::vector<DayEntry>& entries, const YearInfo& year,
                                     const SpecialEntryList& specialDays, const SettingsRecord& settings,
                                     const RowStrings& strings, TimeValue now);

// The first day of the month (0 to 11) that is neither a Saturday, a
// Sunday nor a holiday, 1 to 31; the first of the month when every day is one.
int FirstWorkingDay(int year, int month, const YearInfo& info, const SpecialEntryList& specialDays);

// "hh:mm", with " (-)" behind a negative difference; both times are cut to
// whole minutes first. Returns the text and the absolute difference in seconds.
struct MinutesDiff {
    std::string text;
    TimeValue seconds = 0;
};
MinutesDiff FormatMinutesDiff(TimeValue from, TimeValue to);

}  // namespace horalo
