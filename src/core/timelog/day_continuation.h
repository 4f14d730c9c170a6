#pragma once
// A start of work on a day that already ended today: the program was ended
// (or restarted for an update) and started again. A second start and end
// would give the day two of each, which no time sheet can be made of; the
// day goes on instead, and the time away counts as a break.
#include "core/clock.h"
#include "core/host.h"
#include "core/outcome.h"
#include "core/timelog/open_day.h"

namespace horalo {

struct DayContinuation {
    enum class Result {
        NotContinued,  // the log does not end in today's end of work: start as usual
        Continued,     // today's WorkEnd is gone, the time away written as a break
        Failed,        // the rewrite or the append failed (outcome: why); the log is unchanged
    };
    Result result = Result::NotContinued;
    // The time away counted as a break; equal when it was too short to be
    // written (a start within the way time of the end).
    TimeValue breakStart = 0;
    TimeValue breakEnd = 0;
    Outcome outcome;  // with Failed: the message
};

// At a start of work at `now`, with the way time in seconds: when the last
// record of the log other than notes is a WorkEnd of today (local time),
// that WorkEnd is removed and a Break from it to now, both less the way
// time, is written behind the last record, in one rewrite. The way is
// walked once each way a day: the end was written with the way added, and
// the new presence begins as a start would, the way before now. A log that
// is missing or cannot be read is not continued, silently: the start's own
// append says what is wrong.
//
// A day still open today (the program was killed or the power went, and
// it starts again the same day) goes on too, when `seen` tells when the
// program was last alive that day, not before the day's last record: no
// second start is written, and the time since then (since the start of the
// break running then) is appended as a break.
DayContinuation ContinueDay(Host& host, TimeValue now, TimeValue wayTime, const LastSeen& seen = {});

}  // namespace horalo
