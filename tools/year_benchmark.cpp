// Times the year window under Wine on a log of 30 years, each figure beside
// a floor measured in the same run:
//
//   year_benchmark.exe <program folder> [repetitions]
//
// The year's account: LoadYear (one read of the log, twelve months
// evaluated). Floor: twelve LoadMonth, each a month's read as the time
// sheet makes it. Beside them: the year window opened on the year until it
// has painted its chart and list, then destroyed; a year stepped in the
// open window, painted, with the repaints of its chart and its list alone;
// and the whole log read with ReadFile, to tell the log's part from the
// evaluation's.
//
// Medians go to stdout; the exit code is 0 when every step succeeded and
// no message would have been shown.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/evaluation/loaded_month.h"
#include "core/evaluation/year_account.h"
#include "resource_ids.h"
#include "ui/year/year_view.h"
#include "win/dialog.h"
#include "wine_bench.h"

namespace horalo {
namespace {

constexpr int kYear = 2010;  // a year in the middle of the log

bool Measure(BenchServices& app, int repetitions) {
    Host& host = app.host();
    const SettingsRecord& settings = app.settings();
    const SpecialEntryList& special = app.specialDays().entries();
    const std::string logPath = host.ProgramFolder() + kLogFileName;
    std::vector<char> kept;
    bool ok = true;
    std::int32_t december = 0;

    // A window kept open for the stepping, as the user leaves it open.
    YearView* stepped = YearView::Open(app, kYear, {});
    if (!stepped) return std::printf("cannot open the year window\n"), false;
    const HWND steppedWindow = stepped->Handle();
    PumpMessages();
    bool forward = true;
    std::vector<double> opened;  // the opening alone, until painted
    std::vector<double> bareOpened;

    std::vector<Candidate> candidates{
        {"twelve LoadMonth (floor)",
         [&] {
             for (int month = 0; month < 12; ++month) {
                 WithOutcome<LoadedMonth> loaded = LoadMonth(host, kYear, month, settings, special);
                 app.benchHost().Count(loaded.outcome);
                 ok = ok && loaded.value.complete;
             }
         },
         {}},
        {"LoadYear",
         [&] {
             WithOutcome<YearAccount> year = LoadYear(host, kYear, settings, special);
             app.benchHost().Count(year.outcome);
             december = year.value.months[11].finalBalance;
         },
         {}},
        {"whole log, ReadFile", [&] { ok = ReadWholeFile(logPath, &kept) && ok; }, {}},
        {"year window opened, painted and destroyed",
         [&] {
             YearView* view = nullptr;
             opened.push_back(TimeOf([&] {
                 view = YearView::Open(app, kYear, {});
                 if (view) UpdateWindow(view->Handle());
             }));
             ok = ok && view;
             if (view) DestroyWindow(view->Handle());
             PumpMessages();
         },
         {}},
        {"the bare template, shown and painted",
         [&] {
             auto* bare = new win::Dialog(IDD_YEAR);
             bareOpened.push_back(TimeOf([&] {
                 ok = bare->CreateModeless(nullptr) && ok;
                 ShowWindow(bare->Handle(), SW_SHOW);
                 UpdateWindow(bare->Handle());
             }));
             DestroyWindow(bare->Handle());
             PumpMessages();
         },
         {}},
        {"the chart repainted",
         [&] {
             RedrawWindow(GetDlgItem(steppedWindow, IDC_YEAR_CHART), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
         },
         {}},
        {"the list repainted",
         [&] {
             RedrawWindow(GetDlgItem(steppedWindow, IDC_YEAR_LIST), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
         },
         {}},
        {"a year stepped in the open window",
         [&] {
             const int id = forward ? IDC_YEAR_NEXT : IDC_YEAR_PREV;
             SendMessageA(steppedWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(GetDlgItem(steppedWindow, id)));
             RedrawWindow(steppedWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
             forward = !forward;
         },
         {}},
    };
    Interleave(candidates, repetitions);
    DestroyWindow(steppedWindow);
    PumpMessages();
    if (!ok) return std::printf("a step failed\n"), false;
    std::printf("year %d, December's final balance %d s\n", kYear, static_cast<int>(december));
    for (const auto& candidate : candidates) PrintLine(candidate.name, candidate.times);
    opened.erase(opened.begin());  // the warm-ups
    bareOpened.erase(bareOpened.begin());
    PrintLine("the window opened and painted", opened);
    PrintLine("the bare template, shown and painted", bareOpened);
    const double floor = Median(candidates[0].times);
    const auto row = [floor](const char* name, double time) {
        std::printf("%-48s %7.2f ms %7.2f ms %7.2fx\n", name, time, floor, floor > 0 ? time / floor : 0.0);
    };
    std::printf("\n%-48s %10s %10s %8s\n", "median, beside twelve month reads", "time", "floor", "ratio");
    row("the year's account (target 1.5x)", Median(candidates[1].times));
    row("the window opened and painted (target under 100 ms)", Median(opened));
    row("a year stepped", Median(candidates[7].times));
    std::printf("%-48s %7.2f ms beside the bare template's %.2f ms\n", "the window opened and painted",
                Median(opened), Median(bareOpened));
    return december != 0;
}

}  // namespace
}  // namespace horalo

int main(int argc, char** argv) { return horalo::RunBenchmark(argc, argv, "year", 20, horalo::Measure); }
