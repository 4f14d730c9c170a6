#pragma once
// The one application object: it owns the settings, the name lists and the
// language library for the whole run, and its start-up hook runs the life of
// the program.
#include <windows.h>

#include <cstddef>
#include <string>

#include "app/single_instance.h"
#include "app/win_host.h"
#include "core/settings/settings_record.h"
#include "core/special_days/special_day_table.h"
#include "core/special_days/special_entry.h"
#include "core/text/string_list.h"
#include "win/application.h"

namespace horalo {

class MainDialog;

class RecorderApp : public win::Application {
public:
    RecorderApp();
    ~RecorderApp() override;

    SettingsRecord settings;
    SpecialEntryList specialEntries;
    std::size_t specialEntryCount = 0;  // as read at start
    SpecialDayTable specialDays;        // one slot per special entry
    unsigned previewError = 0;
    StringList monthNames;
    StringList weekdayNames;
    HMODULE languageLibrary = nullptr;
    MainDialog* mainDialog = nullptr;  // cleared by the dialog when it goes
    // Written as autostart command and program folder at the end of work.
    std::string programPath;

    Host& host() { return host_; }

    // Reads horalo.spc (6023 on failure) and sizes the special-day table.
    bool LoadSpecialEntryList();
    // Writes horalo.spc (6024 on failure) and releases the list. Only a list
    // that was loaded is written: an empty one would wipe the user's days.
    bool SaveSpecialEntryList();
    void FreeSpecialDayTable();

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void RunMessageLoop();
    WinHost host_;
    SingleInstance instance_;
    bool specialEntriesLoaded_ = false;
};

// The running application object.
RecorderApp& TheApp();

}  // namespace horalo
