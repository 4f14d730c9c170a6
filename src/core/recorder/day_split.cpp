#include "core/recorder/day_split.h"

#include "core/calendar/calendar_date.h"

namespace horalo {

DaySplit PlanDaySplit(TimeValue dayStart, std::optional<TimeValue> breakStart, TimeValue left, TimeValue now,
                      TimeValue wayTime) {
    const auto startDay = LocalDayNumber(dayStart), today = LocalDayNumber(now);
    if (!startDay || !today || *today <= *startDay || left < dayStart || now - left < kShortestNightAway) return {};
    DaySplit split{true, {}};
    // A break that began after the user left cannot have been taken.
    if (breakStart && *breakStart <= left) split.records.push_back(LogRecord::Break(*breakStart, left));
    split.records.push_back(LogRecord::Of(LogRecordType::WorkEnd, left + wayTime));
    split.records.push_back(LogRecord::Of(LogRecordType::WorkStart, now - wayTime));
    return split;
}

}  // namespace horalo
