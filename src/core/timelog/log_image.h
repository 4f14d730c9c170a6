#pragma once
// The log held in memory in one block, and walking its records without
// decoding them: the reads of a month and every rewrite work on this.
#include <cstdint>
#include <optional>

#include "core/io/byte_block.h"
#include "core/timelog/log_record.h"

namespace horalo {

using LogImage = ByteBlock;

// The bytes a record of a known type takes behind its tag; a Note's text is
// not counted, nor is anything for an unknown tag.
constexpr std::size_t FixedPayloadSize(std::uint32_t tag) {
    switch (tag) {
    case TagOf(LogRecordType::Break): return 8;
    case TagOf(LogRecordType::Note): return 8;  // time and length
    case TagOf(LogRecordType::MonthRecord): return 12;
    default: return tag <= kLastKnownTag ? 4 : 0;
    }
}

// The exact rule for the last bytes of a log, where fields may be cut off.
std::size_t RecordEndNearTheEnd(LogBytes log, std::size_t offset);

// Where the record at `offset` ends, as ReadRecord leaves the file behind
// it; `offset` itself when no record starts there (fewer than 4 bytes left).
// Inline, as reading a month walks every record of the log with it. The
// sizes are branches rather than a table: a predicted branch lets the walk
// go on to the next record before the tag has even been loaded.
inline std::size_t RecordEnd(LogBytes log, std::size_t offset) {
    const std::size_t size = log.size();
    if (offset >= size || size - offset < 16) return RecordEndNearTheEnd(log, offset);
    const std::uint8_t* record = log.data() + offset;
    const std::uint32_t tag = LoadU32(record);
    if (tag == TagOf(LogRecordType::Note)) {
        // A note's length that does not fit the rest of the file takes all of it.
        const auto length = static_cast<std::int32_t>(LoadU32(record + 8));
        const std::size_t left = size - offset - 12;
        return length >= 0 && static_cast<std::size_t>(length) < left ? offset + 13 + static_cast<std::size_t>(length)
                                                                       : size;
    }
    if (tag == TagOf(LogRecordType::Break)) return offset + 12;
    if (tag == TagOf(LogRecordType::MonthRecord)) return offset + 16;
    if (tag > kLastKnownTag) return offset + 4;
    return offset + 8;
}

// The tag of the record at `offset`, which must have one.
inline std::uint32_t RecordTag(LogBytes log, std::size_t offset) { return LoadU32(log.data() + offset); }

std::optional<TimeValue> RecordTimeNearTheEnd(LogBytes log, std::size_t offset);

// The first payload field (the time) of the record at `offset`, zero-filled
// where the file ends; none for a record without payload (an unknown tag).
inline std::optional<TimeValue> RecordTime(LogBytes log, std::size_t offset) {
    if (offset > log.size() || log.size() - offset < 8) return RecordTimeNearTheEnd(log, offset);
    if (RecordTag(log, offset) > kLastKnownTag) return std::nullopt;
    return static_cast<TimeValue>(LoadU32(log.data() + offset + 4));
}

// Whether reading `log` record by record from its start meets `position`,
// so that a record read there is one of the log's and not the middle of one.
bool IsRecordStart(LogBytes log, std::size_t position);

// Where the record begins that the end of the log cuts short (a tag, a
// payload or a note's text with fewer bytes than it needs); none when the
// last record ends exactly at the end.
std::optional<std::size_t> CutRecordStart(LogBytes log);

// How many records the log holds, and the earliest and latest time of those
// that have one (a month record's key is none); for a question that says
// what deleting the whole log takes.
struct LogExtent {
    std::size_t records = 0;
    std::optional<TimeValue> first, last;
};
LogExtent MeasureLog(LogBytes log);

// Whether `tail` is what an append stopped partway leaves behind: a proper
// prefix of a record the program writes (a known tag, a note of at most
// kLongestNoteText bytes without a NUL in its text). Every record holds a
// NUL in its tag, so no tail that swallows a whole record passes.
bool IsInterruptedAppend(LogBytes tail);

}  // namespace horalo
