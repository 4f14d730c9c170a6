#include "ui/main/options_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

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

// A break rule holds at least a minute of presence: 00:00 in the picker is
// kept as 00:01, as the record would read it back anyway.
std::int32_t PresenceMinutes(const SYSTEMTIME& time) { return std::max(1, time.wHour * 60 + time.wMinute); }

std::uint32_t Unsigned(std::int32_t minutes) { return static_cast<std::uint32_t>(std::max(0, minutes)); }

// The text and its NUL only: bytes behind the NUL stay as they were, so an
// untouched text leaves the record byte for byte the same.
void CopyFormText(const std::string& text, std::array<char, kFormTextSize>& field) {
    const std::size_t length = std::min(text.size(), kFormTextSize - 1);
    std::memcpy(field.data(), text.data(), length);
    field[length] = '\0';
}

}  // namespace

OptionsDialog::OptionsDialog() : Dialog(IDD_OPTIONS) {
    for (const int box : {IDC_REMIND_MAXIMUM, IDC_REMIND_BREAKS, IDC_AWAY_AS_BREAK})
        OnCommand(box, [this] { EnableReminderFields(); });
}

void OptionsDialog::LoadFrom(const SettingsRecord& settings, const ReminderSettings& reminders) {
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

    requiredReached_ = reminders.requiredReached;
    maximumWarning_ = reminders.maximumWarning;
    minutesBeforeMaximum_ = Unsigned(reminders.minutesBeforeMaximum);
    atMaximum_ = reminders.atMaximum;
    breaks_ = reminders.breaks;
    firstPresence_ = PairToTime(0, reminders.firstBreak.presenceMinutes);
    firstBreakMinutes_ = Unsigned(reminders.firstBreak.breakMinutes);
    secondPresence_ = PairToTime(0, reminders.secondBreak.presenceMinutes);
    secondBreakMinutes_ = Unsigned(reminders.secondBreak.breakMinutes);
    awayAsBreak_ = reminders.awayAsBreak;
    awayMinimumMinutes_ = Unsigned(reminders.awayMinimumMinutes);
}

void OptionsDialog::CopyTo(SettingsRecord& settings, ReminderSettings& reminders) const {
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

    reminders.requiredReached = requiredReached_ != 0;
    reminders.maximumWarning = maximumWarning_ != 0;
    reminders.minutesBeforeMaximum = static_cast<std::int32_t>(minutesBeforeMaximum_);
    reminders.atMaximum = atMaximum_ != 0;
    reminders.breaks = breaks_ != 0;
    reminders.firstBreak = {PresenceMinutes(firstPresence_), static_cast<std::int32_t>(firstBreakMinutes_)};
    reminders.secondBreak = {PresenceMinutes(secondPresence_), static_cast<std::int32_t>(secondBreakMinutes_)};
    reminders.awayAsBreak = awayAsBreak_ != 0;
    reminders.awayMinimumMinutes = static_cast<std::int32_t>(awayMinimumMinutes_);
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

    // A field under an unticked box is neither checked nor taken: the user
    // cannot reach it to correct it, so it keeps the value it had.
    const auto under = [&dx](int box) { return !dx.Saving() || box != 0; };
    dx.Check(IDC_REMIND_REQUIRED, requiredReached_);
    dx.Check(IDC_REMIND_MAXIMUM, maximumWarning_);
    if (under(maximumWarning_)) {
        dx.Number(IDC_MINUTES_BEFORE_MAX, minutesBeforeMaximum_, 1, Unsigned(kMaxMinutesBeforeMaximum));
        dx.Check(IDC_REMIND_AT_MAXIMUM, atMaximum_);
    }
    dx.Check(IDC_REMIND_BREAKS, breaks_);
    if (under(breaks_)) {
        dx.Time(IDC_FIRST_PRESENCE, firstPresence_);
        dx.Number(IDC_FIRST_BREAK, firstBreakMinutes_, 1, Unsigned(kMaxRuleBreakMinutes));
        dx.Time(IDC_SECOND_PRESENCE, secondPresence_);
        dx.Number(IDC_SECOND_BREAK, secondBreakMinutes_, 1, Unsigned(kMaxRuleBreakMinutes));
    }
    dx.Check(IDC_AWAY_AS_BREAK, awayAsBreak_);
    if (under(awayAsBreak_)) dx.Number(IDC_AWAY_MINIMUM, awayMinimumMinutes_, 1, Unsigned(kMaxAwayMinimumMinutes));
}

void OptionsDialog::EnableReminderFields() {
    const auto ticked = [this](int box) { return IsDlgButtonChecked(Handle(), box) == BST_CHECKED; };
    const struct {
        int box;
        std::initializer_list<int> fields;
    } groups[] = {{IDC_REMIND_MAXIMUM, {IDC_MINUTES_BEFORE_MAX, IDC_REMIND_AT_MAXIMUM}},
                  {IDC_REMIND_BREAKS, {IDC_FIRST_PRESENCE, IDC_FIRST_BREAK, IDC_SECOND_PRESENCE, IDC_SECOND_BREAK}},
                  {IDC_AWAY_AS_BREAK, {IDC_AWAY_MINIMUM}}};
    for (const auto& group : groups)
        for (const int field : group.fields) EnableWindow(Item(field), ticked(group.box));
}

bool OptionsDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    for (const int picker : {IDC_WORK_TIME, IDC_BREAK_TIME, IDC_MAX_TIME, IDC_FIRST_PRESENCE, IDC_SECOND_PRESENCE})
        SendDlgItemMessageA(Handle(), picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH':'mm"));
    EnableReminderFields();
    return true;
}

bool RunOptionsDialog(SettingsRecord& settings, ReminderSettings& reminders) {
    OptionsDialog dialog;
    dialog.LoadFrom(settings, reminders);
    if (dialog.RunModal(nullptr) != IDOK) return false;
    dialog.CopyTo(settings, reminders);
    return true;
}

}  // namespace horalo
