#pragma once
// Appending to the log, and reading, deleting, inserting and replacing
// records by their position.
#include <optional>
#include <span>

#include "core/calendar/calendar_date.h"
#include "core/host.h"
#include "core/timelog/log_record.h"

namespace horalo {

// Appends one record and flushes it to the disk before closing, so a record
// reported as written survives a power cut; a write or flush that fails
// cuts the log back to its old length. Messages: 6019 (open), 6022 (write,
// flush or close).
bool AppendRecord(Host& host, const LogRecord& record);

// The rewrites below change the log only when `position` is where a record
// of the current log starts; a position that is stale, in the middle of a
// record or at the end changes nothing and shows no message. They return
// whether the log was changed. Records before the position keep theirs.
bool DeleteRecordAt(Host& host, RecordPosition position);
// Writes `record` behind the one at `position`; in an empty log nothing is
// inserted.
bool InsertRecordAfter(Host& host, RecordPosition position, const LogRecord& record);
bool ReplaceRecordAt(Host& host, RecordPosition position, const LogRecord& record);

// Deletes the records at all positions in one rewrite: either every one of
// them is gone or, when a position is stale or the rewrite fails, none is.
// Positions may come in any order; a position named twice counts once. No
// positions: the log is not even read, and the result is false.
bool DeleteRecordsAt(Host& host, std::span<const RecordPosition> positions);
// Writes `records`, in their order, directly behind the one at `position`,
// in one rewrite; when `records` is empty nothing is read or written, and
// the result is false.
bool InsertRecordsAfter(Host& host, RecordPosition position, std::span<const LogRecord> records);

// Deletes every record from the first day 00:00:00 to the last day
// 23:59:59 local time (year, month and day of the dates), month records
// included; records without a payload are kept.
bool DeleteDateRange(Host& host, const CalendarDate& first, const CalendarDate& last);
// Empties the log, month records included, by the same rewrite as every other
// change, so a failure leaves the old log whole. The log is not read; where
// there is none, an empty one is made.
bool DeleteWholeLog(Host& host);

// The time of the record at `position`; none when the log cannot be
// opened, no record is there, or the record has no payload.
std::optional<TimeValue> ReadTimeAt(Host& host, RecordPosition position);
// The record at `position` (its type is its tag, and a tag above 6 has no
// payload); none when the log cannot be opened or no record is there.
std::optional<LogRecord> ReadRecordAt(Host& host, RecordPosition position);

}  // namespace horalo
