#include "core/timelog/day_continuation.h"

#include <algorithm>

#include <optional>

#include "core/calendar/calendar_date.h"
#include "core/io/byte_block.h"
#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"
#include "core/timelog/record_edits.h"

namespace horalo {
namespace {

// Where the last record other than a note starts, and where it ends.
std::optional<std::pair<std::size_t, std::size_t>> LastWorkRecord(LogBytes log) {
    std::optional<std::pair<std::size_t, std::size_t>> last;
    for (std::size_t offset = 0, end; (end = RecordEnd(log, offset)) != offset; offset = end)
        if (RecordTag(log, offset) != TagOf(LogRecordType::Note)) last = {offset, end};
    return last;
}

// The start of the day that is open at the end of the log: the last
// WorkStart when no WorkEnd follows it.
std::optional<TimeValue> OpenStart(LogBytes log) {
    std::optional<TimeValue> start;
    for (std::size_t offset = 0, end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        const std::uint32_t tag = RecordTag(log, offset);
        if (tag == TagOf(LogRecordType::WorkStart)) start = RecordTime(log, offset);
        if (tag == TagOf(LogRecordType::WorkEnd)) start.reset();
    }
    return start;
}

// A day left open today by a program that did not end: the time it was away
// becomes a break, appended like any record.
DayContinuation ResumeOpenDay(Host& host, LogBytes log, TimeValue now, const LastSeen& seen,
                              const std::pair<std::size_t, std::size_t>& last) {
    const auto start = OpenStart(log);
    std::size_t offset = last.first;
    const auto stored = DecodeRecord(log, offset);
    if (!start || !stored || seen.time == 0 || !SameLocalDay(*start, now) || !SameLocalDay(seen.time, now)) return {};
    // A break ends after it starts: the day's latest moment is its end.
    const TimeValue latest = std::max(stored->record.time, stored->record.breakEnd);
    if (seen.time < latest || seen.time > now) return {};
    DayContinuation continued{DayContinuation::Result::Continued, seen.breakStart ? seen.breakStart : seen.time, now,
                                std::nullopt};
    const LogRecord pause = LogRecord::Break(continued.breakStart, continued.breakEnd);
    if (continued.breakEnd <= continued.breakStart) {
        continued.breakEnd = continued.breakStart;
    } else if (Outcome failed = AppendRecord(host, pause)) {
        continued.result = DayContinuation::Result::Failed;
        continued.outcome = std::move(failed);
    }
    return continued;
}

}  // namespace

DayContinuation ContinueDay(Host& host, TimeValue now, TimeValue wayTime, const LastSeen& seen) {
    const std::optional<LogImage> image = ReadLogFile(host.ProgramFolder() + kLogFileName);
    if (!image) return {};
    const LogBytes log(*image);
    const auto last = LastWorkRecord(log);
    if (!last || CutRecordStart(log)) return {};
    const auto [start, end] = *last;
    if (RecordTag(log, start) != TagOf(LogRecordType::WorkEnd)) return ResumeOpenDay(host, log, now, seen, *last);
    const auto ended = RecordTime(log, start);
    if (!ended || !SameLocalDay(*ended, now)) return {};

    DayContinuation continued{DayContinuation::Result::Continued, *ended - wayTime, now - wayTime, std::nullopt};
    if (continued.breakEnd < continued.breakStart) continued.breakEnd = continued.breakStart;
    const LogRecord pause = LogRecord::Break(continued.breakStart, continued.breakEnd);
    const Bytes written = continued.breakEnd > continued.breakStart && LogCanHold(pause) ? EncodeRecord(pause) : Bytes();
    if (written.empty()) continued.breakEnd = continued.breakStart;
    const LogBytes parts[] = {log.first(start), log.subspan(end), written};
    if (Outcome failed = RewriteLog(host, parts)) {
        continued.result = DayContinuation::Result::Failed;
        continued.outcome = std::move(failed);
    }
    return continued;
}

}  // namespace horalo
