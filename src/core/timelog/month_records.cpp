#include "core/timelog/month_records.h"

#include <algorithm>
#include <ctime>
#include <span>
#include <vector>

#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/calendar/local_time.h"
#include "core/timelog/log_rewrite.h"

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

using StoredMonths = WithOutcome<std::optional<MonthRecordList>>;

StoredMonths ReadMonthRecordsAgain(Host& host) {
    auto [log, outcome] = OpenLogFile(host, "rb");
    if (!log) return {std::nullopt, std::move(outcome)};
    return {ReadMonthRecords(log.get()), std::nullopt};
}

StoredMonths RewriteAndReadAgain(Host& host, std::span<const LogBytes> parts) {
    if (Outcome failed = RewriteLog(host, parts)) return {std::nullopt, std::move(failed)};
    return ReadMonthRecordsAgain(host);
}

// Writes `log` with the month's record replaced by `replacement` (removed
// when there is none), or with `replacement` in front of all records when
// the month has none. `current` is the month records of `log`.
StoredMonths RewriteMonthOf(Host& host, LogBytes log, const MonthRecordList& current, TimeValue key,
                            const LogRecord* replacement) {
    const MonthRecordEntry* found = FindMonth(current, key);
    if (!found && !replacement) return {current, std::nullopt};
    const Bytes record = replacement ? EncodeRecord(*replacement) : Bytes();
    const auto at = static_cast<std::size_t>(found ? found->position : 0);
    const std::size_t behind = found ? RecordEnd(log, at) : 0;
    const LogBytes parts[] = {log.first(at), record, log.subspan(behind)};
    return RewriteAndReadAgain(host, parts);
}

StoredMonths RewriteMonth(Host& host, TimeValue key, const LogRecord* replacement) {
    auto [image, outcome] = LoadLog(host);
    if (!image) return {std::nullopt, std::move(outcome)};
    const LogBytes log(*image);
    return RewriteMonthOf(host, log, MonthRecordsOf(log), key, replacement);
}

// The month records of the log and where the referenced one stands, when it
// is one of them with its bytes.
struct LocatedMonth {
    std::optional<LogImage> image;
    MonthRecordList current;
    EditResult result = EditResult::Done;
};

LocatedMonth LocateMonth(Host& host, const RecordRef& ref) {
    LocatedMonth located;
    auto [image, outcome] = LoadLog(host);
    located.image = std::move(image);
    if (!located.image) {
        located.result = std::move(*outcome);
        return located;
    }
    located.current = MonthRecordsOf(*located.image);
    const bool found = std::any_of(located.current.begin(), located.current.end(),
                                   [&ref](const MonthRecordEntry& entry) { return RefOf(entry) == ref; });
    if (!found) located.result = EditResult::Changed;
    return located;
}

}  // namespace

TimeValue MonthKey(int year, int month) { return MakeLocalTime(year, month, 1, 0, 0, 0, DaylightSaving::NotInEffect); }

// Record by record: only the month records at the head are read, not the
// years of working days behind them.
MonthRecordList ReadMonthRecords(std::FILE* file) {
    return CollectMonthRecords([file] { return ReadRecord(file); });
}

MonthRecordList MonthRecordsOf(LogBytes log) {
    std::size_t offset = 0;
    return CollectMonthRecords([&] { return DecodeRecord(log, offset); });
}

WithOutcome<std::optional<MonthRecordList>> StoreMonthRecord(Host& host, int year, int month,
                                                             std::int32_t carriedBalance, std::int32_t hoursDeducted) {
    const LogRecord record = LogRecord::Month(MonthKey(year, month), hoursDeducted, carriedBalance);
    if (Outcome refused = CheckLogCanHold(std::span(&record, 1))) return {std::nullopt, std::move(refused)};
    return RewriteMonth(host, record.time, &record);
}

RecordRef RefOf(const MonthRecordEntry& entry) {
    return RecordRef::Of(entry.position, LogRecord::Month(entry.monthKey, entry.hoursDeducted, entry.carriedBalance));
}

EditResult RemoveMonthRecord(Host& host, const RecordRef& month) {
    const LocatedMonth located = LocateMonth(host, month);
    if (located.result != EditResult::Done) return located.result;
    const LogBytes log(*located.image);
    const auto at = static_cast<std::size_t>(month.position);
    const LogBytes parts[] = {log.first(at), log.subspan(at + month.bytes.size())};
    return RewriteEdit(host, parts);
}

// One rewrite, not a removal and then a store: should the store fail, the
// month's values would be lost.
EditResult ChangeMonthRecord(Host& host, const RecordRef& old, int year, int month, std::int32_t carriedBalance,
                             std::int32_t hoursDeducted) {
    const LogRecord record = LogRecord::Month(MonthKey(year, month), hoursDeducted, carriedBalance);
    if (Outcome refused = CheckLogCanHold(std::span(&record, 1))) return std::move(*refused);
    LocatedMonth located = LocateMonth(host, old);
    if (located.result != EditResult::Done) return located.result;
    const LogBytes log(*located.image);
    const RecordPosition moved = old.position;

    // The month records stand one behind the other from the head of the log;
    // the kept ones are copied in runs as they stand.
    MonthRecordList& current = located.current;
    std::sort(current.begin(), current.end(),
              [](const MonthRecordEntry& a, const MonthRecordEntry& b) { return a.position < b.position; });
    const Bytes encoded = EncodeRecord(record);
    std::vector<LogBytes> parts;
    std::size_t runStart = 0;
    for (const MonthRecordEntry& entry : current) {
        const bool isMoved = entry.position == moved;
        if (!isMoved && entry.monthKey != record.time) continue;
        const auto at = static_cast<std::size_t>(entry.position);
        parts.push_back(log.subspan(runStart, at - runStart));
        if (isMoved) parts.push_back(encoded);
        runStart = RecordEnd(log, at);
    }
    parts.push_back(log.subspan(runStart));
    return RewriteEdit(host, parts);
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
