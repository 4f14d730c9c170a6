#pragma once
// The values kept per month (carried balance, hours deducted) in the month
// records at the head of the log.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/host.h"
#include "core/timelog/log_record.h"
#include "core/timelog/record_ref.h"

namespace horalo {

struct MonthRecordEntry {
    RecordPosition position = 0;
    TimeValue monthKey = 0;
    std::int32_t hoursDeducted = 0;
    std::int32_t carriedBalance = 0;  // hours * 100 + minutes
    bool operator==(const MonthRecordEntry&) const = default;
};

using MonthRecordList = std::vector<MonthRecordEntry>;

// The first day of the month (0 to 11) at 00:00:00 local standard time, with
// daylight saving time taken as not in effect, so every key of a month is
// the same time; -1 when the C library has none. Months after February 2106
// have keys the log cannot hold.
TimeValue MonthKey(int year, int month);

// The month records at the head of the file, from its position up to the
// first record of another type, sorted by key; equal keys keep file order.
MonthRecordList ReadMonthRecords(std::FILE* file);
// The same of a log held in memory.
MonthRecordList MonthRecordsOf(LogBytes log);

// A month to store is looked up in the month records of the log as it is at
// the time of the change, never in a list a caller has held since: a
// position from a stale list would cut a record in two.

// Replaces the month's record where it stands, or writes a new one in front
// of all records (which moves every position). Returns the list read anew
// from the log, or none, with the message, when the log was not changed or
// cannot be read again (a month whose key the log cannot hold is refused
// with string 6022).
WithOutcome<std::optional<MonthRecordList>> StoreMonthRecord(Host& host, int year, int month,
                                                             std::int32_t carriedBalance, std::int32_t hoursDeducted);

// What a list of month records holds of the entry it shows.
RecordRef RefOf(const MonthRecordEntry& entry);

// Removes the referenced month record.
EditResult RemoveMonthRecord(Host& host, const RecordRef& month);

// Moves the referenced month record to the month (year, month 0 to 11) with
// the new values, in one rewrite: the new month's former record is dropped,
// the moved record replaces the old one where it stands.
EditResult ChangeMonthRecord(Host& host, const RecordRef& old, int year, int month, std::int32_t carriedBalance,
                             std::int32_t hoursDeducted);

// The month's values, 0 when it has no entry.
std::int32_t MonthHoursDeducted(const MonthRecordList& list, int year, int month);
std::int32_t MonthCarriedBalance(const MonthRecordList& list, int year, int month);

}  // namespace horalo
