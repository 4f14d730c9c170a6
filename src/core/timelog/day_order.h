#pragma once
// The order of a working day: a start, breaks, an end; or a whole day
// off. Two checks hold the records to it, and they differ on purpose.
//
// The time log's check reads the records one after another across the
// days and names the first record that breaks the order, so the user can
// mend the log where it went wrong. It sees only the record before (notes
// aside), whatever day that was on.
//
// The time sheet's check keeps each day's own state and refuses the month
// at the first record it cannot place on its day, as a figure made from
// such a record would be wrong. A day it has not seen yet is a new day, so
// it lets pass what the time log only flags:
//   - a day left running, and a start (or a day off) on a later day: the
//     earlier day simply has no end (list: 2);
//   - an absence day, then a start, another absence or a compensation day
//     on the same day: an absence keeps no start (list: 4);
//   - a compensation day, then a break on the same day: the day counts as
//     started (list: 1).
// Both refuse an end or a break on a day that is not running, a second
// start on a started or ended day, and an end on a later day than its start.
#include "core/timelog/day_entries.h"

namespace horalo {

// The time log's problem code for a record of `type` on `day` behind one of
// `previous` on `previousDay` (days as any increasing local day numbers):
// 1 an end or a break behind an ended day, 2 a start behind a running day,
// 3 an end or a break on a later day than the running one, 4 a start on or
// before an ended day; 0 for none. Notes neither start nor end anything:
// the caller passes them over.
int ListOrderProblem(DayEntryType previous, long previousDay, DayEntryType type, long day);

// What the time sheet knows of a day while it walks the month.
struct SheetDay {
    bool hasStart = false;  // a start or a compensation day
    bool hasEnd = false;
    bool compensation = false;
};

// Whether the time sheet places a record of `type` on a day in this state.
bool SheetPlaces(const SheetDay& day, DayEntryType type);

}  // namespace horalo
