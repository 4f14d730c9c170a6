#include "core/timelog/day_order.h"

namespace horalo {
namespace {

bool Starts(DayEntryType type) {
    return type == DayEntryType::WorkStart || type == DayEntryType::CompensationDay ||
           type == DayEntryType::AbsenceDay;
}
bool Ends(DayEntryType type) { return type == DayEntryType::WorkEnd || type == DayEntryType::Break; }
// A day whose start has not ended yet.
bool Running(DayEntryType type) { return type == DayEntryType::WorkStart || type == DayEntryType::Break; }
// A day that has ended, or that was taken off as a whole.
bool Settled(DayEntryType type) {
    return type == DayEntryType::WorkEnd || type == DayEntryType::CompensationDay ||
           type == DayEntryType::AbsenceDay;
}

}  // namespace

int ListOrderProblem(DayEntryType previous, long previousDay, DayEntryType type, long day) {
    if (Ends(type)) {
        if (Settled(previous)) return 1;
        if (Running(previous) && day != previousDay) return 3;
    } else if (Starts(type)) {
        if (Running(previous)) return 2;
        if (Settled(previous) && day <= previousDay) return 4;
    }
    return 0;
}

bool SheetPlaces(const SheetDay& day, DayEntryType type) {
    const bool untouched = !day.hasStart && !day.hasEnd;
    const bool running = day.hasStart && !day.hasEnd;
    switch (type) {
    case DayEntryType::WorkStart:
    case DayEntryType::AbsenceDay:
    case DayEntryType::CompensationDay:
        return untouched;
    case DayEntryType::WorkEnd:
        // A compensation day has no start time to end.
        return running && !day.compensation;
    case DayEntryType::Break:
        return running;
    case DayEntryType::Note:
        return true;
    default:
        return false;
    }
}

}  // namespace horalo
