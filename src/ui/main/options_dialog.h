#pragma once
// The settings and reminders the user edits by hand. The dialog works on
// copies: they change only when the user confirms with OK, and then only in
// memory (the caller has them written).
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/settings/reminder_settings.h"
#include "core/settings/settings_record.h"
#include "win/dialog.h"

namespace horalo {

class OptionsDialog : public win::Dialog {
public:
    OptionsDialog();

    void LoadFrom(const SettingsRecord& settings, const ReminderSettings& reminders);
    // Every edited field; calendarOnTop is not this dialog's.
    void CopyTo(SettingsRecord& settings, ReminderSettings& reminders) const;

protected:
    void DoDataExchange(win::DataExchange& dx) override;
    bool OnInitDialog() override;

private:
    // The fields of a reminder are open only while its box is ticked.
    void EnableReminderFields();

    std::string text1_;
    std::string text2_;
    std::uint32_t number1_ = 0;
    std::uint32_t number2_ = 0;
    SYSTEMTIME workTime_{};
    SYSTEMTIME breakTime_{};
    SYSTEMTIME maxTime_{};
    int startHidden_ = 0;
    int autostart_ = 0;
    std::uint32_t wayMinutes_ = 0;
    int powerEvents_ = 0;

    int requiredReached_ = 0;
    int maximumWarning_ = 0;
    std::uint32_t minutesBeforeMaximum_ = 0;
    int atMaximum_ = 0;
    int breaks_ = 0;
    SYSTEMTIME firstPresence_{};
    std::uint32_t firstBreakMinutes_ = 0;
    SYSTEMTIME secondPresence_{};
    std::uint32_t secondBreakMinutes_ = 0;
    int awayAsBreak_ = 0;
    std::uint32_t awayMinimumMinutes_ = 0;
};

// Modal, without a parent window. True when the user confirmed with OK and
// both were updated; false leaves them untouched.
bool RunOptionsDialog(SettingsRecord& settings, ReminderSettings& reminders);

}  // namespace horalo
