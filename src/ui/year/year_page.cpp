#include "ui/year/year_page.h"

#include <algorithm>
#include <cmath>

#include "win/gdi_object.h"

namespace horalo {
namespace {

constexpr double kMarginInches = 0.6;

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

int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int Sum(const std::vector<int>& values) {
    int sum = 0;
    for (const int value : values) sum += value;
    return sum;
}

// Each column as wide as its widest cell and its header, whole or, where
// the headers may wrap, its longest word; with the header's font selected.
std::vector<int> ColumnWidths(HDC dc, HGDIOBJ bodyFont, const std::vector<std::string>& headers,
                              const std::vector<std::vector<std::string>>& rows, bool wrap) {
    std::vector<int> widths;
    for (const std::string& header : headers) {
        int widest = 0;
        std::size_t from = 0;
        while (from <= header.size()) {
            const std::size_t to = wrap ? std::min(header.find(' ', from), header.size()) : header.size();
            widest = std::max(widest, TextWidth(dc, header.substr(from, to - from)));
            from = to + 1;
        }
        widths.push_back(widest);
    }
    const HGDIOBJ headerFont = SelectObject(dc, bodyFont);
    for (const std::vector<std::string>& row : rows)
        for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column)
            widths[column] = std::max(widths[column], TextWidth(dc, row[column]));
    SelectObject(dc, headerFont);
    return widths;
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
    // Nine points let the eight columns' headers stand whole on one line.
    const win::GdiObject bodyFont = PageFont(dc, 9, FW_NORMAL);
    const win::GdiObject headerFont = PageFont(dc, 9, FW_BOLD);
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
    const int tableHeight = rowHeight * static_cast<int>(rows.size() + 1) + line;
    const int chartTop = static_cast<int>(titleBox.bottom) + line;
    const int pageHeight = static_cast<int>(page.bottom - page.top);
    const int chartBottom =
        std::max(chartTop, std::min(static_cast<int>(page.bottom) - tableHeight - 2 * line, chartTop + pageHeight / 2));
    chart.Paint(dc, {page.left, chartTop, page.right, chartBottom}, unit);

    const int columns = static_cast<int>(headers.size());
    const int width = static_cast<int>(page.right - page.left);
    const int gap = line / 3;
    SelectObject(dc, headerFont.get());
    bool wrap = false;
    std::vector<int> widths = ColumnWidths(dc, bodyFont.get(), headers, rows, false);
    if (Sum(widths) + 2 * gap * columns > width) {
        wrap = true;
        widths = ColumnWidths(dc, bodyFont.get(), headers, rows, true);
    }
    // What is left over goes to every column alike; what is missing is
    // taken from every column in proportion.
    const int spare = width - Sum(widths) - 2 * gap * columns;
    std::vector<int> edges{static_cast<int>(page.left)};
    for (const int column : widths) {
        const int share = spare >= 0 ? spare / std::max(columns, 1)
                                     : static_cast<int>(static_cast<long long>(spare) * column / std::max(Sum(widths), 1));
        edges.push_back(edges.back() + column + 2 * gap + share);
    }
    const auto cells = [&](const std::vector<std::string>& texts, int top, int height, UINT lines) {
        for (int column = 0; column < columns && column < static_cast<int>(texts.size()); ++column) {
            const auto at = static_cast<std::size_t>(column);
            RECT box{edges[at] + gap, top, edges[at + 1] - gap, top + height};
            const std::string& text = texts[at];
            DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box,
                      lines | DT_NOPREFIX | (column == 0 || column == columns - 1 ? DT_LEFT : DT_RIGHT));
        }
    };
    const auto rule = [&](int at) {
        MoveToEx(dc, page.left, at, nullptr);
        LineTo(dc, page.right, at);
    };

    int top = chartBottom + line;
    SelectObject(dc, headerFont.get());
    const int headerHeight = wrap ? rowHeight + line : rowHeight;
    cells(headers, top, headerHeight, wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    top += headerHeight;
    rule(top);
    SelectObject(dc, bodyFont.get());
    for (const std::vector<std::string>& row : rows) {
        cells(row, top, rowHeight, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        top += rowHeight;
    }
    rule(top);
}

}  // namespace horalo
