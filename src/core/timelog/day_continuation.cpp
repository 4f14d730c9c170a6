#include "core/timelog/day_continuation.h"

#include <optional>

#include "core/calendar/calendar_date.h"
#include "core/io/byte_block.h"
#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"

namespace horalo {
namespace {

bool SameLocalDay(TimeValue a, TimeValue b) {
    CalendarDate first, second;
    return ToCalendarDate(a, first) && ToCalendarDate(b, second) && first.year == second.year &&
           first.month == second.month && first.day == second.day;
}

// Where the last record other than a note starts, and where it ends.
std::optional<std::pair<std::size_t, std::size_t>> LastWorkRecord(LogBytes log) {
    std::optional<std::pair<std::size_t, std::size_t>> last;
    for (std::size_t offset = 0, end; (end = RecordEnd(log, offset)) != offset; offset = end)
        if (RecordTag(log, offset) != TagOf(LogRecordType::Note)) last = {offset, end};
    return last;
}

}  // namespace

DayContinuation ContinueDay(Host& host, TimeValue now, TimeValue wayTime) {
    std::optional<ByteBlock> image;
    {
        FileHandle file(Files().Open(host.ProgramFolder() + kLogFileName, "rb"));
        if (!file) return {};
        image = ReadToEnd(file.get(), kLargestLogSize);
        if (!image) return {};
    }
    const LogBytes log(*image);
    const auto last = LastWorkRecord(log);
    if (!last || CutRecordStart(log)) return {};
    const auto [start, end] = *last;
    const auto ended = RecordTime(log, start);
    if (RecordTag(log, start) != TagOf(LogRecordType::WorkEnd) || !ended || !SameLocalDay(*ended, now)) return {};

    DayContinuation continued{DayContinuation::Result::Continued, *ended - wayTime, now - wayTime};
    if (continued.breakEnd < continued.breakStart) continued.breakEnd = continued.breakStart;
    const LogRecord pause = LogRecord::Break(continued.breakStart, continued.breakEnd);
    const Bytes written = continued.breakEnd > continued.breakStart && LogCanHold(pause) ? EncodeRecord(pause) : Bytes();
    if (written.empty()) continued.breakEnd = continued.breakStart;
    const LogBytes parts[] = {log.first(start), log.subspan(end), written};
    if (!RewriteLog(host, parts)) continued.result = DayContinuation::Result::Failed;
    return continued;
}

}  // namespace horalo
