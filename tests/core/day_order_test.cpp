// Where the time log's order check and the time sheet's may differ, and
// where they must agree: each case goes through the real month rows and
// the real month evaluation.
#include "core/timelog/day_order.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/browser/month_rows.h"
#include "core/evaluation/month_evaluation.h"
#include "resource_ids.h"
#include "test_host.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::LocalAt;
using Type = DayEntryType;

struct Step {
    Type type;
    int day;   // of March 2026; the 2nd is a Monday
    int hour;
};

std::vector<DayEntry> Entries(const std::vector<Step>& steps) {
    std::vector<DayEntry> entries;
    for (const Step& step : steps) {
        const TimeValue time = LocalAt(2026, 2, step.day, step.hour);
        LogRecord record = LogRecord::Of(static_cast<LogRecordType>(step.type), time);
        if (step.type == Type::Break) record = LogRecord::Break(time, time + 1800);
        if (step.type == Type::Note) record = LogRecord::Note(time, "n");
        entries.push_back({static_cast<RecordPosition>(entries.size()), step.type, record, {}});
    }
    return entries;
}

TEST(DayOrder, TheListFlagsWhatTheSheetLetsPassButBothRefuseWhatWouldMakeAWrongFigure) {
    test::TestHost host;
    host.texts = {{IDS_PROBLEM_CODE, "P%d"}, {IDS_PROBLEM_CODE_2, "G%d"}};
    const RowStrings strings = RowStrings::Load(host);
    const SettingsRecord settings = DefaultSettings();
    const SpecialEntryList noSpecialDays;
    const Type start = Type::WorkStart, end = Type::WorkEnd, pause = Type::Break, note = Type::Note,
               absent = Type::AbsenceDay, comp = Type::CompensationDay;
    const struct {
        const char* name;
        std::vector<Step> steps;
        int listProblem;  // the first problem code the list shows, 0 for none
        bool sheetMade;
    } cases[] = {
        // Agreed: a proper day, and whatever would make a figure wrong.
        {"start, break, note, end", {{start, 2, 8}, {pause, 2, 12}, {note, 2, 13}, {end, 2, 17}}, 0, true},
        {"absence, then a working day", {{absent, 2, 8}, {start, 3, 8}, {end, 3, 17}}, 0, true},
        {"end without a start", {{start, 2, 8}, {end, 2, 17}, {end, 2, 18}}, 1, false},
        {"break behind an ended day", {{start, 2, 8}, {end, 2, 17}, {pause, 2, 18}}, 1, false},
        {"two starts on one day", {{start, 2, 8}, {start, 2, 9}}, 2, false},
        {"an absence on a started day", {{start, 2, 8}, {absent, 2, 9}}, 2, false},
        {"an end on the day after its start", {{start, 2, 8}, {end, 3, 1}}, 3, false},
        {"a start on an ended day", {{start, 2, 8}, {end, 2, 12}, {start, 2, 13}}, 4, false},
        {"a compensation day ended", {{comp, 2, 8}, {end, 2, 17}}, 1, false},
        // Differing: the sheet takes each day on its own.
        {"a day left running, a start the next day", {{start, 2, 8}, {start, 3, 8}, {end, 3, 17}}, 2, true},
        {"an absence, then a start on the same day", {{absent, 2, 8}, {start, 2, 9}, {end, 2, 17}}, 4, true},
        {"two absences on one day", {{absent, 2, 8}, {absent, 2, 8}}, 4, true},
        {"a break on a compensation day", {{comp, 2, 8}, {pause, 2, 12}}, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<DayEntry> entries = Entries(c.steps);
        int listProblem = 0;
        for (const MonthRow& row : BuildMonthRows(entries, MakeYearInfo(2026), noSpecialDays, settings, strings, 0))
            if (row.position != -1 && row.problem != 0 && listProblem == 0) listProblem = row.problem;
        EXPECT_EQ(listProblem, c.listProblem);

        MonthEvaluation out;
        const MonthEvaluationContext context{2026, 2, 0, settings, false, noSpecialDays, {}};
        EXPECT_EQ(EvaluateMonth(host, entries, context, out).value, c.sheetMade);
    }
}

}  // namespace
}  // namespace horalo
