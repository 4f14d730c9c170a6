#include "core/timelog/record_edits.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

#include "core/io/file_layer.h"
#include "core/calendar/local_time.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"
#include "resource_ids.h"

namespace horalo {
namespace {

// The end of the record at `position`, or none when no record of `log`
// starts there. A caller's position may be stale (another instance changed
// the log since it was read); cutting the log there would split a record.
std::optional<std::size_t> RecordAt(LogBytes log, RecordPosition position) {
    if (position < 0 || static_cast<unsigned long>(position) >= log.size()) return std::nullopt;
    const auto offset = static_cast<std::size_t>(position);
    const std::size_t end = RecordEnd(log, offset);
    if (end == offset || !IsRecordStart(log, offset)) return std::nullopt;
    return end;
}

// The start and end of the records at `positions` (ascending; a position
// named twice gives its record twice), or none when one of them is not
// where a record of `log` starts. One walk from the head serves them all,
// where a check of each on its own would walk the log once per position.
std::optional<std::vector<std::pair<std::size_t, std::size_t>>> RecordsAt(LogBytes log,
                                                                          std::span<const RecordPosition> positions) {
    std::vector<std::pair<std::size_t, std::size_t>> records;
    records.reserve(positions.size());
    std::size_t offset = 0;
    for (const RecordPosition position : positions) {
        if (position < 0) return std::nullopt;
        const auto wanted = static_cast<std::size_t>(position);
        std::size_t end = RecordEnd(log, offset);
        for (; offset < wanted && end != offset; end = RecordEnd(log, offset)) offset = end;
        if (offset != wanted || end == offset) return std::nullopt;
        records.emplace_back(offset, end);
    }
    return records;
}

}  // namespace

// A record that is only partly written would swallow every record appended
// after it, so a failed append cuts the log back to its old length. Where
// even that fails, the check at the next start sets the cut bytes aside.
bool AppendRecord(Host& host, const LogRecord& record) {
    LogFile log = OpenLogFile(host, "ab");
    if (!log) return false;
    const long oldLength = FileLength(log.get());
    if (!WriteRecord(host, record, log.get())) {
        Files().Truncate(log.get(), oldLength);
        return false;
    }
    const bool flushed = Files().FlushToDisk(log.get());
    if (!flushed) Files().Truncate(log.get(), oldLength);
    const bool closed = Files().Close(log.release());
    if (flushed && closed) return true;
    host.ShowMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
    return false;
}

bool DeleteRecordAt(Host& host, RecordPosition position) {
    const auto bytes = LoadLog(host);
    if (!bytes) return false;
    const LogBytes log(*bytes);
    const auto end = RecordAt(log, position);
    if (!end) return false;
    const LogBytes parts[] = {log.first(static_cast<std::size_t>(position)), log.subspan(*end)};
    return RewriteLog(host, parts);
}

bool InsertRecordAfter(Host& host, RecordPosition position, const LogRecord& record) {
    return InsertRecordsAfter(host, position, std::span(&record, 1));
}

// The kept runs are moved together in the image itself and written in one
// piece: a write for each run (two system calls apiece) made a hundred
// deletions half as dear again as one, and a new block as large as the log
// would add the first touch of every page.
bool DeleteRecordsAt(Host& host, std::span<const RecordPosition> positions) {
    if (positions.empty()) return false;
    std::vector<RecordPosition> sorted(positions.begin(), positions.end());
    std::sort(sorted.begin(), sorted.end());
    auto bytes = LoadLog(host);
    if (!bytes) return false;
    const auto records = RecordsAt(*bytes, sorted);
    if (!records) return false;
    std::uint8_t* const image = bytes->data();
    std::size_t kept = 0, runStart = 0;
    for (const auto& [start, end] : *records) {
        if (start < runStart) continue;  // a position named twice
        std::memmove(image + kept, image + runStart, start - runStart);
        kept += start - runStart;
        runStart = end;
    }
    std::memmove(image + kept, image + runStart, bytes->size() - runStart);
    kept += bytes->size() - runStart;
    const LogBytes parts[] = {LogBytes(image, kept)};
    return RewriteLog(host, parts);
}

// The record read is written again as read, as a record cut short by the end
// of the file would otherwise take the new records' bytes for its payload.
bool InsertRecordsAfter(Host& host, RecordPosition position, std::span<const LogRecord> records) {
    if (records.empty()) return false;
    const auto bytes = LoadLog(host);
    if (!bytes) return false;
    const LogBytes log(*bytes);
    const auto end = RecordAt(log, position);
    if (!end) return false;
    std::size_t offset = static_cast<std::size_t>(position);
    Bytes inserted = EncodeRecord(DecodeRecord(log, offset)->record);
    for (const LogRecord& record : records) {
        const Bytes encoded = EncodeRecord(record);
        inserted.insert(inserted.end(), encoded.begin(), encoded.end());
    }
    const LogBytes parts[] = {log.first(static_cast<std::size_t>(position)), inserted, log.subspan(*end)};
    return RewriteLog(host, parts);
}

bool ReplaceRecordAt(Host& host, RecordPosition position, const LogRecord& record) {
    const auto bytes = LoadLog(host);
    if (!bytes) return false;
    const LogBytes log(*bytes);
    const auto end = RecordAt(log, position);
    if (!end) return false;
    const Bytes replacement = EncodeRecord(record);
    const LogBytes parts[] = {log.first(static_cast<std::size_t>(position)), replacement, log.subspan(*end)};
    return RewriteLog(host, parts);
}

// Kept records are copied as they stand, in runs, so the log keeps every
// byte of what it keeps.
bool DeleteDateRange(Host& host, const CalendarDate& first, const CalendarDate& last) {
    // Daylight saving time as in effect on those days: taking it as not in
    // effect would move a summer range by an hour into the day after it.
    const long long from = MakeLocalTime(first.year, first.month, first.day, 0, 0, 0, DaylightSaving::FromCalendar);
    const long long to = MakeLocalTime(last.year, last.month, last.day, 23, 59, 59, DaylightSaving::FromCalendar);
    const auto bytes = LoadLog(host);
    if (!bytes) return false;
    const LogBytes log(*bytes);

    std::vector<LogBytes> kept;
    std::size_t runStart = 0, offset = 0;
    for (std::size_t end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        const auto time = RecordTime(log, offset);
        if (!time || *time < from || *time > to) continue;
        if (offset > runStart) kept.push_back(log.subspan(runStart, offset - runStart));
        runStart = end;
    }
    kept.push_back(log.subspan(runStart));  // the rest, a cut-off tag included
    return RewriteLog(host, kept);
}

// Not by opening the log with "wb": that empties it the moment it opens, so a
// failure reported afterwards (a close that fails) would find it gone.
bool DeleteWholeLog(Host& host) { return RewriteLog(host, {}); }

std::optional<LogRecord> ReadRecordAt(Host& host, RecordPosition position) {
    LogFile log = OpenLogFile(host, "rb");
    if (!log || !Files().Seek(log.get(), position, SEEK_SET)) return std::nullopt;
    auto stored = ReadRecord(log.get());
    if (!stored) return std::nullopt;
    return std::move(stored->record);
}

std::optional<TimeValue> ReadTimeAt(Host& host, RecordPosition position) {
    const auto record = ReadRecordAt(host, position);
    if (!record || !record->HasPayload()) return std::nullopt;
    return record->time;
}

}  // namespace horalo
