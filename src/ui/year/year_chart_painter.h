#pragma once
// The year's account as a chart: each month's surplus less deficit as a
// bar, green above the axis and red below, the balance at each month's end
// as a line starting at the balance carried into January, the hours
// deducted as orange marks from the balance before down to after, and the
// axis labelled in hours. The window paints it into a bitmap, the printed
// page onto the paper: sizes are given in 1/96 inch and scaled to the
// device.
#include <windows.h>

#include <string>

#include "core/evaluation/year_account.h"
#include "core/text/string_list.h"

namespace horalo {

// Texts of the language library the chart is labelled with.
struct YearChartTexts {
    StringList monthShort;    // January first
    StringList legend;        // surplus, deficit, balance, hours deducted
    std::string hoursFormat;  // "%s h", %s a signed number of hours
};

class YearChartPainter {
public:
    // Months from `monthsShown` on have not begun and show nothing.
    YearChartPainter(const YearAccount& account, int monthsShown, const YearChartTexts& texts)
        : account_(account), monthsShown_(monthsShown), texts_(texts) {}

    // Paints onto `area` with the font selected into dc; `unit` is the
    // device's pixels per 1/96 inch. Returns the plot, where the months lie
    // side by side in twelve slots of equal width.
    RECT Paint(HDC dc, const RECT& area, double unit) const;

    // The month (0 to 11) whose slot of the plot holds x, or -1.
    static int MonthAt(const RECT& plot, int x);

private:
    const YearAccount& account_;
    int monthsShown_;
    const YearChartTexts& texts_;
};

}  // namespace horalo
