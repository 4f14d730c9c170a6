#pragma once
// The records of the time log horalo.log: a 32-bit type tag and a payload
// that always begins with a time, unsigned 32-bit seconds since 1970,
// little-endian, no header or padding.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/host.h"
#include "core/io/byte_codec.h"
#include "core/io/file_layer.h"
#include "core/outcome.h"

namespace horalo {

enum class LogRecordType : std::uint32_t {
    WorkEnd = 0,
    WorkStart = 1,
    Break = 2,
    Note = 3,
    AbsenceDay = 4,
    CompensationDay = 5,
    MonthRecord = 6,
};

constexpr std::uint32_t TagOf(LogRecordType type) { return static_cast<std::uint32_t>(type); }
// Tags above this one are unknown and carry no payload.
inline constexpr std::uint32_t kLastKnownTag = TagOf(LogRecordType::MonthRecord);

// The last time the log's fields hold: 7 February 2106, 06:28:15 UTC. The
// program never wrote a time before 1970, so every log written so far reads
// the same with its fields unsigned.
inline constexpr TimeValue kLatestLogTime = 0xFFFFFFFF;

// A moment (seconds since 1970, as mktime gives it) as a time the log can
// hold; none before 1970 or after kLatestLogTime, where the field would
// read back as another time.
std::optional<TimeValue> LogTime(long long moment);

// The longest note text the program writes; the longest record it writes
// is such a note.
inline constexpr std::size_t kLongestNoteText = 259;

// The most of a log that is ever read. Thirty years of working days come to
// about 1.3 MB, so a log fifty times as large is none the program wrote: a
// directory in its place, or a file filled by something else. Holding such
// a file whole would cost the memory and the minutes that reading it takes,
// so it is refused as a log that cannot be read.
inline constexpr std::size_t kLargestLogSize = std::size_t{64} << 20;

// The log and the copy that a rewrite builds, both in the program folder.
inline constexpr char kLogFileName[] = "horalo.log";
inline constexpr char kRewriteFileName[] = "horalo_b.log";

// A record's byte offset in the log; valid only until the log changes.
using RecordPosition = long;

struct LogRecord {
    std::uint32_t tag = 0;  // a LogRecordType, or an unknown tag above kLastKnownTag (no payload)
    TimeValue time = 0;     // every payload's first field; MonthRecord: the month key
    TimeValue breakEnd = 0;              // Break only
    std::int32_t hoursDeducted = 0;      // MonthRecord only
    std::int32_t carriedBalance = 0;     // MonthRecord only: hours * 100 + minutes
    std::string text;                    // Note only: ANSI bytes without terminator

    LogRecordType type() const { return static_cast<LogRecordType>(tag); }
    bool HasPayload() const { return tag <= kLastKnownTag; }
    bool operator==(const LogRecord&) const = default;

    static LogRecord Of(LogRecordType type, TimeValue time);
    static LogRecord Break(TimeValue start, TimeValue end);
    static LogRecord Note(TimeValue time, std::string text);
    static LogRecord Month(TimeValue monthKey, std::int32_t hoursDeducted, std::int32_t carriedBalance);
};

// Whether every time of the record is one the log can hold (LogTime).
bool LogCanHold(const LogRecord& record);

// None when the log can hold every record; else the message of a failed
// write (string 6022, stop icon). Every change that writes records it was
// handed asks this first.
Outcome CheckLogCanHold(std::span<const LogRecord> records);

struct StoredRecord {
    RecordPosition position = 0;  // offset of the tag
    LogRecord record;
};

using LogFile = FileHandle;

// Opens horalo.log (or the rewrite file horalo_b.log) in the program folder
// with a C mode ("ab", "rb", "wb"). On failure no file, and string 6019 with
// the stop icon.
WithOutcome<LogFile> OpenLogFile(Host& host, const char* mode, bool rewrite = false);

// Writes one record at the file's position in one piece. If any of its bytes
// is not written, or the log cannot hold its times, fails with string 6022
// and the stop icon; what was written stays in the file.
Outcome WriteRecord(const LogRecord& record, std::FILE* file);

// The bytes of one record as they stand in the log; its times must be ones
// the log can hold (LogCanHold).
std::vector<std::uint8_t> EncodeRecord(const LogRecord& record);

// Reads the record at the file's position; none at the end of the file or in
// a cut-off tag. A payload cut short by the end of the file is zero-filled;
// a Note length is checked against the bytes left before anything is
// allocated. Shows no message.
std::optional<StoredRecord> ReadRecord(std::FILE* file);

// A whole log held in memory.
using LogBytes = ByteSpan;

// Decodes the record at `offset` exactly as ReadRecord reads it from a file
// holding `log`, and moves `offset` behind it; none where ReadRecord finds none.
std::optional<StoredRecord> DecodeRecord(LogBytes log, std::size_t& offset);

}  // namespace horalo
