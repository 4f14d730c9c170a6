#include "cli/cli_texts.h"

#include "resource_ids.h"

namespace horalo::cli {
namespace {

const CliText kTexts[] = {
    {IDS_SHEET_ORDER_PROBLEM,
     "The time sheet for this month cannot be made: its records are not in a valid order (for example an end of "
     "work without a start, or a second start on a day that has already ended).\n\nOpen the time log for this month "
     "and correct the marked records."},
    {IDS_DAILY_MAXIMUM,
     "On at least one day of this month your working time is longer than the daily maximum set in the options."},
    {IDS_PROBLEM_CODE, "Out of order (problem %d)"},
    {IDS_PROBLEM_CODE_2, "No records on a workday (problem %d)"},
    {IDS_ABSENCE_MARK, "Absent"},
    {IDS_COMPENSATION_MARK, "Comp."},
    {IDS_LOG_OPEN_FAILED,
     "The time log horalo.log could not be opened.\n\nMake sure the Horalo program folder exists and that you may "
     "write to it."},
    {IDS_SPECIAL_READ_FAILED,
     "The special days file horalo.spc could not be read, so Horalo cannot start.\n\nThe file must be in the Horalo "
     "program folder (it may hold no special days)."},
    {IDS_MONTH_NAMES,
     "January\nFebruary\nMarch\nApril\nMay\nJune\nJuly\nAugust\nSeptember\nOctober\nNovember\nDecember"},
    {IDS_HOLIDAY_NOTE, "Holiday"},
    {IDS_WEEKDAY_NAMES, "Sunday\nMonday\nTuesday\nWednesday\nThursday\nFriday\nSaturday"},
};

}  // namespace

std::span<const CliText> CliTexts() { return kTexts; }

std::string CliTextOf(unsigned id) {
    for (const CliText& text : kTexts)
        if (text.id == id) return text.text;
    return {};
}

}  // namespace horalo::cli
