#pragma once
// The settings the user edits by hand. The dialog works on copies: the
// record changes only when the user confirms with OK, and then only in
// memory (the registry follows at exit).
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/settings/settings_record.h"
#include "win/dialog.h"

namespace horalo {

class OptionsDialog : public win::Dialog {
public:
    OptionsDialog();

    void LoadFrom(const SettingsRecord& settings);
    // Every edited field; calendarOnTop is not this dialog's.
    void CopyTo(SettingsRecord& settings) const;

protected:
    void DoDataExchange(win::DataExchange& dx) override;
    bool OnInitDialog() override;

private:
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
};

// Modal, without a parent window. True when the user confirmed with OK and
// the record was updated; false leaves it untouched.
bool RunOptionsDialog(SettingsRecord& settings);

}  // namespace horalo
