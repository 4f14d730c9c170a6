#pragma once
// The year's account as a chart: each month's surplus less deficit as a
// bar, green above the axis and red below, the balance at each month's end
// as a line starting at the balance carried into January, the hours
// deducted as orange marks from the balance before down to after, and the
// axis labelled in hours. The window paints it into a bitmap, the printed
// page onto the paper: sizes are given in 1/96 inch and scaled to the
// device.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/evaluation/year_account.h"
#include "core/evaluation/year_chart.h"
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
    // Device pixels of a length in 1/96 inch, never less than one.
    struct Units {
        double unit;
        int operator()(double length) const { return std::max(1, static_cast<int>(std::lround(length * unit))); }
    };
    // Where the values are drawn: the months side by side, the scale from
    // its low at the bottom to its high at the top.
    struct Plot {
        RECT box;
        ChartScale scale;
        int Width() const { return static_cast<int>(box.right - box.left); }
        int Height() const { return static_cast<int>(box.bottom - box.top); }
        int Y(std::int64_t seconds) const;
        int SlotLeft(int month) const;
    };

    int Shown() const;
    std::vector<std::int64_t> ScaledValues() const;
    void PaintLegend(HDC dc, const RECT& line, const Units& px) const;
    void PaintAxes(HDC dc, const Plot& plot, int left, int lineHeight, const Units& px) const;
    void PaintBars(HDC dc, const Plot& plot, const Units& px) const;
    void PaintBalance(HDC dc, const Plot& plot, const Units& px) const;

    const YearAccount& account_;
    int monthsShown_;
    const YearChartTexts& texts_;
};

}  // namespace horalo
