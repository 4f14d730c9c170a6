#include "ui/extras/delete_range_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "core/calendar/calendar_date.h"
#include "core/text/string_list.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"
#include "core/timelog/record_edits.h"
#include "resource_ids.h"
#include "win/data_exchange.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr TimeValue kMonthBack = 31 * 24 * 60 * 60;

// 01:00, which every day has, even where daylight saving time begins at
// midnight.
SYSTEMTIME DayAtOne(int year, int month, int day) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month + 1);
    time.wDay = static_cast<WORD>(day);
    time.wHour = 1;
    return time;
}

CalendarDate DateOf(const SYSTEMTIME& time) { return CalendarDate::Of(time.wYear, time.wMonth - 1, time.wDay); }

std::string MonthOf(const StringList& names, TimeValue time) {
    CalendarDate date;
    if (!ToCalendarDate(time, date)) return {};
    return NameAt(names, date.month) + " " + std::to_string(date.year);
}

// How many records go and from which month to which; the plain question
// where the log cannot be read now (the deletion will say why) or holds no
// record with a time.
std::string WholeLogQuestion(Host& host) {
    const auto image = ReadLogFile(host.ProgramFolder() + kLogFileName);
    const LogExtent extent = image ? MeasureLog(*image) : LogExtent{};
    if (!extent.first || !extent.last) return win::LoadText(IDS_DELETE_ALL);
    const StringList months = SplitStringResource(host, IDS_MONTH_NAMES);
    return win::FormatText(IDS_DELETE_WHOLE_LOG, static_cast<int>(extent.records), MonthOf(months, *extent.first).c_str(),
                           MonthOf(months, *extent.last).c_str());
}

}  // namespace

DeleteRangeDialog::DeleteRangeDialog(Host& host) : Dialog(IDD_DELETE_RANGE), host_(host) {}

void DeleteRangeDialog::DoDataExchange(win::DataExchange& dx) {
    dx.Time(IDC_RANGE_FIRST_DAY, firstDay_);
    dx.Time(IDC_RANGE_LAST_DAY, lastDay_);
}

bool DeleteRangeDialog::OnInitDialog() {
    // A clock in January 1970 has no local time 31 days back.
    CalendarDate back;
    if (ToCalendarDate(std::max<TimeValue>(Now() - kMonthBack, 0), back)) {
        year_ = back.year;
        month_ = back.month;
    }
    firstDay_ = DayAtOne(year_, month_, 1);
    lastDay_ = DayAtOne(year_, month_, MonthLength(year_, month_));
    Dialog::OnInitDialog();
    // The days as the question names them; Wine's short date also pads a
    // one-digit day with spaces inside the field ("11/ 1 /2026").
    for (const int picker : {IDC_RANGE_FIRST_DAY, IDC_RANGE_LAST_DAY})
        SendDlgItemMessageA(Handle(), picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("dd'.'MM'.'yyyy"));
    OnCommand(IDC_DELETE_ALL, [this] { SetMode(kWholeLog); });
    OnCommand(IDC_DELETE_TO_MONTH_END, [this] { SetMode(kToMonthEnd); });
    OnCommand(IDC_DELETE_DAYS, [this] { SetMode(kDays); });
    CheckDlgButton(Handle(), IDC_DELETE_TO_MONTH_END, BST_CHECKED);
    SetMode(kToMonthEnd);
    // Left to the system, the focus would go to the first radio button, where
    // a press of the space bar chooses to delete the whole log.
    SetFocus(Item(IDC_DELETE_TO_MONTH_END));
    return false;
}

void DeleteRangeDialog::SetMode(Mode mode) {
    mode_ = mode;
    for (const int picker : {IDC_RANGE_FIRST_DAY, IDC_RANGE_LAST_DAY}) EnableWindow(Item(picker), mode == kDays);
}

void DeleteRangeDialog::OnOK() {
    Delete();
    EndDialog(IDOK);
}

bool DeleteRangeDialog::Confirmed(const std::string& question) {
    return win::ShowMessageBox(Handle(), question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void DeleteRangeDialog::Delete() {
    switch (mode_) {
    case kWholeLog:
        if (Confirmed(WholeLogQuestion(host_))) win::ShowOutcome(DeleteWholeLog(host_));
        return;
    case kToMonthEnd: {
        const int lastDay = MonthLength(year_, month_);
        if (Confirmed(win::FormatText(IDS_DELETE_UP_TO, lastDay, month_ + 1, year_)))
            win::ShowOutcome(
                DeleteDateRange(host_, CalendarDate::Of(1900, 0, 1), CalendarDate::Of(year_, month_, lastDay)));
        return;
    }
    case kDays: {
        UpdateData(true);
        const std::string question = win::FormatText(IDS_DELETE_RANGE, int{firstDay_.wDay}, int{firstDay_.wMonth},
                                                      int{firstDay_.wYear}, int{lastDay_.wDay}, int{lastDay_.wMonth},
                                                      int{lastDay_.wYear});
        if (Confirmed(question)) win::ShowOutcome(DeleteDateRange(host_, DateOf(firstDay_), DateOf(lastDay_)));
        return;
    }
    }
}

}  // namespace horalo
