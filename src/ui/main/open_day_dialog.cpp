#include "ui/main/open_day_dialog.h"

#include <commctrl.h>

#include "core/calendar/calendar_date.h"
#include "resource_ids.h"
#include "win/data_exchange.h"
#include "win/resources.h"

namespace horalo {

OpenDayDialog::OpenDayDialog(const OpenDay& day) : win::Dialog(IDD_OPEN_DAY), day_(day), end_(day.end) {}

bool OpenDayDialog::OnInitDialog() {
    CalendarDate end;
    if (ToCalendarDate(day_.end, end)) {
        text_ = win::FormatText(day_.seen ? IDS_OPEN_DAY_SEEN : IDS_OPEN_DAY_UNSEEN, end.day, end.month + 1, end.year,
                                end.hour, end.minute);
        time_ = {static_cast<WORD>(end.year), static_cast<WORD>(end.month + 1), 0,
                 static_cast<WORD>(end.day),  static_cast<WORD>(end.hour),      static_cast<WORD>(end.minute),
                 static_cast<WORD>(end.second), 0};
    }
    CalendarDate pause;
    if (day_.breakStart != 0 && ToCalendarDate(day_.breakStart, pause))
        breakText_ = win::FormatText(IDS_OPEN_DAY_BREAK, pause.hour, pause.minute);
    // Hours and minutes as the text above gives them, whatever the locale.
    SendDlgItemMessageA(Handle(), IDC_OPEN_DAY_END, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH':'mm"));
    return win::Dialog::OnInitDialog();
}

// The picker holds a time of day; the date stays the open day's, so the
// end cannot move to another day by a slip of the keyboard.
void OpenDayDialog::DoDataExchange(win::DataExchange& dx) {
    dx.Text(IDC_OPEN_DAY_TEXT, text_, 0);
    dx.Text(IDC_OPEN_DAY_BREAK, breakText_, 0);
    dx.Time(IDC_OPEN_DAY_END, time_);
    if (!dx.Saving()) return;
    CalendarDate day;
    if (!ToCalendarDate(day_.end, day)) return;
    const long long end =
        MakeLocalTime(day.year, day.month, day.day, time_.wHour, time_.wMinute, time_.wSecond, DaylightSaving::FromCalendar);
    if (end >= 0) end_ = end;
}

std::optional<TimeValue> AskOpenDayEnd(const OpenDay& day) {
    OpenDayDialog dialog(day);
    if (dialog.RunModal(nullptr) != IDOK) return std::nullopt;
    return dialog.end();
}

}  // namespace horalo
