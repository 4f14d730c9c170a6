// The options dialog driven as the user would: it runs modally, a script
// types into its controls and presses its buttons, and the settings record
// is compared byte for byte afterwards.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/settings/settings_record.h"
#include "dialog_fixture.h"
#include "modal_script.h"
#include "resource_ids.h"
#include "ui/main/options_dialog.h"

namespace horalo {
namespace {

using win::test::DialogFixture;
using win::test::PickerTime;
using test::ModalScript;

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void SetPicker(HWND dialog, int id, WORD hour, WORD minute) {
    SYSTEMTIME time = win::test::At(hour, minute);
    SendDlgItemMessageA(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

// Every field away from its default, the texts with leftovers behind their
// NUL as an older program may have left them.
SettingsRecord UnusualSettings() {
    SettingsRecord settings = DefaultSettings();
    settings.workHours = 9;
    settings.workMinutes = 5;
    settings.breakHours = 1;
    settings.breakMinutes = 0;
    settings.number1 = 999;
    settings.number2 = 999999;
    settings.maxHours = 10;
    settings.maxMinutes = 30;
    settings.wayMinutes = 59;
    SetFormText(settings.formText1, std::string(63, 'x'));
    std::strcpy(settings.formText2.data(), "Longer text, then cut");
    settings.formText2[4] = '\0';
    settings.calendarOnTop = 7;
    settings.autostart = 0;
    settings.startHidden = 1;
    settings.powerEvents = 1;
    return settings;
}

// Every reminder field away from its default, every box the other way.
ReminderSettings UnusualReminders() {
    ReminderSettings reminders;
    reminders.requiredReached = true;
    reminders.maximumWarning = false;
    reminders.minutesBeforeMaximum = 120;
    reminders.atMaximum = false;
    reminders.breaks = false;
    reminders.firstBreak = {1, 1};
    reminders.secondBreak = {kMaxRulePresenceMinutes, kMaxRuleBreakMinutes};
    reminders.awayAsBreak = true;
    reminders.awayMinimumMinutes = 1;
    return reminders;
}

class OptionsDialogTest : public DialogFixture {
protected:
    // Runs the dialog on settings with the script; the script must end it.
    bool Run(SettingsRecord& settings, std::function<void(HWND)> script) {
        ReminderSettings reminders;
        return Run(settings, reminders, std::move(script));
    }
    bool Run(SettingsRecord& settings, ReminderSettings& reminders, std::function<void(HWND)> script) {
        ModalScript driver(IDC_WAY_MINUTES, std::move(script));
        const bool confirmed = RunOptionsDialog(settings, reminders);
        EXPECT_TRUE(driver.Ran()) << "the dialog never showed";
        EXPECT_FALSE(driver.Rescued()) << "the script left the dialog open";
        return confirmed;
    }
};

TEST_F(OptionsDialogTest, OkWithoutChangesKeepsEveryByte) {
    for (const SettingsRecord& original : {DefaultSettings(), UnusualSettings()}) {
        SettingsRecord settings = original;
        EXPECT_TRUE(Run(settings, [](HWND dialog) { Click(dialog, IDOK); }));
        EXPECT_EQ(EncodeSettings(settings), EncodeSettings(original));
    }
    for (const ReminderSettings& original : {ReminderSettings{}, UnusualReminders()}) {
        SettingsRecord settings = DefaultSettings();
        ReminderSettings reminders = original;
        EXPECT_TRUE(Run(settings, reminders, [](HWND dialog) { Click(dialog, IDOK); }));
        EXPECT_EQ(reminders, original);
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(OptionsDialogTest, OutOfRangeValuesKeepTheDialogOpenUntilCorrected) {
    SettingsRecord settings = DefaultSettings();
    Run(settings, [this](HWND dialog) {
        // Both wrong: the first in exchange order is reported first.
        SetDlgItemTextA(dialog, IDC_NUMBER1, "1000");
        SetDlgItemTextA(dialog, IDC_WAY_MINUTES, "60");
        Click(dialog, IDOK);
        ASSERT_TRUE(IsWindowVisible(dialog));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, win::FormatText(IDS_DDX_NUMBER_RANGE, 0u, 999u));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_NUMBER1));

        SetDlgItemTextA(dialog, IDC_NUMBER1, "999");
        Click(dialog, IDOK);
        ASSERT_TRUE(IsWindowVisible(dialog));
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[1].text, win::FormatText(IDS_DDX_NUMBER_RANGE, 0u, 59u));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_WAY_MINUTES));

        SetDlgItemTextA(dialog, IDC_NUMBER2, "1000000");
        SetDlgItemTextA(dialog, IDC_WAY_MINUTES, "59");
        Click(dialog, IDOK);
        ASSERT_TRUE(IsWindowVisible(dialog));
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_EQ(shown[2].text, win::FormatText(IDS_DDX_NUMBER_RANGE, 0u, 999999u));

        // Typing stops at 63 characters; pasted-in text is refused on OK.
        SetDlgItemTextA(dialog, IDC_NUMBER2, "999999");
        SetDlgItemTextA(dialog, IDC_FORM_TEXT2, std::string(64, 'y').c_str());
        Click(dialog, IDOK);
        ASSERT_TRUE(IsWindowVisible(dialog));
        ASSERT_EQ(shown.size(), 4u);
        EXPECT_EQ(shown[3].text, win::FormatText(IDS_DDX_TEXT_TOO_LONG, 63u));

        SetDlgItemTextA(dialog, IDC_FORM_TEXT2, std::string(63, 'y').c_str());
        Click(dialog, IDOK);
    });
    EXPECT_EQ(settings.number1, 999u);
    EXPECT_EQ(settings.number2, 999999u);
    EXPECT_EQ(settings.wayMinutes, 59);
    EXPECT_EQ(FormText(settings.formText2), std::string(63, 'y'));
    EXPECT_EQ(shown.size(), 4u);
}

TEST_F(OptionsDialogTest, CancelChangesNothing) {
    const SettingsRecord original = UnusualSettings();
    SettingsRecord settings = original;
    const bool confirmed = Run(settings, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FORM_TEXT1, "changed");
        SetDlgItemTextA(dialog, IDC_NUMBER1, "1");
        SetDlgItemTextA(dialog, IDC_WAY_MINUTES, "60");  // even an invalid entry
        SetPicker(dialog, IDC_WORK_TIME, 6, 0);
        Click(dialog, IDC_AUTOSTART);
        Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(EncodeSettings(settings), EncodeSettings(original));
    EXPECT_TRUE(shown.empty());
}

TEST_F(OptionsDialogTest, OkCopiesEveryChangeBack) {
    SettingsRecord settings = UnusualSettings();
    const bool confirmed = Run(settings, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FORM_TEXT1, "Erika Muster");
        SetDlgItemTextA(dialog, IDC_FORM_TEXT2, "");
        SetDlgItemTextA(dialog, IDC_NUMBER1, "0");
        SetDlgItemTextA(dialog, IDC_NUMBER2, "123456");
        SetPicker(dialog, IDC_WORK_TIME, 8, 15);
        SetPicker(dialog, IDC_BREAK_TIME, 0, 30);
        SetPicker(dialog, IDC_MAX_TIME, 0, 0);  // no daily maximum
        SetDlgItemTextA(dialog, IDC_WAY_MINUTES, "10");
        Click(dialog, IDC_START_HIDDEN);
        Click(dialog, IDC_AUTOSTART);
        Click(dialog, IDC_POWER_EVENTS);
        Click(dialog, IDOK);
    });
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(FormText(settings.formText1), "Erika Muster");
    EXPECT_EQ(settings.formText1[12], '\0');
    EXPECT_EQ(settings.formText2[0], '\0');
    EXPECT_EQ(settings.number1, 0u);
    EXPECT_EQ(settings.number2, 123456u);
    EXPECT_EQ(settings.workHours, 8);
    EXPECT_EQ(settings.workMinutes, 15);
    EXPECT_EQ(settings.breakHours, 0);
    EXPECT_EQ(settings.breakMinutes, 30);
    EXPECT_EQ(settings.maxHours, 0);
    EXPECT_EQ(settings.maxMinutes, 0);
    EXPECT_EQ(settings.wayMinutes, 10);
    EXPECT_EQ(settings.startHidden, 0);
    EXPECT_EQ(settings.autostart, 1);
    EXPECT_EQ(settings.powerEvents, 0);
    EXPECT_EQ(settings.calendarOnTop, 7);  // not the options dialog's
}

TEST_F(OptionsDialogTest, PairsBeyondADayWrapLikeAClockAndChecksBecomeZeroOrOne) {
    SettingsRecord settings = DefaultSettings();
    settings.workHours = 25;    // 01:00
    settings.breakHours = 0;
    settings.breakMinutes = -15;  // 23:45 the day before
    settings.maxHours = 0;
    settings.maxMinutes = 75;   // 01:15
    settings.startHidden = 5;
    Run(settings, [](HWND dialog) {
        const SYSTEMTIME work = PickerTime(GetDlgItem(dialog, IDC_WORK_TIME));
        EXPECT_EQ(work.wHour, 1);
        EXPECT_EQ(work.wMinute, 0);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(settings.workHours, 1);
    EXPECT_EQ(settings.workMinutes, 0);
    EXPECT_EQ(settings.breakHours, 23);
    EXPECT_EQ(settings.breakMinutes, 45);
    EXPECT_EQ(settings.maxHours, 1);
    EXPECT_EQ(settings.maxMinutes, 15);
    EXPECT_EQ(settings.startHidden, 1);
}

// Each box opens its fields and no others; a field it closes keeps its
// value, even one the user had typed wrong, and an open one is validated.
TEST_F(OptionsDialogTest, ReminderFieldsFollowTheirBoxes) {
    const struct {
        int box;
        std::vector<int> fields;
    } boxes[] = {{IDC_REMIND_MAXIMUM, {IDC_MINUTES_BEFORE_MAX, IDC_REMIND_AT_MAXIMUM}},
                 {IDC_REMIND_BREAKS, {IDC_FIRST_PRESENCE, IDC_FIRST_BREAK, IDC_SECOND_PRESENCE, IDC_SECOND_BREAK}},
                 {IDC_AWAY_AS_BREAK, {IDC_AWAY_MINIMUM}}};
    SettingsRecord settings = DefaultSettings();
    ReminderSettings reminders = UnusualReminders();  // maximum and breaks off, away on
    Run(settings, reminders, [&](HWND dialog) {
        for (const auto& b : boxes) {
            const bool ticked = IsDlgButtonChecked(dialog, b.box) == BST_CHECKED;
            for (const bool open : {ticked, !ticked}) {
                for (const int field : b.fields) EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, field)) != 0, open) << field;
                if (open == ticked) Click(dialog, b.box);
            }
        }
        // Now maximum and breaks on, away off.
        SetDlgItemTextA(dialog, IDC_AWAY_MINIMUM, "0");
        SetDlgItemTextA(dialog, IDC_MINUTES_BEFORE_MAX, "121");
        SetDlgItemTextA(dialog, IDC_FIRST_BREAK, "45");
        Click(dialog, IDOK);
        ASSERT_TRUE(IsWindowVisible(dialog));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, win::FormatText(IDS_DDX_NUMBER_RANGE, 1u, 120u));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_MINUTES_BEFORE_MAX));
        SetDlgItemTextA(dialog, IDC_MINUTES_BEFORE_MAX, "5");
        SetDlgItemTextA(dialog, IDC_SECOND_BREAK, "60");
        SetPicker(dialog, IDC_FIRST_PRESENCE, 0, 0);  // no rule starts before its first minute
        SetPicker(dialog, IDC_SECOND_PRESENCE, 10, 30);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(shown.size(), 1u);
    ReminderSettings expected = UnusualReminders();
    expected.maximumWarning = true;
    expected.minutesBeforeMaximum = 5;
    expected.breaks = true;
    expected.firstBreak = {1, 45};
    expected.secondBreak = {10 * 60 + 30, 60};
    expected.awayAsBreak = false;  // its wrong minimum untaken
    EXPECT_EQ(reminders, expected);
}

}  // namespace
}  // namespace horalo
