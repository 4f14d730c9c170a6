#pragma once
// The log has no markers between records, so a record cut short at its end
// (power lost or the process killed during an append, a full disk) would
// take every record appended later for the rest of itself. Before the day's
// first record the program makes sure the log ends where a record ends.
#include <string>

#include "core/host.h"
#include "core/outcome.h"
#include "core/timelog/log_record.h"

namespace horalo {

// The file beside the log that takes the cut bytes, named after the local
// time `now`: horalo.log.cut-YYYYMMDD-HHMMSS.
std::string CutFileName(TimeValue now);

struct LogEndCheck {
    // There is no log yet, or its last record ends exactly at its end, or
    // the cut record was set aside.
    bool mayRecord = true;
    // When no record may follow: why, to be told at once (stop icon). When
    // bytes were set aside: the notice (string IDS_LOG_CUT_SET_ASIDE made,
    // information icon), to be told once the day's first record is
    // written, so a user away from the screen does not hold back the start.
    Outcome outcome;
};

// A cut that an interrupted append can leave (IsInterruptedAppend) is set
// aside: the bytes are copied into a new cut file beside the log (never
// deleted), then the log is replaced without them in one step. Any other
// cut is damage the program does not guess at: moving it would take valid
// records behind a bad note length out of every view. It stays, as does a
// cut the program could not set aside: the log is then left untouched, and
// no record may follow.
LogEndCheck SetAsideCutRecord(Host& host);

}  // namespace horalo
