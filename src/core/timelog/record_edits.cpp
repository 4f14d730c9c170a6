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
#include "core/text/text_ids.h"

namespace horalo {

// A record that is only partly written would swallow every record appended
// after it, so a failed append cuts the log back to its old length. Where
// even that fails, the check at the next start sets the cut bytes aside.
Outcome AppendRecord(Host& host, const LogRecord& record) {
    auto [log, opened] = OpenLogFile(host, "ab");
    if (!log) return opened;
    const long oldLength = FileLength(log.get());
    if (Outcome failed = WriteRecord(record, log.get())) {
        Files().Truncate(log.get(), oldLength);
        return failed;
    }
    const bool flushed = Files().FlushToDisk(log.get());
    if (!flushed) Files().Truncate(log.get(), oldLength);
    const bool closed = Files().Close(log.release());
    if (!flushed || !closed) return LibraryMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
    host.LogChanged();
    return std::nullopt;
}

namespace {

// The log and where the referenced records stand in it, or why not.
struct Located {
    std::optional<LogImage> image;
    std::vector<RecordSpan> spans;
    EditResult result = EditResult::Done;
};

Located Locate(Host& host, std::span<const RecordRef> refs) {
    Located located;
    auto [image, outcome] = LoadLog(host);
    located.image = std::move(image);
    if (!located.image) {
        located.result = std::move(*outcome);
        return located;
    }
    auto spans = FindRecords(*located.image, refs);
    if (!spans) located.result = EditResult::Changed;
    else located.spans = std::move(*spans);
    return located;
}

}  // namespace

// The kept runs are moved together in the image itself and written in one
// piece: a write for each run (two system calls apiece) made a hundred
// deletions half as dear again as one, and a new block as large as the log
// would add the first touch of every page.
EditResult DeleteRecords(Host& host, std::span<const RecordRef> records) {
    if (records.empty()) return EditResult::Changed;
    Located located = Locate(host, records);
    if (located.result != EditResult::Done) return located.result;
    LogImage& bytes = *located.image;
    std::uint8_t* const image = bytes.data();
    std::size_t kept = 0, runStart = 0;
    for (const auto& [start, end] : located.spans) {
        std::memmove(image + kept, image + runStart, start - runStart);
        kept += start - runStart;
        runStart = end;
    }
    std::memmove(image + kept, image + runStart, bytes.size() - runStart);
    kept += bytes.size() - runStart;
    const LogBytes parts[] = {LogBytes(image, kept)};
    return RewriteEdit(host, parts);
}

EditResult InsertRecordsAfter(Host& host, const RecordRef& anchor, std::span<const LogRecord> records) {
    if (records.empty()) return EditResult::Changed;
    if (Outcome refused = CheckLogCanHold(records)) return std::move(*refused);
    const Located located = Locate(host, std::span(&anchor, 1));
    if (located.result != EditResult::Done) return located.result;
    const LogBytes log(*located.image);
    const auto [start, end] = located.spans.front();
    // The record is written again as read: one cut short by the end of the
    // file would otherwise take the new records' bytes for its payload.
    std::size_t offset = start;
    Bytes inserted = EncodeRecord(DecodeRecord(log, offset)->record);
    for (const LogRecord& record : records) {
        const Bytes encoded = EncodeRecord(record);
        inserted.insert(inserted.end(), encoded.begin(), encoded.end());
    }
    const LogBytes parts[] = {log.first(start), inserted, log.subspan(end)};
    return RewriteEdit(host, parts);
}

EditResult InsertRecordsInOrder(Host& host, std::span<const LogRecord> records) {
    if (records.empty()) return EditResult::Done;
    if (Outcome refused = CheckLogCanHold(records)) return std::move(*refused);
    auto [image, outcome] = LoadLog(host);
    if (!image) return std::move(*outcome);
    const LogBytes log(*image);
    const std::size_t whole = CutRecordStart(log).value_or(log.size());

    std::vector<Bytes> encoded;
    std::vector<LogBytes> parts;
    std::size_t copied = 0, offset = 0, behind = 0;
    for (const LogRecord& record : records) {
        // Equal times go behind: a record typed in for a moment already
        // recorded follows what was there first.
        for (std::size_t end; offset < whole && (end = RecordEnd(log, offset)) != offset; offset = end) {
            const auto time = RecordTime(log, offset);
            if (RecordTag(log, offset) == TagOf(LogRecordType::MonthRecord) || !time) continue;
            if (*time > record.time) break;
            behind = end;
        }
        parts.push_back(log.subspan(copied, behind - copied));
        copied = behind;
        encoded.push_back(EncodeRecord(record));
    }
    std::vector<LogBytes> ordered;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        ordered.push_back(parts[i]);
        ordered.push_back(encoded[i]);
    }
    ordered.push_back(log.subspan(copied));
    return RewriteEdit(host, ordered);
}

EditResult ReplaceRecord(Host& host, const RecordRef& record, const LogRecord& replacement) {
    if (Outcome refused = CheckLogCanHold(std::span(&replacement, 1))) return std::move(*refused);
    const Located located = Locate(host, std::span(&record, 1));
    if (located.result != EditResult::Done) return located.result;
    const LogBytes log(*located.image);
    const auto [start, end] = located.spans.front();
    const Bytes encoded = EncodeRecord(replacement);
    const LogBytes parts[] = {log.first(start), encoded, log.subspan(end)};
    return RewriteEdit(host, parts);
}

EditResult LookUpRecord(Host& host, const RecordRef& record) {
    return Locate(host, std::span(&record, 1)).result;
}

// Kept records are copied as they stand, in runs, so the log keeps every
// byte of what it keeps.
Outcome DeleteDateRange(Host& host, const CalendarDate& first, const CalendarDate& last) {
    // Daylight saving time as in effect on those days: taking it as not in
    // effect would move a summer range by an hour into the day after it.
    const long long from = MakeLocalTime(first.year, first.month, first.day, 0, 0, 0, DaylightSaving::FromCalendar);
    // Up to the next day's midnight, not to 23:59:59: where the clocks go
    // back at midnight, the repeated hour lies after 23:59:59 of its first run.
    const long long to = MakeLocalTime(last.year, last.month, last.day + 1, 0, 0, 0, DaylightSaving::FromCalendar);
    auto [bytes, outcome] = LoadLog(host);
    if (!bytes) return outcome;
    const LogBytes log(*bytes);

    std::vector<LogBytes> kept;
    std::size_t runStart = 0, offset = 0;
    for (std::size_t end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        const auto time = RecordTime(log, offset);
        if (!time || *time < from || *time >= to) continue;
        if (offset > runStart) kept.push_back(log.subspan(runStart, offset - runStart));
        runStart = end;
    }
    kept.push_back(log.subspan(runStart));  // the rest, a cut-off tag included
    return RewriteLog(host, kept);
}

// Not by opening the log with "wb": that empties it the moment it opens, so a
// failure reported afterwards (a close that fails) would find it gone.
Outcome DeleteWholeLog(Host& host) { return RewriteLog(host, {}); }

}  // namespace horalo
