#pragma once
// A working day that never ended: the power went or the process was
// killed, so the day keeps its start and no end, and a running break, held
// only in memory, is gone. While it runs the program keeps the time it was
// last alive (LastSeen); at the next start that time is offered as the
// day's end, so the day can be closed before the new one begins.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/clock.h"
#include "core/host.h"
#include "core/timelog/log_record.h"

namespace horalo {

// When the program was last alive, and the break running then. A zero time
// says the day ended cleanly: nothing to offer.
struct LastSeen {
    TimeValue time = 0;
    TimeValue breakStart = 0;  // zero: no break was running
    bool operator==(const LastSeen&) const = default;
};

// Stored as two unsigned 32-bit little-endian fields: time, break start.
inline constexpr std::size_t kLastSeenSize = 8;
using LastSeenBytes = std::array<std::uint8_t, kLastSeenSize>;
LastSeenBytes EncodeLastSeen(const LastSeen& seen);
LastSeen DecodeLastSeen(const LastSeenBytes& bytes);

struct OpenDay {
    TimeValue start = 0;       // the day's WorkStart
    TimeValue lastRecord = 0;  // the latest time the log holds of the day
    TimeValue end = 0;         // the end offered: last seen that day, else lastRecord
    TimeValue breakStart = 0;  // the break running at `end`; zero when none
    bool seen = false;         // `end` is a last-seen time, not a record's
    bool operator==(const OpenDay&) const = default;
};

// The log's last day when it is open: a WorkStart with no WorkEnd behind it
// (notes, breaks and month records do not end it; an absence or
// compensation day of a later day leaves it to be looked at by hand), whose
// latest record lies on an earlier local day than `now`. A last-seen time
// counts when it lies on that day, not before the latest record.
std::optional<OpenDay> FindOpenDay(LogBytes log, TimeValue now, const LastSeen& seen);
// The same of the log in the host's program folder, silently: a log that is
// missing, unreadable or cut short at its end has no open day to offer,
// and the start's own append says what is wrong with it.
std::optional<OpenDay> FindOpenDay(Host& host, TimeValue now, const LastSeen& seen);

// The records that close the day at `end` (never before its latest record,
// which would put the end out of order): the running break up to the end or
// to the last-seen time, whichever is earlier, then the WorkEnd with the way
// time added, as every end of work is written.
std::vector<LogRecord> RecordsClosingDay(const OpenDay& day, TimeValue end, TimeValue wayTime);

}  // namespace horalo
