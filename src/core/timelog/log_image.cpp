#include "core/timelog/log_image.h"

#include <algorithm>

namespace horalo {

// Must agree with DecodeRecord to the byte, as must RecordEnd; the fuzz
// target checks that they do.
std::size_t RecordEndNearTheEnd(LogBytes log, std::size_t offset) {
    const std::size_t size = log.size();
    if (offset > size || size - offset < 4) return offset;
    ByteReader in(log, offset);
    const std::uint32_t tag = in.U32();
    if (tag == TagOf(LogRecordType::Note)) {
        // A length that does not fit the rest of the file takes all of it.
        in.U32();
        const auto length = in.I32();
        const bool fits = length >= 0 && in.Has(static_cast<std::size_t>(length) + 1);
        return fits ? in.Position() + static_cast<std::size_t>(length) + 1 : size;
    }
    const std::size_t end = offset + 4 + FixedPayloadSize(tag);
    return end < size ? end : size;
}

std::optional<TimeValue> RecordTimeNearTheEnd(LogBytes log, std::size_t offset) {
    ByteReader in(log, offset);
    if (in.U32() > kLastKnownTag) return std::nullopt;
    return static_cast<TimeValue>(in.U32());
}

bool IsRecordStart(LogBytes log, std::size_t position) {
    std::size_t offset = 0;
    while (offset < position) {
        const std::size_t end = RecordEnd(log, offset);
        if (end == offset) return false;
        offset = end;
    }
    return offset == position;
}

std::optional<std::size_t> CutRecordStart(LogBytes log) {
    std::size_t offset = 0;
    for (std::size_t end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        if (end < log.size()) continue;
        // The last record: whole only when it has every byte its type asks for.
        ByteReader in(log, offset);
        const std::uint32_t tag = in.U32();
        if (!in.Has(FixedPayloadSize(tag))) return offset;
        if (tag != TagOf(LogRecordType::Note)) return std::nullopt;
        in.U32();
        const auto length = in.I32();
        if (length < 0 || !in.Has(static_cast<std::size_t>(length) + 1)) return offset;
        return std::nullopt;
    }
    // Fewer than four bytes left: a tag cut short.
    return offset < log.size() ? std::optional<std::size_t>(offset) : std::nullopt;
}

bool IsInterruptedAppend(LogBytes tail) {
    // Fields cut off read as zero, their smallest value: a field still too
    // large cannot be completed into one the program writes.
    ByteReader in(tail);
    const std::uint32_t tag = in.U32();
    if (tail.empty() || tag > kLastKnownTag) return false;
    if (tag != TagOf(LogRecordType::Note)) return tail.size() < 4 + FixedPayloadSize(tag);
    in.U32();
    const std::uint32_t length = in.U32();
    if (length > kLongestNoteText) return false;
    const ByteSpan text = in.Take(length);
    return tail.size() < 13 + length && std::find(text.begin(), text.end(), 0) == text.end();
}

LogExtent MeasureLog(LogBytes log) {
    LogExtent extent;
    for (std::size_t offset = 0, end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        ++extent.records;
        const auto time = RecordTime(log, offset);
        if (!time || RecordTag(log, offset) == TagOf(LogRecordType::MonthRecord)) continue;
        if (!extent.first || *time < *extent.first) extent.first = time;
        if (!extent.last || *time > *extent.last) extent.last = time;
    }
    return extent;
}

}  // namespace horalo
