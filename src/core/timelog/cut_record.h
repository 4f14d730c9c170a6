#pragma once
// The log has no markers between records, so a record cut short at its end
// (power lost or the process killed during an append, a full disk) would
// take every record appended later for the rest of itself. Before the day's
// first record the program makes sure the log ends where a record ends.
#include <string>

#include "core/host.h"
#include "core/recorder/recorder.h"

namespace horalo {

// The most bytes an interrupted append can leave behind: a whole note of
// the longest text the program writes.
inline constexpr std::size_t kLongestRecord = 12 + kLongestNoteText + 1;

// The file beside the log that takes the cut bytes, named after the local
// time `now`: horalo.log.cut-YYYYMMDD-HHMMSS.
std::string CutFileName(TimeValue now);

// True when records may be appended: there is no log yet, or its last record
// ends exactly at its end, or a cut of at most kLongestRecord bytes was set
// aside (the bytes copied into a new cut file beside the log, never deleted,
// then the log replaced without them in one step) and the user told so.
// A longer cut is damage the program does not guess at, and a cut it could
// not set aside stays too: the log is then left untouched, the user is told,
// and the result is false.
bool SetAsideCutRecord(Host& host);

}  // namespace horalo
