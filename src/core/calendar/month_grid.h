#pragma once
// The 6 x 7 grid of a calendar month, rows Monday to Sunday, framed by the
// end of the month before and the beginning of the month after.
#include <array>
#include <cstdint>

#include "core/calendar/year_info.h"

namespace horalo {

constexpr int kGridRows = 6;
constexpr int kGridCells = 42;

struct MonthGrid {
    std::int32_t firstWeekday = 0;                     // weekday of the 1st, 0 = Monday
    std::array<std::int16_t, kGridRows> weekNumbers{};  // ISO week of each row
    std::array<std::int16_t, kGridCells> days{};        // day of month shown in each cell
    std::array<std::int16_t, kGridCells> daysOfYear{};  // of the shown day, in its own year
};

// Month 0 to 11 of the year described by the info.
MonthGrid MakeMonthGrid(int month, const YearInfo& year);

}  // namespace horalo
