#pragma once
// A month as every view of it needs it, from one read of the log: the
// month records (the balance carried in, the hours deducted), the month's
// entries and their evaluation. The time sheet, horalo-cli and the
// benchmarks take their months from here.
#include <cstdint>
#include <vector>

#include "core/calendar_days/calendar_entry.h"
#include "core/evaluation/month_evaluation.h"
#include "core/host.h"
#include "core/io/byte_block.h"
#include "core/outcome.h"
#include "core/settings/settings_record.h"
#include "core/timelog/day_entries.h"
#include "core/timelog/month_records.h"

namespace horalo {

struct LoadedMonth {
    int year = 0;
    int month = 0;                    // 0 to 11
    MonthRecordList monthRecords;     // every month record of the log (LoadMonth only)
    std::vector<DayEntry> entries;    // the month's, in time order
    std::int32_t carriedBalance = 0;  // the month record's: hours * 100 + minutes, signed
    std::int32_t hoursDeducted = 0;   // the month record's
    MonthEvaluation evaluation;       // with that carried balance
    bool complete = false;            // the entries are in an order a sheet is made of
    Outcome maximumNotice;            // string 6003 when a day is above the daily maximum
};

// The month of a log read before, whose month records are `records`: a
// tool that looks at many months reads the log once for all of them, and
// keeps the records itself.
LoadedMonth MonthOfLog(Host& host, LogBytes log, const MonthRecordList& records, int year, int month,
                       const SettingsRecord& settings, const SpecialEntryList& specialEntries);

// Reads the log once. When it cannot be opened or read, the outcome says so
// and the month has no records and no entries.
WithOutcome<LoadedMonth> LoadMonth(Host& host, int year, int month, const SettingsRecord& settings,
                                   const SpecialEntryList& specialEntries);

}  // namespace horalo
