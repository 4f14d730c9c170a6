#pragma once
// Appending to the log, and reading, deleting, inserting and replacing
// records by their position.
#include <optional>
#include <span>

#include "core/calendar/calendar_date.h"
#include "core/host.h"
#include "core/timelog/log_record.h"
#include "core/timelog/record_ref.h"

namespace horalo {

// Appends one record and flushes it to the disk before closing, so a record
// reported as written survives a power cut; a write or flush that fails
// cuts the log back to its old length. None when written; else the message:
// 6019 (open), 6022 (write, flush or close, or a time the log cannot hold).
Outcome AppendRecord(Host& host, const LogRecord& record);

// The rewrites below name their records by reference and change the log
// only when every referenced record still stands at its place with its
// bytes (see RecordRef); records before a changed place keep theirs, and
// appends move none, so a reference stays good across them. A new record
// with a time the log cannot hold is refused (Failed, string 6022) before
// the log is read.

// Deletes the records in one rewrite: either every one of them is gone or
// none is. A record referenced twice counts once. No references: the log is
// not even read, and the result is Changed.
EditResult DeleteRecords(Host& host, std::span<const RecordRef> records);
// Writes `records`, in their order, directly behind the referenced one, in
// one rewrite; when `records` is empty nothing is read or written, and the
// result is Changed.
EditResult InsertRecordsAfter(Host& host, const RecordRef& anchor, std::span<const LogRecord> records);
// Writes each record behind the last record of the log whose time is not
// later than its own (at the start where there is none), all in one
// rewrite; `records` come in time order. Month records and records of
// unknown types have no time and are passed over; a record cut short by
// the end of the log stays last. Done or Failed: nothing is referenced.
EditResult InsertRecordsInOrder(Host& host, std::span<const LogRecord> records);
EditResult ReplaceRecord(Host& host, const RecordRef& record, const LogRecord& replacement);
// Done when the referenced record still stands at its place with its bytes,
// before the user is asked for an edit that could not be made.
EditResult LookUpRecord(Host& host, const RecordRef& record);

// Deletes every record from the first day 00:00:00 local time up to the
// day after the last one, 00:00:00 (year, month and day of the dates),
// month records included; records without a payload are kept. None when
// done; else the rewrite's message.
Outcome DeleteDateRange(Host& host, const CalendarDate& first, const CalendarDate& last);
// Empties the log, month records included, by the same rewrite as every other
// change, so a failure leaves the old log whole. The log is not read; where
// there is none, an empty one is made.
Outcome DeleteWholeLog(Host& host);

}  // namespace horalo
