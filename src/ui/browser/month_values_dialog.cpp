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

constexpr long kMaxCarriedHours = 1000;

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

// A whole number with an optional minus sign, spaces and tabs around it.
bool ParseSigned(const std::string& text, long& number) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    const auto last = text.find_last_not_of(" \t");
    std::size_t at = first + (text[first] == '-' ? 1 : 0);
    if (at > last) return false;
    long magnitude = 0;
    for (; at <= last; ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        if (magnitude <= kMaxCarriedHours) magnitude = magnitude * 10 + (text[at] - '0');
    }
    number = text[first] == '-' ? -magnitude : magnitude;
    return true;
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
    // Month keys are signed 32-bit seconds since 1970: February 1970 is the
    // first month whose key has a local time here, January 2038 the last
    // that fits.
    const SYSTEMTIME range[2] = {FirstOf(1970, 2), FirstOf(2038, 1)};
    SendMessageA(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    return Dialog::OnInitDialog();
}

void MonthValuesDialog::OnOK() {
    if (UpdateData(true) && CarriedHoursValid()) EndDialog(IDOK);
}

// The exchange's numbers are unsigned, so the signed hours are checked here,
// with the same messages.
bool MonthValuesDialog::CarriedHoursValid() {
    long hours = 0;
    std::string message;
    if (!ParseSigned(carriedHours_, hours)) {
        message = win::LoadText(IDS_DDX_NOT_A_NUMBER);
    } else if (std::labs(hours) > kMaxCarriedHours) {
        std::string format = win::LoadText(IDS_DDX_NUMBER_RANGE);
        for (auto at = format.find("%u"); at != std::string::npos; at = format.find("%u", at + 2)) format[at + 1] = 'd';
        message = FormatString(format.c_str(), static_cast<int>(-kMaxCarriedHours), static_cast<int>(kMaxCarriedHours));
    } else {
        return true;
    }
    win::ShowMessageBox(Handle(), message, MB_ICONEXCLAMATION);
    SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_CARRIED_HOURS)), TRUE);
    return false;
}

}  // namespace horalo
