#include "ui/year/year_chart_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/evaluation/year_chart.h"
#include "core/sheet/time_sheet.h"
#include "core/text/format_text.h"
#include "win/gdi_object.h"

namespace horalo {
namespace {

constexpr int kMonths = 12;
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kGrid = RGB(226, 226, 226);
constexpr COLORREF kAxis = RGB(96, 96, 96);
constexpr COLORREF kSurplus = RGB(46, 125, 50);
constexpr COLORREF kDeficit = RGB(198, 40, 40);
constexpr COLORREF kBalance = RGB(21, 101, 192);
constexpr COLORREF kDeducted = RGB(239, 108, 0);

using win::GdiObject;
using Selected = win::SelectedObject;

std::string HoursLabel(const std::string& format, std::int64_t seconds) {
    const long long hours = seconds / 3600;
    return FormatString(format.c_str(), FormatString(hours > 0 ? "+%lld" : "%lld", hours).c_str());
}

SIZE TextSize(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void Text(HDC dc, const std::string& text, RECT box, UINT format) {
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box, format | DT_SINGLELINE | DT_NOPREFIX);
}

void FillBox(HDC dc, const RECT& box, COLORREF colour) {
    const GdiObject brush{CreateSolidBrush(colour)};
    FillRect(dc, &box, static_cast<HBRUSH>(brush.get()));
}

// A triangle pointing down, its tip at (x, y).
void DownTriangle(HDC dc, int x, int y, int half, COLORREF colour) {
    const GdiObject brush{CreateSolidBrush(colour)};
    const GdiObject pen{CreatePen(PS_SOLID, 1, colour)};
    const Selected withBrush(dc, brush.get());
    const Selected withPen(dc, pen.get());
    const POINT corners[] = {{x - half, y - 2 * half}, {x + half, y - 2 * half}, {x, y}};
    Polygon(dc, corners, 3);
}

void Line(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF colour) {
    const GdiObject pen{CreatePen(PS_SOLID, width, colour)};
    const Selected withPen(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace

int YearChartPainter::Plot::Y(std::int64_t seconds) const {
    return box.bottom - static_cast<int>(std::lround(static_cast<double>(seconds - scale.low) * Height() /
                                                     static_cast<double>(scale.high - scale.low)));
}

int YearChartPainter::Plot::SlotLeft(int month) const { return box.left + month * Width() / kMonths; }

int YearChartPainter::MonthAt(const RECT& plot, int x) {
    const int width = plot.right - plot.left;
    if (width <= 0 || x < plot.left || x >= plot.right) return -1;
    return std::min(kMonths - 1, static_cast<int>(static_cast<long long>(x - plot.left) * kMonths / width));
}

RECT YearChartPainter::Paint(HDC dc, const RECT& area, double unit) const {
    const Units px{unit};
    FillBox(dc, area, kBackground);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight;
    const int pad = px(8);
    PaintLegend(dc, {area.left + pad, area.top + pad, area.right, area.top + pad + lineHeight}, px);

    const ChartScale scale = ScaleFor(ScaledValues());
    int labelWidth = 0;
    for (int line = 0; line < scale.Lines(); ++line)
        labelWidth =
            std::max<int>(labelWidth, TextSize(dc, HoursLabel(texts_.hoursFormat, scale.low + line * scale.step)).cx);
    const Plot plot{{area.left + pad + labelWidth + px(6), area.top + 2 * pad + lineHeight, area.right - pad,
                     area.bottom - pad - lineHeight - px(4)},
                    scale};
    if (plot.Width() < kMonths * 4 || plot.Height() < lineHeight) return plot.box;

    PaintAxes(dc, plot, area.left, lineHeight, px);
    PaintBars(dc, plot, px);
    PaintBalance(dc, plot, px);
    return plot.box;
}

// One line along the top: the two bars' colours, the balance's line and
// the mark of hours deducted, each before its name.
void YearChartPainter::PaintLegend(HDC dc, const RECT& line, const Units& px) const {
    int x = line.left;
    const int middle = (line.top + line.bottom) / 2;
    const int swatch = px(10);
    for (std::size_t item = 0; item < texts_.legend.size() && item < 4; ++item) {
        if (item < 2) {
            FillBox(dc, {x, middle - swatch / 2, x + swatch, middle + swatch / 2}, item == 0 ? kSurplus : kDeficit);
            x += swatch;
        } else if (item == 2) {
            Line(dc, x, middle, x + px(16), middle, px(2), kBalance);
            x += px(16);
        } else {
            DownTriangle(dc, x + px(5), middle + px(5), px(5), kDeducted);
            x += px(10);
        }
        x += px(4);
        const SIZE size = TextSize(dc, texts_.legend[item]);
        Text(dc, texts_.legend[item], {x, line.top, x + size.cx, line.bottom}, DT_LEFT);
        x += size.cx + px(16);
    }
}

// What the scale must hold: the bars, the balance at each month's end and
// before its hours were deducted, and the balance carried in.
std::vector<std::int64_t> YearChartPainter::ScaledValues() const {
    std::vector<std::int64_t> values;
    if (Shown() > 0) values.push_back(CarriedSeconds(account_.months[0].carriedBalance));
    for (int month = 0; month < Shown(); ++month) {
        const MonthAccount& row = account_.months[static_cast<std::size_t>(month)];
        values.push_back(static_cast<std::int64_t>(row.surplus) - row.deficit);
        values.push_back(row.finalBalance);
        values.push_back(row.finalBalance + std::int64_t{row.hoursDeducted} * 3600);
    }
    return values;
}

// Lines across at each step, every other one labelled where they would
// crowd, the zero line drawn over the bars later; the months below.
void YearChartPainter::PaintAxes(HDC dc, const Plot& plot, int left, int lineHeight, const Units& px) const {
    const ChartScale& scale = plot.scale;
    const int every = (scale.Lines() - 1) * lineHeight > plot.Height() ? 2 : 1;
    for (int line = 0; line < scale.Lines(); ++line) {
        const std::int64_t value = scale.low + line * scale.step;
        const int at = plot.Y(value);
        if (value != 0) Line(dc, plot.box.left, at, plot.box.right, at, 1, kGrid);
        if (line % every == 0 || value == 0)
            Text(dc, HoursLabel(texts_.hoursFormat, value),
                 {left, at - lineHeight, plot.box.left - px(6), at + lineHeight}, DT_RIGHT | DT_VCENTER);
    }
    const int top = plot.box.bottom + px(4);
    for (int month = 0; month < kMonths; ++month) {
        Text(dc, NameAt(texts_.monthShort, month), {plot.SlotLeft(month), top, plot.SlotLeft(month + 1), top + lineHeight}, DT_CENTER);
    }
}

void YearChartPainter::PaintBars(HDC dc, const Plot& plot, const Units& px) const {
    const int zero = plot.Y(0);
    const int halfBar = std::max(1, plot.Width() / kMonths * 3 / 10);
    for (int month = 0; month < Shown(); ++month) {
        const MonthAccount& row = account_.months[static_cast<std::size_t>(month)];
        const std::int64_t net = static_cast<std::int64_t>(row.surplus) - row.deficit;
        if (net == 0) continue;
        const int middle = (plot.SlotLeft(month) + plot.SlotLeft(month + 1)) / 2;
        const int top = plot.Y(net);
        FillBox(dc, {middle - halfBar, std::min(top, zero), middle + halfBar, std::max(top, zero)},
                net > 0 ? kSurplus : kDeficit);
    }
    Line(dc, plot.box.left, zero, plot.box.right, zero, px(1), kAxis);
}

// The balance from the one carried into January to each month's end, and
// the hours deducted as a drop from the balance before them to after.
void YearChartPainter::PaintBalance(HDC dc, const Plot& plot, const Units& px) const {
    if (Shown() == 0) return;
    const auto& months = account_.months;
    std::vector<POINT> points{{plot.box.left, plot.Y(CarriedSeconds(months[0].carriedBalance))}};
    for (int month = 0; month < Shown(); ++month) {
        const MonthAccount& row = months[static_cast<std::size_t>(month)];
        points.push_back({plot.SlotLeft(month + 1), plot.Y(row.finalBalance)});
        if (row.hoursDeducted == 0) continue;
        const int at = plot.SlotLeft(month + 1) - px(7);
        const int after = plot.Y(row.finalBalance);
        Line(dc, at, plot.Y(row.finalBalance + std::int64_t{row.hoursDeducted} * 3600), at, after, px(2), kDeducted);
        DownTriangle(dc, at, after, px(4), kDeducted);
    }
    const GdiObject pen{CreatePen(PS_SOLID, px(2), kBalance)};
    const GdiObject brush{CreateSolidBrush(kBalance)};
    const Selected withPen(dc, pen.get());
    const Selected withBrush(dc, brush.get());
    Polyline(dc, points.data(), static_cast<int>(points.size()));
    const int dot = px(3);
    for (const POINT& point : points) Ellipse(dc, point.x - dot, point.y - dot, point.x + dot + 1, point.y + dot + 1);
}

int YearChartPainter::Shown() const { return std::clamp(monthsShown_, 0, kMonths); }

}  // namespace horalo
