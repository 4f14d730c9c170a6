#pragma once
// A night away with the program running: the machine suspended or locked in
// the evening, or left alone, and used again on a later day. Nothing was
// recorded in between, so the log would hold one day from yesterday's start
// on; the user is offered to end that day when they left and to start today.
#include <optional>
#include <vector>

#include "core/clock.h"
#include "core/timelog/log_record.h"

namespace horalo {

// Shorter absences across midnight are late work, not a night.
inline constexpr TimeValue kShortestNightAway = 60 * 60;

struct DaySplit {
    bool offered = false;
    // What a yes writes, in order: the running break up to the moment the
    // user left, the WorkEnd then (plus the way time) and today's WorkStart
    // (now less the way time).
    std::vector<LogRecord> records;
};

// `dayStart` is when the open day began, `left` when the user left it
// (suspend, lock, last input), `breakStart` a break running since then.
// Offered when now is on a later local day than the day's start, the user
// left after that start and was away at least kShortestNightAway.
DaySplit PlanDaySplit(TimeValue dayStart, std::optional<TimeValue> breakStart, TimeValue left, TimeValue now,
                      TimeValue wayTime);

}  // namespace horalo
