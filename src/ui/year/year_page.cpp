#include "ui/year/year_page.h"

#include <algorithm>
#include <cmath>

#include "win/gdi_object.h"

namespace horalo {
namespace {

constexpr double kMarginInches = 0.6;
// Of the page's width, for the month's name and for the mark each.
constexpr int kTextColumnPercent = 16;

win::GdiObject PageFont(HDC dc, int points, int weight) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    return win::GdiObject{CreateFontIndirectA(&font)};
}

void Cell(HDC dc, const std::string& text, RECT box, UINT align) {
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

int LineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

void PaintYearPage(HDC dc, const RECT& paper, const std::string& title, const YearChartPainter& chart,
                   const std::vector<std::string>& headers, const std::vector<std::vector<std::string>>& rows) {
    const double unit = GetDeviceCaps(dc, LOGPIXELSY) / 96.0;
    const int margin = static_cast<int>(std::lround(kMarginInches * GetDeviceCaps(dc, LOGPIXELSX)));
    const RECT page{paper.left + margin, paper.top + margin, paper.right - margin, paper.bottom - margin};
    const win::GdiObject titleFont = PageFont(dc, 16, FW_BOLD);
    const win::GdiObject bodyFont = PageFont(dc, 10, FW_NORMAL);
    const win::GdiObject headerFont = PageFont(dc, 10, FW_BOLD);
    const win::GdiObject pen{CreatePen(PS_SOLID, std::max(1, static_cast<int>(std::lround(unit))), RGB(0, 0, 0))};
    const win::SelectedObject withFont(dc, titleFont.get());
    const win::SelectedObject withPen(dc, pen.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));

    const RECT titleBox{page.left, page.top, page.right, page.top + LineHeight(dc)};
    Cell(dc, title, titleBox, DT_LEFT);

    SelectObject(dc, bodyFont.get());
    const int line = LineHeight(dc);
    const int rowHeight = line * 3 / 2;
    const int tableHeight = rowHeight * static_cast<int>(rows.size() + 1);
    const int chartTop = static_cast<int>(titleBox.bottom) + line;
    const int pageHeight = static_cast<int>(page.bottom - page.top);
    const int chartBottom =
        std::max(chartTop, std::min(static_cast<int>(page.bottom) - tableHeight - 2 * line, chartTop + pageHeight / 2));
    chart.Paint(dc, {page.left, chartTop, page.right, chartBottom}, unit);

    // The month's name and the mark get room for their words, the figures
    // share the rest.
    const int columns = static_cast<int>(headers.size());
    if (columns < 3) return;
    const int width = static_cast<int>(page.right - page.left);
    const int textColumn = width * kTextColumnPercent / 100;
    const int figureColumn = (width - 2 * textColumn) / (columns - 2);
    std::vector<int> edges{static_cast<int>(page.left)};
    for (int column = 0; column < columns; ++column)
        edges.push_back(edges.back() + (column == 0 || column == columns - 1 ? textColumn : figureColumn));
    const int gap = line / 2;
    const auto cells = [&](const std::vector<std::string>& texts, int top) {
        for (int column = 0; column < columns && column < static_cast<int>(texts.size()); ++column)
            Cell(dc, texts[static_cast<std::size_t>(column)],
                 {edges[static_cast<std::size_t>(column)] + gap, top, edges[static_cast<std::size_t>(column) + 1] - gap,
                  top + rowHeight},
                 column == 0 || column == columns - 1 ? DT_LEFT : DT_RIGHT);
    };
    const auto rule = [&](int at) {
        MoveToEx(dc, page.left, at, nullptr);
        LineTo(dc, page.right, at);
    };

    int top = chartBottom + line;
    SelectObject(dc, headerFont.get());
    cells(headers, top);
    top += rowHeight;
    rule(top);
    SelectObject(dc, bodyFont.get());
    for (const std::vector<std::string>& row : rows) {
        cells(row, top);
        top += rowHeight;
    }
    rule(top);
}

}  // namespace horalo
