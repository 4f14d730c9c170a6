#include "core/timelog/day_entries.h"

#include <algorithm>
#include <climits>
#include <ctime>

#include "core/io/file_layer.h"
#include "core/calendar/local_time.h"
#include "core/timelog/log_image.h"

namespace horalo {
namespace {

// Local midnight at the start of a month, for bounds only: a day either side
// covers every offset from UTC and every daylight-saving rule, and the
// records near a bound are then decided by their own local time.
long long MonthStart(int year, int month) {
    return MakeLocalTime(year, month, 1, 0, 0, 0, DaylightSaving::FromCalendar);
}

struct MonthBounds {
    long long low = LLONG_MIN;
    long long high = LLONG_MAX;
};

MonthBounds CandidateBounds(int year, int month) {
    constexpr long long kDay = 86400;
    const long long start = MonthStart(year, month);
    const long long next = MonthStart(year, month + 1);
    if (start == -1 || next == -1 || next <= start) return {};  // no bounds: look at every record
    return {start - 2 * kDay, next + 2 * kDay};
}

bool LocalMonth(TimeValue time, int& year, int& month) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return false;
    year = local.tm_year + 1900;
    month = local.tm_mon;
    return true;
}

}  // namespace

// The log is walked without decoding; only the records whose UTC time lies
// near the month are converted to local time and decoded.
std::vector<DayEntry> DayEntriesOf(LogBytes log, int year, int month) {
    std::vector<DayEntry> entries;
    const MonthBounds bounds = CandidateBounds(year, month);
    for (std::size_t offset = 0, end; (end = RecordEnd(log, offset)) != offset; offset = end) {
        const std::uint32_t tag = RecordTag(log, offset);
        if (tag > TagOf(LogRecordType::CompensationDay)) continue;
        const TimeValue time = *RecordTime(log, offset);
        if (time < bounds.low || time >= bounds.high) continue;

        DayEntryType type = static_cast<DayEntryType>(tag);
        int localYear = 0, localMonth = 0;
        if (!LocalMonth(time, localYear, localMonth))
            type = DayEntryType::UnreadableEntry;
        else if (localYear != year || localMonth != month)
            continue;
        std::size_t at = offset;
        auto stored = DecodeRecord(log, at);
        entries.push_back({static_cast<RecordPosition>(offset), type, std::move(stored->record),
                           Bytes(log.begin() + offset, log.begin() + end)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DayEntry& a, const DayEntry& b) { return a.record.time < b.record.time; });
    return entries;
}

std::vector<DayEntry> ReadDayEntries(int year, int month, std::FILE* file) {
    const long base = Files().Tell(file);
    // The browser and the sheet read a month at every step through the
    // months; the block of the last read is kept for the next.
    thread_local ByteBlock bytes;
    if (base < 0 || !ReadToEnd(file, bytes, kLargestLogSize)) return {};
    std::vector<DayEntry> entries = DayEntriesOf(bytes, year, month);
    for (DayEntry& entry : entries) entry.position += base;
    return entries;
}

}  // namespace horalo
