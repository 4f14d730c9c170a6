#include "ui/extras/calendar_view.h"

#include <commctrl.h>

#include <algorithm>

#include "core/calendar/year_info.h"
#include "core/calendar_days/calendar_day_table.h"
#include "resource_ids.h"
#include "win/window_text.h"

namespace horalo {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGrey = RGB(127, 127, 127);
// The backgrounds are fixed colours, so the digits are too: black reads on
// all of them (at least 5:1), where the scheme's window text could be white.
constexpr COLORREF kDayText = RGB(0, 0, 0);
// Saturdays and Sundays keep their green digits on every background, as
// users of the calendar know it: the column says weekend at a glance.
constexpr COLORREF kWeekendText = RGB(0, 255, 0);

constexpr int kMonths = 12;
// From the first year of Windows' own dates to the last of four digits: the
// year field shows four, and the grid needs a year before the shown one.
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 9999;

// -1 for a cell showing a day of the month before, +1 for one of the month
// after, 0 for the shown month: a month starts in the first row at the
// latest, and a day above 22 there cannot be its own, nor one below 15 in
// the last two weeks.
int NeighbourStep(int index, int day) {
    if (index < 6 && day > 22) return -1;
    if (index > 27 && day < 15) return 1;
    return 0;
}

bool IsStepKey(WPARAM key) {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    default:
        return false;
    }
}

void SetTextIfChanged(HWND control, const std::string& text) {
    if (control && win::WindowText(control) != text) SetWindowTextA(control, text.c_str());
}

// The widest line in the list's font, with a character's room to spare, so
// the list scrolls sideways exactly as far as its longest entry.
int ListExtent(HWND list, const std::vector<std::string>& lines) {
    HDC dc = GetDC(list);
    if (!dc) return 0;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    int widest = 0;
    for (const std::string& line : lines) {
        SIZE size{};
        GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (old) SelectObject(dc, old);
    ReleaseDC(list, dc);
    return lines.empty() ? 0 : widest + metrics.tmAveCharWidth;
}

}  // namespace

CalendarView::CalendarView(AppServices& app, std::function<void()> closed)
    : Dialog(IDD_CALENDAR), app_(app), closed_(std::move(closed)) {
    for (int n = 0; n < kGridCells; ++n) OnCommand(IDC_CAL_FIRST_CELL + n, [this, n] { ClickCell(n); });
    OnCommand(IDC_CAL_PREV_MONTH, [this] { StepMonths(-1); });
    OnCommand(IDC_CAL_NEXT_MONTH, [this] { StepMonths(1); });
    OnCommand(IDC_CAL_PREV_YEAR, [this] { StepMonths(-kMonths); });
    OnCommand(IDC_CAL_NEXT_YEAR, [this] { StepMonths(kMonths); });
}

CalendarView* CalendarView::Open(AppServices& app, std::function<void()> closed) {
    auto* view = new CalendarView(app, std::move(closed));
    if (!view->CreateModeless(nullptr)) {
        delete view;
        return nullptr;
    }
    return view;
}

void CalendarView::BringToFront() {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

bool CalendarView::OnInitDialog() {
    Dialog::OnInitDialog();
    white_.reset(CreateSolidBrush(kWhite));
    red_.reset(CreateSolidBrush(kRed));
    yellow_.reset(CreateSolidBrush(kYellow));
    grey_.reset(CreateSolidBrush(kGrey));
    monthNames_ = SplitStringResource(app_.host(), IDS_MONTH_NAMES);
    if (!CurrentDate(shown_)) shown_ = CalendarDate::Of(1970, 0, 1);
    // The dialog's background is not painted under the cells first: a cell
    // is filled and written in one go, so the grid does not flicker.
    SetWindowLongPtrA(Handle(), GWL_STYLE, GetWindowLongPtrA(Handle(), GWL_STYLE) | WS_CLIPCHILDREN);
    // The step keys belong to the calendar whichever of its controls has
    // the focus: the dialog manager would move the focus with the arrows,
    // the list would scroll.
    keys_.Attach(Handle(), IsStepKey, [this](WPARAM key) { OnStepKey(key); });
    ShowMonth();
    // Enter then closes, as Escape does, instead of going back a year with
    // the first button.
    SetFocus(Item(IDCANCEL));
    return false;
}

// The view has no OK: Enter in the list does nothing.
void CalendarView::OnOK() {}

void CalendarView::PostNcDestroy() {
    const auto closed = std::move(closed_);
    Dialog::PostNcDestroy();
    if (closed) closed();
}

void CalendarView::ShowMonth() {
    HWND window = Handle();
    const bool onTop = app_.settings().calendarOnTop != 0;
    if (onTop && !(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
    CheckDlgButton(window, IDC_CAL_ON_TOP, onTop ? BST_CHECKED : BST_UNCHECKED);

    SetTextIfChanged(Item(IDC_CAL_MONTH), NameAt(monthNames_, shown_.month));
    SetTextIfChanged(Item(IDC_CAL_YEAR), std::to_string(shown_.year));

    const YearInfo year = MakeYearInfo(shown_.year);
    const MonthGrid grid = MakeMonthGrid(shown_.month, year);
    const YearDays yearDays(app_.specialDays().entries(), year);
    for (int row = 0; row < kGridRows; ++row)
        SetTextIfChanged(Item(IDC_CAL_FIRST_WEEK + row), std::to_string(grid.weekNumbers[row]));

    for (int n = 0; n < kGridCells; ++n) {
        const int day = grid.days[n];
        Cell cell{grid.days[n], CellLook::Plain};
        if (NeighbourStep(n, day) != 0) {
            cell.look = CellLook::OtherMonth;
        } else if (day == shown_.day) {
            cell.look = CellLook::Selected;
        } else {
            // The first entry on the day decides its colour, whatever follows.
            if (const SpecialEntry* first = yearDays.Of(grid.daysOfYear[n], n % 7).first)
                cell.look = first->holiday ? CellLook::Holiday : CellLook::Marked;
        }
        const Cell before = cells_[n];
        cells_[n] = cell;  // first: a static paints itself as soon as its text changes
        HWND item = Item(IDC_CAL_FIRST_CELL + n);
        if (cell.day != before.day) {
            SetWindowTextA(item, std::to_string(cell.day).c_str());
        } else if (cell.look != before.look) {
            // The cell fills its whole face with its brush: nothing to erase.
            InvalidateRect(item, nullptr, FALSE);
        }
    }
    ShowEntries(year);
}

// A day past the month's end (31 April) lists the entries of the day of the
// year it would be, the day after the month's last.
void CalendarView::ShowEntries(const YearInfo& year) {
    CalendarDate selected = shown_;
    SetDayOfYearAndWeekday(selected);
    std::vector<std::string> lines;
    for (const SpecialEntry* entry : SpecialEntriesOnDay(app_.specialDays().entries(), year, selected.dayOfYear, false)) {
        if (entry->name && !entry->name->empty()) lines.push_back(*entry->name);
        if (entry->secondText && !entry->secondText->empty()) lines.push_back(*entry->secondText);
    }
    if (lines == lines_) return;
    HWND list = Item(IDC_CAL_ENTRIES);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(ListExtent(list, lines)), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    lines_ = std::move(lines);
}

void CalendarView::GoTo(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear) return;
    shown_.year = static_cast<std::int16_t>(year);
    shown_.month = month;
    shown_.day = static_cast<std::int16_t>(day);
    ShowMonth();
}

void CalendarView::StepMonths(int months) {
    const int total = shown_.year * kMonths + shown_.month + months;
    GoTo(total / kMonths, total % kMonths, shown_.day);
}

// Counted from the day as kept, so from 31 April one day on is 2 May and
// one back is 30 April, as the list took 31 April for 1 May.
void CalendarView::StepDays(int days) {
    int year = shown_.year;
    int month = shown_.month;
    int day = shown_.day + days;
    while (day < 1) {
        if (--month < 0) {
            month = kMonths - 1;
            --year;
        }
        day += MonthLength(year, month);
    }
    while (day > MonthLength(year, month)) {
        day -= MonthLength(year, month);
        if (++month == kMonths) {
            month = 0;
            ++year;
        }
    }
    GoTo(year, month, day);
}

void CalendarView::ClickCell(int index) {
    const MonthGrid grid = MakeMonthGrid(shown_.month, MakeYearInfo(shown_.year));
    const int day = grid.days[index];
    const int total = shown_.year * kMonths + shown_.month + NeighbourStep(index, day);
    GoTo(total / kMonths, total % kMonths, day);
}

void CalendarView::OnStepKey(WPARAM key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_LEFT: StepDays(-1); return;
    case VK_RIGHT: StepDays(1); return;
    case VK_UP: StepDays(-7); return;
    case VK_DOWN: StepDays(7); return;
    case VK_PRIOR: StepMonths(control ? -kMonths : -1); return;
    case VK_NEXT: StepMonths(control ? kMonths : 1); return;
    default: return;
    }
}

INT_PTR CalendarView::CellColours(int index, HDC dc) const {
    COLORREF back = kGrey;
    COLORREF text = kDayText;
    HBRUSH brush = grey_.get();
    switch (cells_[index].look) {
    case CellLook::OtherMonth:
        back = GetSysColor(COLOR_BTNFACE);
        text = GetSysColor(COLOR_BTNTEXT);
        brush = GetSysColorBrush(COLOR_BTNFACE);
        break;
    case CellLook::Selected:
        back = kWhite;
        brush = white_.get();
        break;
    case CellLook::Holiday:
        back = kRed;
        brush = red_.get();
        break;
    case CellLook::Marked:
        back = kYellow;
        brush = yellow_.get();
        break;
    case CellLook::Plain:
        break;
    }
    if (IsWeekend(index % 7)) text = kWeekendText;
    SetBkColor(dc, back);
    SetTextColor(dc, text);
    return reinterpret_cast<INT_PTR>(brush);
}

INT_PTR CalendarView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (grey_ && id >= IDC_CAL_FIRST_CELL && id <= IDC_CAL_LAST_CELL)
            return CellColours(id - IDC_CAL_FIRST_CELL, reinterpret_cast<HDC>(wParam));
        break;
    }
    case WM_ACTIVATE:
        // The special days may have been edited while the view was in the
        // background; only what changed is repainted.
        if (LOWORD(wParam) != WA_INACTIVE) ShowMonth();
        break;
    default:
        break;
    }
    return Dialog::WindowProc(message, wParam, lParam);
}

}  // namespace horalo
