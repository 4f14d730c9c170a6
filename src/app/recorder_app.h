#pragma once
// The one application object: it owns the settings, the special days and
// the language library for the whole run, and its start-up
// hook runs the life of the program. Windows reach it only through the
// services they are given.
#include <windows.h>

#include <string>
#include <vector>

#include "app/single_instance.h"
#include "app/win_host.h"
#include "core/settings/reminder_settings.h"
#include "core/settings/settings_record.h"
#include "core/calendar_days/calendar_entry_store.h"
#include "print/preview_frame.h"
#include "ui/app_services.h"
#include "win/application.h"

namespace horalo {

class CalendarView;
class YearView;

class RecorderApp : public win::Application, public AppServices {
public:
    RecorderApp();

    Host& host() override { return host_; }
    SettingsRecord& settings() override { return settings_; }
    SpecialEntryStore& specialDays() override { return specialDays_; }
    ReminderSettings& reminders() override { return reminders_; }
    void StoreSettings() override;
    void OptionsStored() override;
    void KeepLastSeen(const LastSeen& seen) override;
    std::optional<WindowPlace> KeptPlace(WindowId window) override;
    void KeepPlace(WindowId window, const WindowPlace& place) override;
    void ShowHelp(HelpTopic topic) override;
    void OpenPreview(int month, int year, HWND owner) override;
    void OpenCalendar() override;
    void OpenYear(int year) override;
    void WatchLog(LogWatcher& watcher) override;
    void UnwatchLog(LogWatcher& watcher) override;

    // Written as autostart command and program folder at the end of work.
    std::string programPath;

    // The settings and the reminders from the registry, or the defaults
    // when there are none or they cannot be read; the start of every run.
    void LoadSettings();

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    // Before the start of work: offers to end a day that was never ended.
    void OfferToCloseOpenDay(const LastSeen& seen);

    WinHost host_;
    SettingsRecord settings_;
    ReminderSettings reminders_;
    // Whether the end of work writes the record: a first start's defaults,
    // or options the user stored; never over a record merely unreadable.
    bool storeSettingsRecord_ = false;
    SpecialEntryStore specialDays_{host_};
    HMODULE languageLibrary_ = nullptr;
    SingleInstance instance_;
    CPreView* previewFrame_ = nullptr;  // the one open preview
    CalendarView* calendar_ = nullptr;  // the one open calendar
    YearView* yearView_ = nullptr;      // the one open year account
    std::vector<LogWatcher*> logWatchers_;
};

}  // namespace horalo
