#include "core/evaluation/year_account.h"

#include "core/sheet/time_sheet.h"
#include "core/text/text_ids.h"
#include "core/timelog/log_record.h"

namespace horalo {

YearAccount YearOfLog(Host& host, LogBytes log, const MonthRecordList& records, int year,
                      const SettingsRecord& settings, const SpecialEntryList& specialEntries) {
    YearAccount account;
    account.year = year;
    for (int month = 0; month < 12; ++month) {
        const LoadedMonth loaded = MonthOfLog(host, log, records, year, month, settings, specialEntries);
        TimeSheet sheet;
        sheet.year = year;
        sheet.month = month;
        sheet.carriedBalance = loaded.carriedBalance;
        sheet.hoursDeducted = loaded.hoursDeducted;
        sheet.evaluation = loaded.evaluation;
        MonthAccount& row = account.months[static_cast<std::size_t>(month)];
        row.month = month;
        row.complete = loaded.complete;
        for (const DayEvaluation& day : loaded.evaluation.days) row.presence += day.presence;
        row.surplus = loaded.evaluation.surplusTotal;
        row.deficit = loaded.evaluation.deficitTotal;
        row.carriedBalance = loaded.carriedBalance;
        row.hoursDeducted = loaded.hoursDeducted;
        row.finalBalance = MonthFinalBalance(sheet);
        row.nextCarriedBalance = MonthCarriedBalance(records, month == 11 ? year + 1 : year, (month + 1) % 12);
        row.carriedOver = row.nextCarriedBalance == CarriedBalanceOf(row.finalBalance);
    }
    return account;
}

WithOutcome<YearAccount> LoadYear(Host& host, int year, const SettingsRecord& settings,
                                  const SpecialEntryList& specialEntries) {
    auto [log, opened] = OpenLogFile(host, "rb");
    if (!log) return {YearOfLog(host, {}, {}, year, settings, specialEntries), std::move(opened)};
    const std::optional<ByteBlock> bytes = ReadToEnd(log.get(), kLargestLogSize);
    if (!bytes) {
        return {YearOfLog(host, {}, {}, year, settings, specialEntries),
                LibraryMessage(IDS_LOG_OPEN_FAILED, kMessageStop)};
    }
    return {YearOfLog(host, *bytes, MonthRecordsOf(*bytes), year, settings, specialEntries), {}};
}

}  // namespace horalo
