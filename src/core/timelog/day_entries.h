#pragma once
// One month of the log in time order, as the log browser and the time sheet
// read it.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/timelog/log_record.h"
#include "core/timelog/record_ref.h"

namespace horalo {

enum class DayEntryType : std::uint32_t {
    WorkEnd = 0,
    WorkStart = 1,
    Break = 2,
    Note = 3,
    AbsenceDay = 4,
    CompensationDay = 5,
    UnreadableEntry = 7,  // its time has no local time: the C library cannot convert it
};

struct DayEntry {
    RecordPosition position = 0;
    DayEntryType type = DayEntryType::WorkEnd;
    LogRecord record;
    Bytes bytes;  // the record as the log holds it, so an edit can name it
    bool operator==(const DayEntry&) const = default;

    RecordRef ref() const { return {position, bytes}; }
};

// The records of the log whose local time lies in the month (full year,
// month 0 to 11), sorted by time; records of equal time keep the order of
// the log. A record whose time has no local time comes as unreadable in the
// months its time lies in or next to, and in every month that itself has no
// time; a C library with 64-bit times converts every time a log holds.
// Month records and records without payload are left out. Positions are
// offsets in `log`.
std::vector<DayEntry> DayEntriesOf(LogBytes log, int year, int month);

// The same of the file, read from its position to its end, positions counted
// from the file's start; no entries when the file cannot be read or holds
// more than kLargestLogSize bytes there. The caller closes the file.
std::vector<DayEntry> ReadDayEntries(int year, int month, std::FILE* file);

}  // namespace horalo
