// Times the log browser under Wine on a log of 30 years, each figure beside
// a floor measured in the same run:
//
//   browser_benchmark.exe <program folder> [repetitions]
//
// Showing a month: the browser's month button in the running dialog, the
// list control included (log read, rows built, captions set, list filled
// and painted). Floor: the same list control emptied and filled with the
// same month's rows already built, and painted. Beside them, the whole log
// read with ReadFile, to tell the log's part from the control's.
//
// Medians go to stdout; the exit code is 0 when every step succeeded and
// no message would have been shown.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/browser/month_rows.h"
#include "core/calendar/year_info.h"
#include "resource_ids.h"
#include "ui/browser/log_browser_dialog.h"
#include "win/list_view.h"
#include "wine_bench.h"

namespace horalo {
namespace {

constexpr int kYear = 2010;  // June and July of a year in the middle of the log
constexpr int kMonth = 5;

std::vector<MonthRow> RowsOf(BenchServices& app, int year, int month) {
    Host& host = app.host();
    auto [log, opened] = OpenLogFile(host, "rb");
    app.benchHost().Count(opened);
    if (!log) return {};
    return BuildMonthRows(ReadDayEntries(year, month, log.get()), MakeYearInfo(year), app.specialDays().entries(),
                          app.settings(), RowStrings::Load(host), Now());
}

void FillList(win::ListView& list, const std::vector<MonthRow>& rows) {
    list.SetRedraw(false);
    list.Clear();
    for (const MonthRow& row : rows) list.AddRow(row.texts, row.position, row.ImageIndex());
    list.SetRedraw(true);
    UpdateWindow(list.Handle());
}

bool Measure(BenchServices& app, int repetitions) {
    SetClock([] { return static_cast<TimeValue>(MakeLocalTime(kYear, kMonth, 15, 12, 0, 0, DaylightSaving::FromCalendar)); });
    auto* browser = new LogBrowserDialog(app);
    if (!browser->CreateModeless(nullptr)) {
        delete browser;
        return std::printf("cannot create the browser\n"), false;
    }
    const HWND window = browser->Handle();
    ShowWindow(window, SW_SHOW);
    PumpMessages();
    win::ListView list(GetDlgItem(window, IDC_BROWSER_LIST));
    const std::vector<MonthRow> june = RowsOf(app, kYear, kMonth);
    const std::vector<MonthRow> july = RowsOf(app, kYear, kMonth + 1);
    const std::string logPath = app.host().ProgramFolder() + kLogFileName;
    std::vector<char> kept;
    bool ok = !june.empty() && !july.empty();
    bool nextShown = false;
    const auto press = [&](int id) {
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
        UpdateWindow(list.Handle());
    };
    bool prebuiltNext = false;
    std::vector<Candidate> candidates{
        {"whole log, ReadFile", [&] { ok = ReadWholeFile(logPath, &kept) && ok; }, {}},
        {"prebuilt rows into the list (floor)",
         [&] {
             FillList(list, prebuiltNext ? july : june);
             prebuiltNext = !prebuiltNext;
         },
         {}},
        {"month button in the browser",
         [&] {
             press(nextShown ? IDC_PREV_MONTH : IDC_NEXT_MONTH);
             nextShown = !nextShown;
         },
         {}},
    };
    Interleave(candidates, repetitions);
    const int rowsShown = list.Count();
    DestroyWindow(window);
    PumpMessages();
    SetClock({});
    if (!ok) return std::printf("a step failed\n"), false;
    std::printf("June %d: %zu rows, July: %zu rows; the list shows %d after the run\n", kYear, june.size(),
                july.size(), rowsShown);
    for (const auto& candidate : candidates) PrintLine(candidate.name, candidate.times);
    const double floor = Median(candidates[1].times), shown = Median(candidates[2].times);
    std::printf("\n%-44s %7.2f ms %7.2f ms %7.2fx\n", "showing a month (target 1.5x)", shown, floor,
                floor > 0 ? shown / floor : 0.0);
    return rowsShown > 0;
}

}  // namespace
}  // namespace horalo

int main(int argc, char** argv) { return horalo::RunBenchmark(argc, argv, "browser", 30, horalo::Measure); }
