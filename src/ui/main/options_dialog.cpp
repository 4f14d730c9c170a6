#include "ui/main/options_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "resource_ids.h"
#include "win/data_exchange.h"

namespace horalo {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

// An hours/minutes pair shown as a time of day on a fixed date. Pairs out of
// range wrap as a clock would (25:00 is 01:00), so the picker always gets a
// time it accepts rather than keeping whatever it showed before.
SYSTEMTIME PairToTime(std::int32_t hours, std::int32_t minutes) {
    const std::int64_t total = std::int64_t{hours} * 60 + minutes;
    const auto ofDay = static_cast<int>(((total % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
    SYSTEMTIME time{};
    time.wYear = 2000;
    time.wMonth = 1;
    time.wDay = 1;
    time.wDayOfWeek = 6;  // a Saturday
    time.wHour = static_cast<WORD>(ofDay / 60);
    time.wMinute = static_cast<WORD>(ofDay % 60);
    return time;
}

void TimeToPair(const SYSTEMTIME& time, std::int32_t& hours, std::int32_t& minutes) {
    hours = time.wHour;
    minutes = time.wMinute;
}

// The text and its NUL only: bytes behind the NUL stay as they were, so an
// untouched text leaves the record byte for byte the same.
void CopyFormText(const std::string& text, std::array<char, kFormTextSize>& field) {
    const std::size_t length = std::min(text.size(), kFormTextSize - 1);
    std::memcpy(field.data(), text.data(), length);
    field[length] = '\0';
}

}  // namespace

OptionsDialog::OptionsDialog() : Dialog(IDD_OPTIONS) {}

void OptionsDialog::LoadFrom(const SettingsRecord& settings) {
    text1_ = FormText(settings.formText1);
    text2_ = FormText(settings.formText2);
    number1_ = settings.number1;
    number2_ = settings.number2;
    workTime_ = PairToTime(settings.workHours, settings.workMinutes);
    breakTime_ = PairToTime(settings.breakHours, settings.breakMinutes);
    maxTime_ = PairToTime(settings.maxHours, settings.maxMinutes);
    startHidden_ = settings.startHidden;
    autostart_ = settings.autostart;
    wayMinutes_ = static_cast<std::uint32_t>(settings.wayMinutes);
    powerEvents_ = settings.powerEvents;
}

void OptionsDialog::CopyTo(SettingsRecord& settings) const {
    CopyFormText(text1_, settings.formText1);
    CopyFormText(text2_, settings.formText2);
    settings.number1 = number1_;
    settings.number2 = number2_;
    TimeToPair(workTime_, settings.workHours, settings.workMinutes);
    TimeToPair(breakTime_, settings.breakHours, settings.breakMinutes);
    TimeToPair(maxTime_, settings.maxHours, settings.maxMinutes);
    settings.startHidden = startHidden_ ? 1 : 0;
    settings.autostart = autostart_ ? 1 : 0;
    settings.wayMinutes = static_cast<std::int32_t>(wayMinutes_);
    settings.powerEvents = powerEvents_ ? 1 : 0;
}

void OptionsDialog::DoDataExchange(win::DataExchange& dx) {
    dx.Text(IDC_FORM_TEXT1, text1_, kFormTextSize - 1);
    dx.Text(IDC_FORM_TEXT2, text2_, kFormTextSize - 1);
    dx.Number(IDC_NUMBER1, number1_, 0, kMaxNumber1);
    dx.Number(IDC_NUMBER2, number2_, 0, kMaxNumber2);
    dx.Time(IDC_WORK_TIME, workTime_);
    dx.Time(IDC_BREAK_TIME, breakTime_);
    dx.Time(IDC_MAX_TIME, maxTime_);
    dx.Check(IDC_START_HIDDEN, startHidden_);
    dx.Check(IDC_AUTOSTART, autostart_);
    dx.Number(IDC_WAY_MINUTES, wayMinutes_, 0, kMaxSettingMinutes);
    dx.Check(IDC_POWER_EVENTS, powerEvents_);
}

bool OptionsDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    for (const int picker : {IDC_WORK_TIME, IDC_BREAK_TIME, IDC_MAX_TIME})
        SendDlgItemMessageA(Handle(), picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH':'mm"));
    return true;
}

bool RunOptionsDialog(SettingsRecord& settings) {
    OptionsDialog dialog;
    dialog.LoadFrom(settings);
    if (dialog.RunModal(nullptr) != IDOK) return false;
    dialog.CopyTo(settings);
    return true;
}

}  // namespace horalo
