#include "core/calendar/month_grid.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "calendar_oracle.h"
#include "core/calendar/year_info.h"

namespace horalo {
namespace {

namespace chr = std::chrono;
using test::DayOfYear;
using test::IsoWeek;
using test::IsoWeekday;

TEST(MonthGrid, February2001) {
    const MonthGrid grid = MakeMonthGrid(1, MakeYearInfo(2001));
    EXPECT_EQ(grid.firstWeekday, 3);
    EXPECT_EQ(grid.days[0], 29);
    EXPECT_EQ(grid.days[1], 30);
    EXPECT_EQ(grid.days[2], 31);
    EXPECT_EQ(grid.days[3], 1);
    EXPECT_EQ(grid.days[30], 28);
    EXPECT_EQ(grid.days[31], 1);
    EXPECT_EQ(grid.weekNumbers[0], 5);
    EXPECT_EQ(grid.daysOfYear[0], 29);
    EXPECT_EQ(grid.daysOfYear[31], 60);
}

TEST(MonthGrid, JanuaryGridsReachIntoTheYearBefore) {
    const MonthGrid january2002 = MakeMonthGrid(0, MakeYearInfo(2002));
    EXPECT_EQ(january2002.days[0], 31);
    EXPECT_EQ(january2002.daysOfYear[0], 365);

    const MonthGrid january2005 = MakeMonthGrid(0, MakeYearInfo(2005));
    const std::array<std::int16_t, kGridRows> weeks = {53, 1, 2, 3, 4, 5};
    EXPECT_EQ(january2005.weekNumbers, weeks);
    EXPECT_EQ(january2005.daysOfYear[0], 362);  // Monday 27 December 2004
}

TEST(MonthGrid, EveryMonthFrom1900To2100AgreesWithTheOracle) {
    for (int y = 1900; y <= 2100; ++y) {
        const YearInfo info = MakeYearInfo(y);
        for (int m = 0; m < 12; ++m) {
            const MonthGrid grid = MakeMonthGrid(m, info);
            const chr::sys_days first = chr::year{y} / (m + 1) / 1;
            ASSERT_EQ(grid.firstWeekday, IsoWeekday(first)) << y << '-' << m + 1;
            const chr::sys_days monday = first - chr::days{IsoWeekday(first)};
            for (int row = 0; row < kGridRows; ++row)
                ASSERT_EQ(grid.weekNumbers[row], IsoWeek(monday + chr::days{7 * row}))
                    << y << '-' << m + 1 << " row " << row;
            for (int n = 0; n < kGridCells; ++n) {
                const chr::year_month_day cell{monday + chr::days{n}};
                ASSERT_EQ(grid.days[n], static_cast<int>(static_cast<unsigned>(cell.day())))
                    << y << '-' << m + 1 << " cell " << n;
                ASSERT_EQ(grid.daysOfYear[n], DayOfYear(cell)) << y << '-' << m + 1 << " cell " << n;
            }
        }
    }
}

}  // namespace
}  // namespace horalo
