#include "app/recorder_app.h"

#include <algorithm>

#include "app/help_launcher.h"
#include "app/last_seen_store.h"
#include "app/reminder_store.h"
#include "app/window_place_store.h"
#include "app/settings_store.h"
#include "core/timelog/cut_record.h"
#include "core/timelog/record_edits.h"
#include "resource_ids.h"
#include "ui/extras/calendar_view.h"
#include "ui/year/year_view.h"
#include "ui/main/main_dialog.h"
#include "ui/main/open_day_dialog.h"
#include "win/message_box.h"
#include "win/message_loop.h"
#include "win/resources.h"

namespace horalo {
namespace {
constexpr const char* kLanguageLibraryName = "HoraloRDLL.dll";
// No texts exist without the library, so this one message lives here.
constexpr const char* kLibraryMissingText = "Sprach DLL fehlt!\nLanguage DLL is missing!";
}  // namespace

RecorderApp::RecorderApp() : programPath(ProgramPath()) {
    // A watcher told may close a window and so leave the list, or a refill
    // may open one: each is told only while it is still watching.
    host_.logChanged = [this] {
        const std::vector<LogWatcher*> watchers = logWatchers_;
        for (LogWatcher* watcher : watchers)
            if (std::find(logWatchers_.begin(), logWatchers_.end(), watcher) != logWatchers_.end())
                watcher->OnLogChanged();
    };
}

void RecorderApp::WatchLog(LogWatcher& watcher) { logWatchers_.push_back(&watcher); }

void RecorderApp::UnwatchLog(LogWatcher& watcher) { std::erase(logWatchers_, &watcher); }

void RecorderApp::LoadSettings() {
    settings_ = DefaultSettings();
    const ValueRead read = horalo::LoadSettings(settings_);
    // A record that could not be read may still be the user's, readable by
    // the version that wrote it: the run goes on with the defaults and
    // leaves it as it is, unless the user stores options over it.
    storeSettingsRecord_ = read == ValueRead::Missing;
    // The files are found through the stored program folder, which a start
    // without settings most likely lacks too: it cannot wait for the end.
    if (read != ValueRead::Read) ApplyAutostartAndPath(settings_, programPath);
    reminders_ = LoadReminderSettings();
}

// The reminders are written now rather than at the end of work: nothing
// else lives in their value, so a run that ends without its last words
// keeps what the user chose. The settings record waits for the end, which
// writes it together with the autostart entry and the program folder.
void RecorderApp::OptionsStored() {
    storeSettingsRecord_ = true;
    StoreReminderSettings(reminders_);
}

void RecorderApp::StoreSettings() {
    ApplyAutostartAndPath(settings_, programPath);
    if (storeSettingsRecord_) horalo::StoreSettings(settings_);
}

void RecorderApp::ShowHelp(HelpTopic topic) {
    const char* name = kHelpIndexTopic;
    if (topic == HelpTopic::MainDialog) name = kHelpMainTopic;
    if (topic == HelpTopic::Form) name = kHelpFormTopic;
    if (topic == HelpTopic::Year) name = kHelpYearTopic;
    ShowHelpTopic(host_.ProgramFolder(), name);
}

void RecorderApp::OpenPreview(int month, int year, HWND owner) {
    if (previewFrame_) {
        previewFrame_->GoTo(month, year);
        if (IsIconic(previewFrame_->Handle())) ShowWindow(previewFrame_->Handle(), SW_RESTORE);
        SetForegroundWindow(previewFrame_->Handle());
        return;
    }
    previewFrame_ = CPreView::Open(*this, month, year, owner, [this] { previewFrame_ = nullptr; });
}

void RecorderApp::OpenCalendar() {
    if (calendar_) {
        calendar_->BringToFront();
        return;
    }
    calendar_ = CalendarView::Open(*this, [this] { calendar_ = nullptr; });
}

void RecorderApp::OpenYear(int year) {
    if (yearView_) {
        yearView_->BringToFront(year);
        return;
    }
    yearView_ = YearView::Open(*this, year, [this] { yearView_ = nullptr; });
}

void RecorderApp::KeepLastSeen(const LastSeen& seen) { StoreLastSeen(seen); }

std::optional<WindowPlace> RecorderApp::KeptPlace(WindowId window) { return LoadWindowPlace(window); }

void RecorderApp::KeepPlace(WindowId window, const WindowPlace& place) { StoreWindowPlace(window, place); }

// The day's end and its break belong before the new start: appended now
// they follow every record of that day and stay in time order. An earlier
// day left open is no day that ended today, so this comes before the start
// tries to continue one.
void RecorderApp::OfferToCloseOpenDay(const LastSeen& seen) {
    const auto day = FindOpenDay(host_, Now(), seen);
    if (!day) return;
    const auto end = AskOpenDayEnd(*day);
    if (!end) return;
    for (const LogRecord& record : RecordsClosingDay(*day, *end, TimeValue{settings_.wayMinutes} * 60))
        if (win::ShowOutcome(AppendRecord(host_, record))) return;
}

bool RecorderApp::InitInstance() {
    SetExitCode(1);
    // The library is looked for in the program's folder first; the current
    // folder is taken out of the search so no stray copy there is loaded.
    SetDllDirectoryA("");
    languageLibrary_ = LoadLibraryA(kLanguageLibraryName);
    if (!languageLibrary_) {
        MessageBoxA(nullptr, kLibraryMissingText, "Horalo", MB_OK);
        return false;
    }
    win::SetResourceModule(languageLibrary_);

    // A second recorder of this user only brings the first one forward: two
    // would append to and rewrite the same log. Nothing is written before.
    if (!instance_.Acquire(InstanceMutexName())) {
        ShowRunningInstance();
        SetExitCode(0);
        return false;
    }

    LoadSettings();

    // A start record behind a record cut short would be lost in it.
    const LogEndCheck logEnd = SetAsideCutRecord(host_);
    if (!logEnd.mayRecord) {
        win::ShowOutcome(logEnd.outcome);
        return false;
    }
    // Read before the new run keeps its own.
    const LastSeen seen = LoadLastSeen();
    OfferToCloseOpenDay(seen);
    auto* dialog = new MainDialog(*this);
    if (!dialog->StartWork(true, seen)) {
        delete dialog;
        return false;
    }
    // Without its window the program could be neither reached nor ended,
    // and it would keep every later start out; so the day ends here.
    if (!dialog->CreateModeless(nullptr)) {
        dialog->EndWork(true);
        delete dialog;
        return false;
    }
    if (settings_.startHidden == 0) ShowWindow(dialog->Handle(), SW_SHOW);
    win::ShowOutcome(logEnd.outcome);  // the bytes set aside, now that the day has begun

    SetExitCode(win::RunMessageLoop());
    return false;
}

int RecorderApp::ExitInstance() {
    if (languageLibrary_) {
        win::SetResourceModule(nullptr);
        FreeLibrary(languageLibrary_);
        languageLibrary_ = nullptr;
    }
    return win::Application::ExitInstance();
}

}  // namespace horalo
