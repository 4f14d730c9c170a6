#pragma once
// The log held in memory in one block, and walking its records without
// decoding them: the reads of a month and every rewrite work on this.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/store/log_record.h"

namespace horalo {

// Reads the file from its position to its end in one block; none when the
// file cannot tell its length or gives fewer bytes than it claimed.
std::optional<std::vector<std::uint8_t>> ReadToEnd(std::FILE* file);

// Where the record at `offset` ends, as ReadRecord leaves the file behind
// it; `offset` itself when no record starts there (fewer than 4 bytes left).
std::size_t RecordEnd(LogBytes log, std::size_t offset);

// The tag of the record at `offset`, which must have one.
std::uint32_t RecordTag(LogBytes log, std::size_t offset);

// The first payload field (the time) of the record at `offset`, zero-filled
// where the file ends; none for a record without payload (a tag above 6).
std::optional<TimeValue> RecordTime(LogBytes log, std::size_t offset);

// Whether reading `log` record by record from its start meets `position`,
// so that a record read there is one of the log's and not the middle of one.
bool IsRecordStart(LogBytes log, std::size_t position);

}  // namespace horalo
