#include "ui/browser/month_values_dialog.h"

#include <commctrl.h>

#include <cstdlib>
#include <ctime>

#include "core/calendar/local_time.h"
#include "core/sheet/carried_balance_fields.h"
#include "core/text/format_text.h"
#include "resource_ids.h"
#include "win/data_exchange.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr std::int32_t kMaxCarriedHours = 1000;

// The first of the time's local month; all zero when it has no local time.
SYSTEMTIME MonthOf(TimeValue time) {
    SYSTEMTIME month{};
    std::tm local{};
    if (!ToLocalTime(time, local)) return month;
    month.wYear = static_cast<WORD>(local.tm_year + 1900);
    month.wMonth = static_cast<WORD>(local.tm_mon + 1);
    month.wDay = 1;
    return month;
}

SYSTEMTIME FirstOf(WORD year, WORD month) {
    SYSTEMTIME day{};
    day.wYear = year;
    day.wMonth = month;
    day.wDay = 1;
    return day;
}

}  // namespace

MonthValuesDialog::MonthValuesDialog() : Dialog(IDD_MONTH_VALUES), month_(MonthOf(Now())) {}

MonthValuesDialog::MonthValuesDialog(const MonthRecordEntry& source)
    : Dialog(IDD_MONTH_VALUES),
      month_(MonthOf(source.monthKey)),
      hoursDeducted_(static_cast<std::uint32_t>(source.hoursDeducted)) {
    const CarriedBalanceFields carried = SplitCarriedBalance(source.carriedBalance);
    carriedHours_ = carried.hours;
    carriedMinutes_ = static_cast<std::uint32_t>(carried.minutes);
}

std::int32_t MonthValuesDialog::CarriedBalance() const {
    return JoinCarriedBalance(carriedHours_, static_cast<std::int32_t>(carriedMinutes_));
}

void MonthValuesDialog::DoDataExchange(win::DataExchange& dx) {
    dx.Time(IDC_VALUES_MONTH, month_);
    dx.Number(IDC_HOURS_DEDUCTED, hoursDeducted_, 0, 100);
    dx.Text(IDC_CARRIED_HOURS, carriedHours_, 0);
    dx.Number(IDC_CARRIED_MINUTES, carriedMinutes_, 0, 59);
}

bool MonthValuesDialog::OnInitDialog() {
    HWND picker = Item(IDC_VALUES_MONTH);
    // The full month name: Wine's picker draws the abbreviated one ("MMM")
    // as garbage, and Linux users run the program under Wine.
    SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("MMMM yyyy"));
    // Month keys are unsigned 32-bit seconds since 1970: in every zone,
    // February 1970 is the first month whose key has a local time, February
    // 2106 the last whose key fits.
    const SYSTEMTIME range[2] = {FirstOf(1970, 2), FirstOf(2106, 2)};
    SendMessageA(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    return Dialog::OnInitDialog();
}

void MonthValuesDialog::OnOK() {
    if (UpdateData(true) && CarriedHoursValid()) EndDialog(IDOK);
}

// The hours stay text for the join, which tells "-0" from "0"; here they
// are only checked, after the other fields as before.
bool MonthValuesDialog::CarriedHoursValid() {
    win::DataExchange dx(*this, true);
    std::int32_t hours = 0;
    dx.SignedNumber(IDC_CARRIED_HOURS, hours, -kMaxCarriedHours, kMaxCarriedHours);
    return !dx.Failed();
}

}  // namespace horalo
