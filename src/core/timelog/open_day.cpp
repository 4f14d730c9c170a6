#include "core/timelog/open_day.h"

#include <algorithm>

#include "core/calendar/calendar_date.h"
#include "core/io/byte_block.h"
#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"

namespace horalo {
namespace {

bool EarlierLocalDay(TimeValue a, TimeValue b) {
    const auto first = LocalDayNumber(a), second = LocalDayNumber(b);
    return first && second && *first < *second;
}

}  // namespace

LastSeenBytes EncodeLastSeen(const LastSeen& seen) {
    LastSeenBytes bytes{};
    StoreU32(bytes.data(), static_cast<std::uint32_t>(seen.time));
    StoreU32(bytes.data() + 4, static_cast<std::uint32_t>(seen.breakStart));
    return bytes;
}

LastSeen DecodeLastSeen(const LastSeenBytes& bytes) {
    return {static_cast<TimeValue>(LoadU32(bytes.data())), static_cast<TimeValue>(LoadU32(bytes.data() + 4))};
}

std::optional<OpenDay> FindOpenDay(LogBytes log, TimeValue now, const LastSeen& seen) {
    std::optional<OpenDay> open;
    for (std::size_t offset = 0, end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        const std::uint32_t tag = RecordTag(log, offset);
        const auto time = RecordTime(log, offset);
        if (!time || tag == TagOf(LogRecordType::MonthRecord)) continue;
        if (tag == TagOf(LogRecordType::WorkStart)) {
            open = OpenDay{*time, *time};
        } else if (tag == TagOf(LogRecordType::WorkEnd)) {
            open.reset();
        } else if (open) {
            const bool dayRecord = tag == TagOf(LogRecordType::AbsenceDay) || tag == TagOf(LogRecordType::CompensationDay);
            if (dayRecord && !SameLocalDay(*time, open->start)) {
                open.reset();
                continue;
            }
            TimeValue latest = *time;
            if (tag == TagOf(LogRecordType::Break) && offset + 12 <= log.size())
                latest = std::max<TimeValue>(latest, LoadU32(log.data() + offset + 8));
            open->lastRecord = std::max(open->lastRecord, latest);
        }
    }
    if (!open || !EarlierLocalDay(open->lastRecord, now)) return std::nullopt;
    open->end = open->lastRecord;
    if (seen.time >= open->lastRecord && SameLocalDay(seen.time, open->lastRecord)) {
        open->end = seen.time;
        open->seen = true;
        if (seen.breakStart >= open->start && seen.breakStart < seen.time) open->breakStart = seen.breakStart;
    }
    return open;
}

std::optional<OpenDay> FindOpenDay(Host& host, TimeValue now, const LastSeen& seen) {
    const std::optional<LogImage> image = ReadLogFile(host.ProgramFolder() + kLogFileName);
    if (!image || CutRecordStart(LogBytes(*image))) return std::nullopt;
    return FindOpenDay(LogBytes(*image), now, seen);
}

std::vector<LogRecord> RecordsClosingDay(const OpenDay& day, TimeValue end, TimeValue wayTime) {
    end = std::max(end, day.lastRecord);
    std::vector<LogRecord> records;
    const TimeValue breakEnd = std::min(end, day.end);
    if (day.breakStart != 0 && breakEnd > day.breakStart) records.push_back(LogRecord::Break(day.breakStart, breakEnd));
    records.push_back(LogRecord::Of(LogRecordType::WorkEnd, end + wayTime));
    return records;
}

}  // namespace horalo
