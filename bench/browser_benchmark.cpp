// The log browser's work on a log of decades, beside the floors that
// time_log_benchmark.cpp measures in the same run: a month's rows filled as
// the browser fills them, all but the list control (floor: ReadFloor, the
// whole log read once), and a deletion of many rows in one rewrite (floor:
// CopyFloor; beside it DeleteMiddle, the deletion of one row).
#include <string>
#include <vector>

#include "bench_log.h"
#include "core/browser/month_rows.h"
#include "core/calendar/local_time.h"
#include "core/calendar/year_info.h"
#include "core/calendar_days/calendar_entry_file.h"
#include "core/settings/settings_record.h"
#include "core/timelog/time_log.h"
#include "resource_ids.h"

namespace horalo::bench {
namespace {

// What the browser holds from its start: strings, special days, settings.
struct BrowserInputs {
    int year = kFirstYear + years / 2;
    int month = 5;  // June, as ReadMonth
    RowStrings strings;
    SpecialEntryList specialDays;
    SettingsRecord settings = DefaultSettings();
    TimeValue now = 0;

    bool Load() {
        host.texts[IDS_WEEKDAY_NAMES] = "Sunday\nMonday\nTuesday\nWednesday\nThursday\nFriday\nSaturday";
        host.texts[IDS_PROBLEM_CODE] = "Out of order (problem %d)";
        host.texts[IDS_PROBLEM_CODE_2] = "No records on a workday (problem %d)";
        strings = RowStrings::Load(host);
        now = static_cast<TimeValue>(MakeLocalTime(year, month, 15, 12, 0, 0, DaylightSaving::FromCalendar));
        return ReadSpecialFile(HORALO_SPECIAL_DAYS_FILE, specialDays) == kSpecialFileOk;
    }
    std::vector<MonthRow> Rows(const std::vector<DayEntry>& entries) const {
        return BuildMonthRows(entries, MakeYearInfo(year), specialDays, settings, strings, now);
    }
};

// From opening the log to the rows, as a month button does it.
void FillMonthRows(benchmark::State& state) {
    BrowserInputs inputs;
    if (!inputs.Load()) return state.SkipWithError("no default special days");
    std::size_t rows = 0;
    for (auto _ : state) {
        DropFromCache(state);
        LogFile log = OpenLogToRead();
        const std::vector<MonthRow> built = inputs.Rows(ReadDayEntries(inputs.year, inputs.month, log.get()));
        rows = built.size();
        benchmark::DoNotOptimize(built.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    if (rows == 0) state.SkipWithError("no rows");
    Report(state);
}

// The rows alone, from entries read before: the fill less ReadMonth.
void BuildRowsOnly(benchmark::State& state) {
    BrowserInputs inputs;
    if (!inputs.Load()) return state.SkipWithError("no default special days");
    LogFile log = OpenLogToRead();
    const std::vector<DayEntry> entries = ReadDayEntries(inputs.year, inputs.month, log.get());
    for (auto _ : state) {
        const std::vector<MonthRow> built = inputs.Rows(entries);
        benchmark::DoNotOptimize(built.data());
    }
}

// A hundred records spread over the whole log, in the order a selection
// from the bottom up would give them.
void DeleteHundred(benchmark::State& state) {
    std::vector<RecordRef> selected;
    for (std::size_t i = 100; i-- > 0;) selected.push_back(records[records.size() * (2 * i + 1) / 200]);
    for (auto _ : state) {
        if (DeleteRecords(host, selected) != EditResult::Done) state.SkipWithError("nothing deleted");
        Restore(state);
    }
    Report(state);
}

BENCHMARK(FillMonthRows)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BuildRowsOnly)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(DeleteHundred)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace horalo::bench
