#include "core/evaluation/loaded_month.h"

#include "core/text/string_list.h"
#include "core/text/text_ids.h"
#include "core/timelog/log_record.h"

namespace horalo {

LoadedMonth MonthOfLog(Host& host, LogBytes log, const MonthRecordList& records, int year, int month,
                       const SettingsRecord& settings, const SpecialEntryList& specialEntries) {
    LoadedMonth loaded;
    loaded.year = year;
    loaded.month = month;
    loaded.entries = DayEntriesOf(log, year, month);
    loaded.carriedBalance = MonthCarriedBalance(records, year, month);
    loaded.hoursDeducted = MonthHoursDeducted(records, year, month);
    const StringList weekdays = SplitStringResource(host, IDS_WEEKDAY_NAMES);
    // Always asked: whether the user is told is the caller's choice.
    const MonthEvaluationContext context{year, month, loaded.carriedBalance, settings, true, specialEntries, weekdays};
    WithOutcome<bool> evaluated = EvaluateMonth(host, loaded.entries, context, loaded.evaluation);
    loaded.complete = evaluated.value;
    loaded.maximumNotice = std::move(evaluated.outcome);
    return loaded;
}

WithOutcome<LoadedMonth> LoadMonth(Host& host, int year, int month, const SettingsRecord& settings,
                                   const SpecialEntryList& specialEntries) {
    // Every step through the months reads the log again; the block of the
    // last read is kept for the next, as its first touch is dear.
    thread_local ByteBlock bytes;
    auto [log, opened] = OpenLogFile(host, "rb");
    if (!log) return {MonthOfLog(host, {}, {}, year, month, settings, specialEntries), std::move(opened)};
    if (!ReadToEnd(log.get(), bytes, kLargestLogSize)) {
        bytes = ByteBlock();
        return {MonthOfLog(host, {}, {}, year, month, settings, specialEntries),
                LibraryMessage(IDS_LOG_OPEN_FAILED, kMessageStop)};
    }
    MonthRecordList records = MonthRecordsOf(bytes);
    LoadedMonth loaded = MonthOfLog(host, bytes, records, year, month, settings, specialEntries);
    loaded.monthRecords = std::move(records);
    return {std::move(loaded), {}};
}

}  // namespace horalo
