#include "core/store/month_records.h"

#include <algorithm>
#include <ctime>

#include "core/store/file_layer.h"
#include "core/store/local_time.h"
#include "core/store/log_rewrite.h"
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

long FileLength(std::FILE* file) {
    FileLayer& files = Files();
    if (!files.Seek(file, 0, SEEK_END)) return -1;
    const long length = files.Tell(file);
    return files.Seek(file, 0, SEEK_SET) ? length : -1;
}

std::optional<MonthRecordList> ReadMonthRecordsAgain(Host& host) {
    LogFile log = OpenLogFile(host, "rb");
    if (!log) return std::nullopt;
    return ReadMonthRecords(log.get());
}

// Copies the log into the rewrite file with the month's record replaced by
// `replacement` (removed when there is none), or with `replacement` in front
// of all records when the month has none, and commits.
std::optional<MonthRecordList> RewriteMonth(Host& host, TimeValue key, const LogRecord* replacement) {
    LogFile log = OpenLogFile(host, "rb");
    if (!log) return std::nullopt;
    const long length = FileLength(log.get());
    if (length < 0) {
        host.ShowMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
        return std::nullopt;
    }
    const MonthRecordList current = ReadMonthRecords(log.get());
    const MonthRecordEntry* found = FindMonth(current, key);
    if (!found && !replacement) return current;
    if (!Files().Seek(log.get(), 0, SEEK_SET)) return std::nullopt;
    LogFile rewrite = OpenLogFile(host, "wb", true);
    if (!rewrite) return std::nullopt;

    std::FILE* from = log.get();
    std::FILE* to = rewrite.get();
    if (found) {
        if (!CopyBytes(host, from, to, found->position) || !ReadRecord(from)) return std::nullopt;
        if (replacement && !WriteRecord(host, *replacement, to)) return std::nullopt;
    } else if (!WriteRecord(host, *replacement, to)) {
        return std::nullopt;
    }
    const long at = Files().Tell(from);
    if (at < 0 || !CopyBytes(host, from, to, length - at)) return std::nullopt;
    log.reset();
    if (!FinishRewrite(host, std::move(rewrite))) return std::nullopt;
    return ReadMonthRecordsAgain(host);
}

}  // namespace

TimeValue MonthKey(int year, int month) {
    return static_cast<TimeValue>(MakeLocalTime(year, month, 1, 0, 0, 0, DaylightSaving::NotInEffect));
}

MonthRecordList ReadMonthRecords(std::FILE* file) {
    MonthRecordList list;
    while (auto stored = ReadRecord(file)) {
        const LogRecord& record = stored->record;
        if (record.type() != LogRecordType::MonthRecord) break;
        list.push_back({stored->position, record.time, record.hoursDeducted, record.carriedBalance});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const MonthRecordEntry& a, const MonthRecordEntry& b) { return a.monthKey < b.monthKey; });
    return list;
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
