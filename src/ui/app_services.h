#pragma once
// What the windows need of the running program, and no more: they never
// see the application object itself, so the arrows point one way.
#include <windows.h>

#include <optional>

#include "core/host.h"
#include "core/settings/reminder_settings.h"
#include "core/settings/settings_record.h"
#include "core/calendar_days/calendar_entry_store.h"
#include "core/settings/reminder_settings.h"
#include "core/settings/window_place.h"
#include "core/timelog/open_day.h"

namespace horalo {

// A window that shows something of the time log.
class LogWatcher {
public:
    virtual ~LogWatcher() = default;
    // The log was changed, here or in another window: show it anew.
    virtual void OnLogChanged() = 0;
};

// The topics of the help file that windows open.
enum class HelpTopic { Index, MainDialog, Form, Year };

class AppServices {
public:
    virtual ~AppServices() = default;

    // The program folder, message boxes and texts of the language library.
    virtual Host& host() = 0;
    // Edited in memory; written to the registry at the end of work.
    virtual SettingsRecord& settings() = 0;
    virtual SpecialEntryStore& specialDays() = 0;
    // Which reminders the user wants; edited in memory by the options and
    // written when the user confirms them.
    virtual ReminderSettings& reminders() = 0;
    // Writes the autostart value, the program folder and, when it is to be
    // stored, the settings record.
    virtual void StoreSettings() = 0;
    // The user confirmed the options: the end of work stores the record;
    // the reminders, a value of their own, are written at once.
    virtual void OptionsStored() = 0;
    // Keeps when the program was last alive, for the next start to offer
    // as the end of a day that was never ended.
    virtual void KeepLastSeen(const LastSeen& seen) = 0;
    // Where the window was when it was last closed, in this run or an
    // earlier one; none when nothing (readable) is kept.
    virtual std::optional<WindowPlace> KeptPlace(WindowId window) = 0;
    virtual void KeepPlace(WindowId window, const WindowPlace& place) = 0;
    // Opens a topic of the help file in the program folder.
    virtual void ShowHelp(HelpTopic topic) = 0;
    // Shows the time sheet of the month (0 to 11); while one is open, that
    // one turns to the month and is brought to the front.
    virtual void OpenPreview(int month, int year, HWND owner) = 0;
    // Shows the calendar; while one is open, that one is brought to the front.
    virtual void OpenCalendar() = 0;
    // Shows the year's flextime account; while one is open, that one turns
    // to the year and is brought to the front.
    virtual void OpenYear(int year) = 0;
    // A window that shows the log is told of every change of it, wherever
    // it was made, from WatchLog until UnwatchLog.
    virtual void WatchLog(LogWatcher& watcher) = 0;
    virtual void UnwatchLog(LogWatcher& watcher) = 0;
};

}  // namespace horalo
