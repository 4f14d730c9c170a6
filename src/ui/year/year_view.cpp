#include "ui/year/year_view.h"

#include <commctrl.h>

#include <algorithm>

#include "core/calendar/calendar_date.h"
#include "core/text/format_text.h"
#include "core/text/string_list.h"
#include "resource_ids.h"
#include "ui/year/year_page.h"
#include "win/clipboard.h"
#include "win/gdi_object.h"
#include "win/message_box.h"
#include "win/print_page.h"

namespace horalo {
namespace {

constexpr int kMonths = 12;
// The years the log's times reach.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2037;
constexpr int kColumnPadding = 16;
constexpr std::size_t kDeductedColumn = 5;
constexpr std::size_t kMarkColumn = 7;
constexpr COLORREF kFlagged = RGB(198, 40, 40);

}  // namespace

YearView::YearView(AppServices& app, int year, std::function<void()> closed)
    : Dialog(IDD_YEAR), app_(app), closed_(std::move(closed)) {
    account_.year = std::clamp(year, kFirstYear, kLastYear);
    OnCommand(IDC_YEAR_PREV, [this] { ShowYear(account_.year - 1); });
    OnCommand(IDC_YEAR_NEXT, [this] { ShowYear(account_.year + 1); });
    OnCommand(IDC_YEAR_COPY, [this] { Copy(); });
    OnCommand(IDC_YEAR_PRINT, [this] { Print(); });
    OnCommand(IDC_YEAR_HELP, [this] { app_.ShowHelp(HelpTopic::Year); });
    // A click on the chart picks the month's row, a double click opens it.
    OnCommandCode(IDC_YEAR_CHART, STN_CLICKED, [this] {
        const int month = ChartMonthAtCursor();
        if (month < 0) return;
        list_.Select(-1, false);
        list_.Select(month, true);
        list_.Focus(month);
        list_.EnsureVisible(month);
    });
    OnCommandCode(IDC_YEAR_CHART, STN_DBLCLK, [this] { OpenMonth(ChartMonthAtCursor()); });
    OnNotify(IDC_YEAR_LIST, LVN_ITEMACTIVATE, [this](NMHDR* header) {
        const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
        OpenMonth(row);
        return LRESULT{0};
    });
    OnNotify(IDC_YEAR_LIST, LVN_GETDISPINFOA,
             [this](NMHDR* header) { return CellText(*reinterpret_cast<NMLVDISPINFOA*>(header)); });
    OnNotify(IDC_YEAR_LIST, NM_CUSTOMDRAW,
             [this](NMHDR* header) { return ListColours(*reinterpret_cast<NMLVCUSTOMDRAW*>(header)); });
}

YearView* YearView::Open(AppServices& app, int year, std::function<void()> closed) {
    auto* view = new YearView(app, year, std::move(closed));
    if (!view->CreateModeless(nullptr)) {
        delete view;
        return nullptr;
    }
    ShowWindow(view->Handle(), SW_SHOW);
    return view;
}

void YearView::BringToFront(int year) {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    if (year != account_.year) ShowYear(year);
    SetForegroundWindow(Handle());
}

bool YearView::OnInitDialog() {
    Dialog::OnInitDialog();
    Host& host = app_.host();
    StringList marks = SplitStringResource(host, IDS_YEAR_MARKS);
    marks.resize(3);
    tableTexts_ = {SplitStringResource(host, IDS_YEAR_COLUMNS), SplitStringResource(host, IDS_MONTH_NAMES), marks[0],
                   marks[1], marks[2]};
    chartTexts_ = {SplitStringResource(host, IDS_YEAR_MONTH_SHORT), SplitStringResource(host, IDS_YEAR_LEGEND),
                   host.LoadText(IDS_YEAR_HOURS)};
    titleFormat_ = host.LoadText(IDS_YEAR_TITLE);

    list_ = win::ListView(Item(IDC_YEAR_LIST));
    AddColumns();
    ShowYear(account_.year);
    FitListToMonths();
    LayOut();
    keys_.Attach(
        Handle(), [](WPARAM key) { return key == VK_PRIOR || key == VK_NEXT; },
        [this](WPARAM key) { ShowYear(account_.year + (key == VK_PRIOR ? -1 : 1)); });
    app_.WatchLog(*this);

    // The running month, or January, is where the keys start.
    CalendarDate today;
    const int row = CurrentDate(today) && today.year == account_.year ? today.month : 0;
    list_.Select(row, true);
    list_.Focus(row);
    SetFocus(list_.Handle());
    return false;
}

// A column is as wide as its header or the widest it shows, whichever is
// wider.
void YearView::AddColumns() {
    list_.AddExtendedStyle(LVS_EX_FULLROWSELECT);
    tableTexts_.headers.resize(kMarkColumn + 1);
    for (std::size_t column = 0; column <= kMarkColumn; ++column) {
        std::vector<std::string> widest{tableTexts_.headers[column]};
        if (column == 0) widest.insert(widest.end(), tableTexts_.monthNames.begin(), tableTexts_.monthNames.end());
        if (column > 0 && column < kMarkColumn) widest.push_back(column == kDeductedColumn ? "-0000" : "-0000:00");
        if (column == kMarkColumn) widest.insert(widest.end(), {tableTexts_.yes, tableTexts_.no, tableTexts_.outOfOrder});
        int width = 0;
        for (const std::string& text : widest) width = std::max(width, list_.TextWidth(text));
        columnWidths_.push_back(width + kColumnPadding);
        list_.AddColumn(tableTexts_.headers[column], columnWidths_.back());
    }
    // Figures read best aligned on their last digit.
    for (int column = 1; column < static_cast<int>(kMarkColumn); ++column) {
        LVCOLUMNA format{};
        format.mask = LVCF_FMT;
        format.fmt = LVCFMT_RIGHT;
        SendMessageA(list_.Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&format));
    }
}

// The chart takes what the window grows by; the list keeps its twelve rows.
void YearView::LayOut() {
    // The chart is painted in one go from its bitmap: nothing is erased
    // under it first.
    SetWindowLongPtrA(Handle(), GWL_STYLE, GetWindowLongPtrA(Handle(), GWL_STYLE) | WS_CLIPCHILDREN);
    using Layout = win::ResizeLayout;
    layout_.Begin(Handle());
    layout_.Anchor(IDC_YEAR_PREV, Layout::kLeft | Layout::kTop);
    layout_.Anchor(IDC_YEAR_LABEL, Layout::kLeft | Layout::kRight | Layout::kTop);
    layout_.Anchor(IDC_YEAR_NEXT, Layout::kRight | Layout::kTop);
    layout_.Anchor(IDC_YEAR_CHART, Layout::kAll);
    layout_.Anchor(IDC_YEAR_LIST, Layout::kLeft | Layout::kRight | Layout::kBottom);
    for (const int id : {IDC_YEAR_COPY, IDC_YEAR_PRINT, IDC_YEAR_HELP}) layout_.Anchor(id, Layout::kLeft | Layout::kBottom);
    layout_.Anchor(IDCANCEL, Layout::kRight | Layout::kBottom);
    if (const std::optional<WindowPlace> place = app_.KeptPlace(WindowId::YearView)) layout_.MoveTo(*place);
    list_.StretchLastColumn(columnWidths_.back());
}

// Row heights follow the font and the screen's scale: the list is made as
// high as its twelve months, and the chart above gets the rest.
void YearView::FitListToMonths() {
    RECT lastRow{};
    lastRow.left = LVIR_BOUNDS;
    if (list_.Count() < kMonths ||
        !SendMessageA(list_.Handle(), LVM_GETITEMRECT, kMonths - 1, reinterpret_cast<LPARAM>(&lastRow)))
        return;
    RECT list{}, chart{}, client{};
    GetWindowRect(list_.Handle(), &list);
    GetClientRect(list_.Handle(), &client);
    GetWindowRect(Item(IDC_YEAR_CHART), &chart);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&list), 2);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&chart), 2);
    const int frame = (list.bottom - list.top) - client.bottom;
    const int height = lastRow.bottom + frame + 2;
    const int shift = (list.bottom - list.top) - height;
    if (shift <= 0) return;
    MoveWindow(list_.Handle(), list.left, list.top + shift, list.right - list.left, height, FALSE);
    MoveWindow(Item(IDC_YEAR_CHART), chart.left, chart.top, chart.right - chart.left, chart.bottom - chart.top + shift,
               FALSE);
}

void YearView::OnOK() {
    if (GetFocus() != list_.Handle()) return;
    OpenMonth(list_.FocusedRow());
}

void YearView::PostNcDestroy() {
    app_.UnwatchLog(*this);
    const auto closed = std::move(closed_);
    Dialog::PostNcDestroy();
    if (closed) closed();
}

INT_PTR YearView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (layout_.OnMessage(message, wParam, lParam) && message == WM_SIZE) {
        list_.StretchLastColumn(columnWidths_.back());
        InvalidateRect(Item(IDC_YEAR_CHART), nullptr, FALSE);
    }
    if (message == WM_DRAWITEM && wParam == IDC_YEAR_CHART) {
        DrawChart(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_DESTROY)
        if (const std::optional<WindowPlace> place = layout_.Place()) app_.KeepPlace(WindowId::YearView, *place);
    // The options or the special days may have been changed while the
    // window was in the background: the required times with them.
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE &&
        (app_.settings() != shownSettings_ || app_.specialDays().entries() != shownSpecialDays_))
        ShowYear(account_.year);
    return Dialog::WindowProc(message, wParam, lParam);
}

void YearView::OnLogChanged() {
    if (Handle()) ShowYear(account_.year);
}

void YearView::ShowYear(int year) {
    year = std::clamp(year, kFirstYear, kLastYear);
    shownSettings_ = app_.settings();
    shownSpecialDays_ = app_.specialDays().entries();
    auto loaded = LoadYear(app_.host(), year, shownSettings_, shownSpecialDays_);
    win::ShowOutcome(loaded.outcome);
    account_ = std::move(loaded.value);
    CalendarDate today;
    const bool known = CurrentDate(today);
    monthsEnded_ = known ? MonthsEnded(year, today.year, today.month) : kMonths;
    monthsShown_ = !known || year < today.year ? kMonths : year > today.year ? 0 : today.month + 1;

    SetWindowTextA(Handle(), FormatString(titleFormat_.c_str(), year).c_str());
    SetDlgItemTextA(Handle(), IDC_YEAR_LABEL, std::to_string(year).c_str());
    // A button greyed while it has the focus would leave the keys nowhere.
    for (const auto& [id, enabled] : {std::pair{IDC_YEAR_PREV, year > kFirstYear}, std::pair{IDC_YEAR_NEXT, year < kLastYear}}) {
        if (!enabled && GetFocus() == Item(id)) SetFocus(list_.Handle());
        EnableWindow(Item(id), enabled);
    }
    FillList();
    InvalidateRect(Item(IDC_YEAR_CHART), nullptr, FALSE);
}

// The list holds no texts of its own: it asks for a cell's when it paints
// it. Under Wine each message to a shown list costs a good fraction of a
// millisecond, so a year stepped sets nothing and only repaints.
void YearView::FillList() {
    rows_.clear();
    for (const MonthAccount& month : account_.months)
        rows_.push_back(YearRowTexts(month, tableTexts_, month.month < monthsEnded_));
    if (list_.Count() != kMonths) SendMessageA(list_.Handle(), LVM_SETITEMCOUNT, kMonths, LVSICF_NOSCROLL);
    InvalidateRect(list_.Handle(), nullptr, FALSE);
}

// The dialog is an ANSI window, so its list asks in ANSI.
LRESULT YearView::CellText(NMLVDISPINFOA& info) const {
    LVITEMA& item = info.item;
    const auto row = static_cast<std::size_t>(item.iItem);
    const auto column = static_cast<std::size_t>(item.iSubItem);
    if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0 && row < rows_.size() && column < rows_[row].size())
        lstrcpynA(item.pszText, rows_[row][column].c_str(), item.cchTextMax);
    return 0;
}

std::string YearView::TableText() const { return YearTableText(account_, tableTexts_, monthsEnded_); }

void YearView::DrawChart(const DRAWITEMSTRUCT& item) {
    const RECT& area = item.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC memory = CreateCompatibleDC(item.hDC);
    if (!memory) return;
    {
        const win::GdiObject bitmap{CreateCompatibleBitmap(item.hDC, width, height)};
        const win::SelectedObject withBitmap(memory, bitmap.get());
        const win::SelectedObject withFont(memory, reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        const YearChartPainter chart(account_, monthsShown_, chartTexts_);
        plot_ = chart.Paint(memory, {0, 0, width, height}, GetDeviceCaps(item.hDC, LOGPIXELSY) / 96.0);
        BitBlt(item.hDC, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
        OffsetRect(&plot_, area.left, area.top);
    }
    DeleteDC(memory);
}

int YearView::ChartMonthAtCursor() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Item(IDC_YEAR_CHART), &cursor);
    return YearChartPainter::MonthAt(plot_, cursor.x);
}

void YearView::OpenMonth(int month) {
    if (month >= 0 && month < kMonths) app_.OpenPreview(month, account_.year, nullptr);
}

void YearView::Copy() { win::PutTextOnClipboard(Handle(), TableText()); }

void YearView::Print() {
    const std::string title = FormatString(titleFormat_.c_str(), account_.year);
    win::PrintOnePage(Handle(), [&](HDC printer, const RECT& paper) {
        const YearChartPainter chart(account_, monthsShown_, chartTexts_);
        PaintYearPage(printer, paper, title, chart, tableTexts_.headers, rows_);
    });
}

// A month whose balance was not carried on, or whose records make no
// sheet, is written in red. The whole row, because a list that asks for
// its cells one by one paints a good deal slower under Wine.
LRESULT YearView::ListColours(NMLVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const auto month = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
    if (month >= account_.months.size()) return CDRF_DODEFAULT;
    const CarryMark mark = MarkOf(account_.months[month], static_cast<int>(month) < monthsEnded_);
    if (mark != CarryMark::No && mark != CarryMark::OutOfOrder) return CDRF_DODEFAULT;
    draw.clrText = kFlagged;
    return CDRF_NEWFONT;
}

}  // namespace horalo
