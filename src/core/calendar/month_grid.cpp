#include "core/calendar/month_grid.h"

#include "core/calendar/calendar_date.h"

namespace horalo {
namespace {
constexpr int kFriday = 4;
}  // namespace

MonthGrid MakeMonthGrid(int month, const YearInfo& year) {
    const YearInfo previous = MakeYearInfo(year.year - 1);
    const int yearLength = 365 + year.leap;
    const int first = DaysBeforeMonth(year.year, month) + 1;
    const int w = (first + year.firstWeekday - 1) % 7;

    MonthGrid grid;
    grid.firstWeekday = w;

    // Week 1 is the week of the first Thursday; a 1 January from Friday on
    // belongs to the last week of the year before.
    int week = (first - w + year.firstWeekday - 1) / 7 + (year.firstWeekday < kFriday ? 1 : 0);
    if (week < 1) week = previous.weeks;
    grid.weekNumbers[0] = static_cast<std::int16_t>(week);
    // The rows below wrap into week 1 of the next year in December, and out
    // of the previous year's last week in January.
    for (int row = 1; row < kGridRows; ++row) {
        int number = week + row;
        if (month == 11 && number > year.weeks) number -= year.weeks;
        if (month == 0 && number > year.weeks) number -= previous.weeks;
        grid.weekNumbers[row] = static_cast<std::int16_t>(number);
    }

    const int length = MonthLength(year.year, month);
    const int previousLength = month == 0 ? 31 : MonthLength(year.year, month - 1);
    for (int n = 0; n < kGridCells; ++n) {
        int day = previousLength - w + n + 1;
        if (day > previousLength) day -= previousLength;
        if (day > length && n > 22) day -= length;
        grid.days[n] = static_cast<std::int16_t>(day);

        int dayOfYear = first - w + n;
        if (dayOfYear > yearLength) dayOfYear -= yearLength;
        if (dayOfYear < 1) dayOfYear += 365 + previous.leap;
        grid.daysOfYear[n] = static_cast<std::int16_t>(dayOfYear);
    }
    return grid;
}

}  // namespace horalo
