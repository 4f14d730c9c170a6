#include "core/timelog/month_records.h"

#include <algorithm>
#include <ctime>

#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/calendar/local_time.h"
#include "core/timelog/log_rewrite.h"
#include "resource_ids.h"

namespace horalo {
namespace {

// The entry with the key, found as the sorted list is walked from its head.
const MonthRecordEntry* FindMonth(const MonthRecordList& list, TimeValue key) {
    for (const auto& entry : list) {
        if (entry.monthKey < key) continue;
        return entry.monthKey == key ? &entry : nullptr;
    }
    return nullptr;
}

// The month records at the head, up to the first record of another type,
// sorted by key; `next` gives the records one after another.
template <class Next>
MonthRecordList CollectMonthRecords(Next next) {
    MonthRecordList list;
    while (auto stored = next()) {
        const LogRecord& record = stored->record;
        if (record.type() != LogRecordType::MonthRecord) break;
        list.push_back({stored->position, record.time, record.hoursDeducted, record.carriedBalance});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const MonthRecordEntry& a, const MonthRecordEntry& b) { return a.monthKey < b.monthKey; });
    return list;
}

MonthRecordList MonthRecordsOf(LogBytes log) {
    std::size_t offset = 0;
    return CollectMonthRecords([&] { return DecodeRecord(log, offset); });
}

std::optional<MonthRecordList> ReadMonthRecordsAgain(Host& host) {
    LogFile log = OpenLogFile(host, "rb");
    if (!log) return std::nullopt;
    return ReadMonthRecords(log.get());
}

// Writes the log with the month's record replaced by `replacement` (removed
// when there is none), or with `replacement` in front of all records when
// the month has none.
std::optional<MonthRecordList> RewriteMonth(Host& host, TimeValue key, const LogRecord* replacement) {
    const auto image = LoadLog(host);
    if (!image) return std::nullopt;
    const LogBytes log(*image);
    const MonthRecordList current = MonthRecordsOf(log);
    const MonthRecordEntry* found = FindMonth(current, key);
    if (!found && !replacement) return current;
    const Bytes record = replacement ? EncodeRecord(*replacement) : Bytes();
    const auto at = static_cast<std::size_t>(found ? found->position : 0);
    const std::size_t behind = found ? RecordEnd(log, at) : 0;
    const LogBytes parts[] = {log.first(at), record, log.subspan(behind)};
    if (!RewriteLog(host, parts)) return std::nullopt;
    return ReadMonthRecordsAgain(host);
}

}  // namespace

TimeValue MonthKey(int year, int month) {
    return static_cast<TimeValue>(MakeLocalTime(year, month, 1, 0, 0, 0, DaylightSaving::NotInEffect));
}

// Record by record: only the month records at the head are read, not the
// years of working days behind them.
MonthRecordList ReadMonthRecords(std::FILE* file) {
    return CollectMonthRecords([file] { return ReadRecord(file); });
}

std::optional<MonthRecordList> StoreMonthRecord(Host& host, int year, int month, std::int32_t carriedBalance,
                                                std::int32_t hoursDeducted) {
    const LogRecord record = LogRecord::Month(MonthKey(year, month), hoursDeducted, carriedBalance);
    return RewriteMonth(host, record.time, &record);
}

std::optional<MonthRecordList> RemoveMonthRecord(Host& host, TimeValue monthKey) {
    return RewriteMonth(host, monthKey, nullptr);
}

std::int32_t MonthHoursDeducted(const MonthRecordList& list, int year, int month) {
    const TimeValue key = MonthKey(year, month);
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.monthKey == key; });
    return found == list.end() ? 0 : found->hoursDeducted;
}

std::int32_t MonthCarriedBalance(const MonthRecordList& list, int year, int month) {
    const TimeValue key = MonthKey(year, month);
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.monthKey == key; });
    return found == list.end() ? 0 : found->carriedBalance;
}

}  // namespace horalo
