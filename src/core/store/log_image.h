#pragma once
// The log held in memory in one block, and walking its records without
// decoding them: the reads of a month and every rewrite work on this.
#include <cstdint>
#include <memory>
#include <optional>

#include "core/store/log_record.h"

namespace horalo {

// A block of bytes that is filled by reading, so it is never cleared first.
class LogImage {
public:
    explicit LogImage(std::size_t size) : data_(std::make_unique_for_overwrite<std::uint8_t[]>(size)), size_(size) {}
    std::uint8_t* data() { return data_.get(); }
    std::size_t size() const { return size_; }
    operator LogBytes() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_;
};

// Reads the file from its position to its end in one block; none when the
// file cannot tell its length or gives fewer bytes than it claimed.
std::optional<LogImage> ReadToEnd(std::FILE* file);

inline std::uint32_t LogWord(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
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
    const std::uint32_t tag = LogWord(record);
    if (tag == 3) {
        // A note's length that does not fit the rest of the file takes all of it.
        const auto length = static_cast<std::int32_t>(LogWord(record + 8));
        const std::size_t left = size - offset - 12;
        return length >= 0 && static_cast<std::size_t>(length) < left ? offset + 13 + static_cast<std::size_t>(length)
                                                                       : size;
    }
    if (tag == 2) return offset + 12;
    if (tag == 6) return offset + 16;
    if (tag > 6) return offset + 4;
    return offset + 8;
}

// The tag of the record at `offset`, which must have one.
inline std::uint32_t RecordTag(LogBytes log, std::size_t offset) { return LogWord(log.data() + offset); }

std::optional<TimeValue> RecordTimeNearTheEnd(LogBytes log, std::size_t offset);

// The first payload field (the time) of the record at `offset`, zero-filled
// where the file ends; none for a record without payload (a tag above 6).
inline std::optional<TimeValue> RecordTime(LogBytes log, std::size_t offset) {
    if (offset > log.size() || log.size() - offset < 8) return RecordTimeNearTheEnd(log, offset);
    if (RecordTag(log, offset) > 6) return std::nullopt;
    return static_cast<TimeValue>(LogWord(log.data() + offset + 4));
}

// Whether reading `log` record by record from its start meets `position`,
// so that a record read there is one of the log's and not the middle of one.
bool IsRecordStart(LogBytes log, std::size_t position);

}  // namespace horalo
