#pragma once
// The year's account as one printed page: the title, the chart across the
// upper part and the table of the months below, on A4 or Letter alike.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/year/year_chart_painter.h"

namespace horalo {

// `rows` are the month's cells in the order of `headers`; the first and
// last columns are text, those between are figures and right-aligned.
void PaintYearPage(HDC dc, const RECT& paper, const std::string& title, const YearChartPainter& chart,
                   const std::vector<std::string>& headers, const std::vector<std::vector<std::string>>& rows);

}  // namespace horalo
