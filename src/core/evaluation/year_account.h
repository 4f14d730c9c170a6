#pragma once
// The flextime account of a year, month by month, each month from the one
// month read: what the year window and `horalo-cli year` show, so the two
// always agree.
#include <array>
#include <cstdint>

#include "core/calendar_days/calendar_entry.h"
#include "core/evaluation/loaded_month.h"
#include "core/host.h"
#include "core/io/byte_block.h"
#include "core/outcome.h"
#include "core/settings/settings_record.h"
#include "core/timelog/month_records.h"

namespace horalo {

struct MonthAccount {
    int month = 0;                       // 0 to 11
    bool complete = false;               // a sheet can be made of the month's entries
    std::int64_t presence = 0;           // seconds, every day's
    std::int32_t surplus = 0;            // seconds
    std::int32_t deficit = 0;            // seconds
    std::int32_t carriedBalance = 0;     // the month record's: hours * 100 + minutes, signed
    std::int32_t hoursDeducted = 0;      // the month record's
    std::int32_t finalBalance = 0;       // seconds, as the month's time sheet ends
    std::int32_t nextCarriedBalance = 0; // the following month's record: hours * 100 + minutes
    // Whether the final balance was carried into the following month: the
    // mistake users make most is a carried balance that was never updated.
    bool carriedOver = false;
};

struct YearAccount {
    int year = 0;
    std::array<MonthAccount, 12> months{};
};

// The year of a log read before, whose month records are `records`.
YearAccount YearOfLog(Host& host, LogBytes log, const MonthRecordList& records, int year,
                      const SettingsRecord& settings, const SpecialEntryList& specialEntries);

// Reads the log once for the whole year. When it cannot be read, the
// outcome says so and the year is that of an empty log.
WithOutcome<YearAccount> LoadYear(Host& host, int year, const SettingsRecord& settings,
                                  const SpecialEntryList& specialEntries);

}  // namespace horalo
