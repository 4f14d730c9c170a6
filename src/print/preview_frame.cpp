#include "print/preview_frame.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/evaluation/loaded_month.h"
#include "core/evaluation/month_evaluation.h"
#include "core/sheet/carried_balance_fields.h"
#include "core/text/string_list.h"
#include "core/timelog/day_entries.h"
#include "print/preview_bar.h"
#include "print/print_sheet.h"
#include "resource_ids.h"
#include "win/message_box.h"
#include "win/resources.h"
#include "win/window_text.h"

namespace horalo {
namespace {

constexpr int kMonths = 12;


int Height(const RECT& rect) { return rect.bottom - rect.top; }
int Width(const RECT& rect) { return rect.right - rect.left; }

}  // namespace

CPreView::CPreView(AppServices& app, int month, int year, std::function<void()> closed)
    : app_(app), month_(month), year_(year), closed_(std::move(closed)) {}

CPreView* CPreView::Open(AppServices& app, int month, int year, HWND owner, std::function<void()> closed) {
    auto* frame = new CPreView(app, month, year, std::move(closed));
    const HINSTANCE resources = win::ResourceModule();
    const win::WindowClass windowClass{
        .name = "HoraloPreviewFrame",
        .icon = LoadIconA(resources, MAKEINTRESOURCEA(IDR_PREVIEW_FRAME)),
        .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
    };
    HMENU menu = LoadMenuA(resources, MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
    // Its own taskbar button, although the main dialog owns it.
    if (!frame->Create(windowClass, win::LoadText(IDR_PREVIEW_FRAME).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                       WS_EX_APPWINDOW, {}, owner, menu)) {
        const unsigned error = frame->error_ ? frame->error_ : IDS_PREVIEW_FAILED;
        delete frame;
        if (menu && IsMenu(menu)) DestroyMenu(menu);
        win::ShowMessageId(owner, error, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    frame->SetAccelerators(LoadAcceleratorsA(resources, MAKEINTRESOURCEA(IDR_PREVIEW_FRAME)));
    ShowWindow(frame->Handle(), SW_SHOW);
    UpdateWindow(frame->Handle());
    return frame;
}

HWND CPreView::Bar() const { return bar_ ? bar_->Handle() : nullptr; }

bool CPreView::OnCreate() {
    bar_ = new PreviewBar;
    if (!bar_->CreateModeless(Handle())) {
        delete bar_;
        bar_ = nullptr;
        return false;
    }
    ShowWindow(bar_->Handle(), SW_SHOW);
    Host& host = app_.host();
    if (!form_.Load(host.ProgramFolder() + "horalo.frm")) {
        error_ = IDS_FORM_UNREADABLE;
        return false;
    }
    SendDlgItemMessageA(Bar(), IDC_CARRIED_HOURS, EM_LIMITTEXT, 4, 0);
    SendDlgItemMessageA(Bar(), IDC_CARRIED_MINUTES, EM_LIMITTEXT, 2, 0);
    SendDlgItemMessageA(Bar(), IDC_HOURS_DEDUCTED, EM_LIMITTEXT, 4, 0);
    form_.sheet().settings = &app_.settings();
    form_.sheet().absenceMark = host.LoadText(IDS_ABSENCE_MARK);
    form_.sheet().compensationMark = host.LoadText(IDS_COMPENSATION_MARK);
    ReadMonth();
    LoadMonthInputs();
    if (!FillSheet(true)) {
        error_ = IDS_SHEET_ORDER_PROBLEM;
        return false;
    }
    PlaceOnWorkArea();
    app_.WatchLog(*this);
    RECT area{};
    GetClientRect(Handle(), &area);
    RECT bar{};
    GetWindowRect(Bar(), &bar);
    area.top = Height(bar);
    HCURSOR zoomCursor = LoadCursorA(win::ResourceModule(), MAKEINTRESOURCEA(IDR_PREVIEW_FRAME));
    return canvas_.Create(Handle(), area, zoomCursor);
}

// As high as the work area, as wide as the form's aspect ratio gives at
// that height, yet never narrower than the bar with the month's inputs.
void CPreView::PlaceOnWorkArea() {
    RECT work{}, window{}, client{}, bar{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    GetWindowRect(Bar(), &bar);
    const RECTL form = form_.FrameRect();
    const long long formWidth = form.right - form.left;
    const long long formHeight = std::max<long long>(form.bottom - form.top, 1);
    const int frameWidth = Width(window) - Width(client);
    const int height = Height(work);
    const int canvasHeight = height - (Height(window) - Height(client)) - Height(bar);
    int width = static_cast<int>(std::max(canvasHeight, 0) * formWidth / formHeight) + frameWidth;
    width = std::min(std::max(width, Width(bar) + frameWidth), Width(work));
    SetWindowPos(Handle(), nullptr, work.left + (Width(work) - width) / 2, work.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPreView::LayOut() {
    if (!bar_) return;
    RECT client{}, bar{};
    GetClientRect(Handle(), &client);
    GetWindowRect(Bar(), &bar);
    SetWindowPos(Bar(), nullptr, 0, 0, Width(client), Height(bar), SWP_NOZORDER | SWP_NOACTIVATE);
    if (canvas_.Handle())
        SetWindowPos(canvas_.Handle(), nullptr, 0, Height(bar), Width(client), std::max(Height(client) - Height(bar), 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPreView::ReadMonth() {
    WithOutcome<LoadedMonth> loaded =
        LoadMonth(app_.host(), year_, month_, app_.settings(), app_.specialDays().entries());
    win::ShowOutcome(loaded.outcome);
    // A log that cannot be read keeps the month records read before.
    if (!loaded.outcome) monthRecords_ = std::move(loaded.value.monthRecords);
    entries_ = std::move(loaded.value.entries);
}

void CPreView::LoadMonthInputs() {
    TimeSheet& sheet = form_.sheet();
    sheet.hoursDeducted = MonthHoursDeducted(monthRecords_, year_, month_);
    sheet.carriedBalance = MonthCarriedBalance(monthRecords_, year_, month_);
    // The fields tell of the change; the sheet already has the values.
    settingInputs_ = true;
    const CarriedBalanceFields fields = SplitCarriedBalance(sheet.carriedBalance);
    SetDlgItemTextA(Bar(), IDC_CARRIED_HOURS, fields.hours.c_str());
    SetDlgItemInt(Bar(), IDC_CARRIED_MINUTES, static_cast<UINT>(fields.minutes), FALSE);
    SetDlgItemInt(Bar(), IDC_HOURS_DEDUCTED, static_cast<UINT>(sheet.hoursDeducted), FALSE);
    settingInputs_ = false;
    inputsTyped_ = false;
}

void CPreView::OnLogChanged() {
    if (!Handle() || !bar_) return;
    ReadMonth();
    if (!inputsTyped_) LoadMonthInputs();
    FillSheet(false);
    InvalidateRect(canvas_.Handle(), nullptr, FALSE);
}

void CPreView::ReadMonthInputs() {
    TimeSheet& sheet = form_.sheet();
    const auto minutes = static_cast<std::int32_t>(GetDlgItemInt(Bar(), IDC_CARRIED_MINUTES, nullptr, FALSE));
    sheet.carriedBalance = JoinCarriedBalance(win::WindowText(GetDlgItem(Bar(), IDC_CARRIED_HOURS)), minutes);
    sheet.hoursDeducted = static_cast<std::int32_t>(GetDlgItemInt(Bar(), IDC_HOURS_DEDUCTED, nullptr, FALSE));
}

bool CPreView::FillSheet(bool warn) {
    TimeSheet& sheet = form_.sheet();
    sheet.month = month_;
    sheet.year = year_;
    UpdateTitleAndMenu();
    Host& host = app_.host();
    const StringList weekdays = SplitStringResource(host, IDS_WEEKDAY_NAMES);
    const MonthEvaluationContext context{year_, month_, sheet.carriedBalance, app_.settings(), warn,
                                         app_.specialDays().entries(), weekdays};
    // The daily maximum is told as the sheet is evaluated, before it shows.
    const WithOutcome<bool> evaluated = EvaluateMonth(host, entries_, context, sheet.evaluation);
    win::ShowOutcome(evaluated.outcome);
    return evaluated.value;
}

void CPreView::UpdateTitleAndMenu() {
    const StringList months = SplitStringResource(app_.host(), IDS_MONTH_NAMES);
    SetWindowTextA(Handle(), win::FormatText(IDS_PREVIEW_TITLE, NameAt(months, month_).c_str(), year_).c_str());
    HMENU menu = GetMenu(Handle());
    const auto rename = [menu](UINT id, const std::string& text) {
        ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
    };
    rename(IDC_PREV_MONTH, NameAt(months, (month_ + kMonths - 1) % kMonths));
    rename(IDC_NEXT_MONTH, NameAt(months, (month_ + 1) % kMonths));
    rename(IDC_PREV_YEAR, std::to_string(year_ - 1));
    rename(IDC_NEXT_YEAR, std::to_string(year_ + 1));
    DrawMenuBar(Handle());
}

// The month commands keep the year: before January comes December of the
// same year, as the menu's month names say.
void CPreView::Move(int monthStep, int yearStep) {
    const int oldMonth = month_;
    const int oldYear = year_;
    month_ = (month_ + monthStep + kMonths) % kMonths;
    year_ += yearStep;
    ReadMonth();
    LoadMonthInputs();
    if (FillSheet(true)) {
        InvalidateRect(canvas_.Handle(), nullptr, FALSE);
        return;
    }
    win::ShowMessageId(Handle(), IDS_SHEET_ORDER_PROBLEM, MB_OK | MB_ICONEXCLAMATION);
    month_ = oldMonth;
    year_ = oldYear;
    ReadMonth();
    LoadMonthInputs();
    FillSheet(false);
}

void CPreView::GoTo(int month, int year) {
    if (month != month_ || year != year_) Move(month - month_, year - year_);
}

void CPreView::StoreMonthInputs() {
    Host& host = app_.host();
    const TimeSheet& sheet = form_.sheet();
    auto stored = StoreMonthRecord(host, year_, month_, sheet.carriedBalance, sheet.hoursDeducted);
    // The question says the values are stored: after a failure (told here)
    // it would be untrue.
    if (win::ShowOutcome(stored.outcome)) return;
    monthRecords_ = std::move(*stored.value);
    inputsTyped_ = false;
    if (win::ShowMessageId(Handle(), IDS_STORE_NEXT_BALANCE, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const int nextMonth = (month_ + 1) % kMonths;
    const int nextYear = month_ == kMonths - 1 ? year_ + 1 : year_;
    const std::int32_t carried = CarriedBalanceOf(MonthFinalBalance(sheet));
    auto next = StoreMonthRecord(host, nextYear, nextMonth, carried, 0);
    win::ShowOutcome(next.outcome);
    if (next.value) monthRecords_ = std::move(*next.value);
}

void CPreView::OnCommand(int id, int code) {
    switch (id) {
    case IDC_PREV_MONTH: Move(-1, 0); return;
    case IDC_NEXT_MONTH: Move(1, 0); return;
    case IDC_PREV_YEAR: Move(0, -1); return;
    case IDC_NEXT_YEAR: Move(0, 1); return;
    case IDM_PRINT: PrintSheet(Handle(), form_); return;
    case IDM_STORE_MONTH: StoreMonthInputs(); return;
    case IDM_ZOOM_1: canvas_.SetZoom(1); return;
    case IDM_ZOOM_2: canvas_.SetZoom(2); return;
    case IDC_HELP_FORM: app_.ShowHelp(HelpTopic::Form); return;
    case IDM_YEAR_ACCOUNT: app_.OpenYear(year_); return;
    case IDM_PREVIEW_CLOSE: DestroyWindow(Handle()); return;
    case IDC_CARRIED_HOURS:
    case IDC_CARRIED_MINUTES:
    case IDC_HOURS_DEDUCTED:
        if (code != EN_CHANGE || settingInputs_) return;
        inputsTyped_ = true;
        ReadMonthInputs();
        FillSheet(false);
        InvalidateRect(canvas_.Handle(), nullptr, FALSE);
        return;
    default: return;
    }
}

LRESULT CPreView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        LayOut();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        // The wheel turned while the month's inputs have the focus scrolls the sheet.
        if (canvas_.Handle()) return SendMessageA(canvas_.Handle(), message, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        // Keys go to the month's inputs; the frame's accelerators work from there.
        if (bar_) SetFocus(GetDlgItem(Bar(), IDC_CARRIED_HOURS));
        return 0;
    default:
        return win::Window::WindowProc(message, wParam, lParam);
    }
}

void CPreView::PostNcDestroy() {
    app_.UnwatchLog(*this);
    if (closed_) closed_();
    delete this;
}

}  // namespace horalo
