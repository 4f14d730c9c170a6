#pragma once
// The main window: records the start and end of work, breaks and notes, lives
// in the notification area and is where the program ends. Modeless; the
// object deletes itself when its window is gone.
#include <optional>
#include <string>

#include "core/calendar/calendar_date.h"
#include "core/recorder/glance.h"
#include "core/recorder/glance_text.h"
#include "core/recorder/recorder.h"
#include "core/recorder/reminders.h"
#include "resource_ids.h"
#include "ui/app_services.h"
#include "ui/main/static_link.h"
#include "ui/main/tray_icon.h"
#include "win/dialog.h"

namespace horalo {

// Window property by which other programs (and a second start) find the
// main dialog among the desktop's windows.
inline constexpr const char* kMainDialogProperty = HORALO_MAIN_DIALOG_PROPERTY;

class MainDialog : public win::Dialog, public LogWatcher {
public:
    explicit MainDialog(AppServices& app);
    ~MainDialog() override;

    // Appends a WorkStart (now minus the way time) unless present already,
    // or continues a day that ended earlier today and says so beside the
    // tray icon. With loadSpecialEntries the special days are loaded first,
    // and nothing is written when they cannot be.
    // `seen`: when a run that did not end was last alive, for a day it left
    // open today.
    bool StartWork(bool loadSpecialEntries, const LastSeen& seen = {});
    // Appends a WorkEnd (now plus the way time) when present. With
    // saveSpecialEntries the special days are saved and released.
    bool EndWork(bool saveSpecialEntries);
    // A break is written only when it ends, as one record of both times.
    void BeginBreak();
    void EndBreak();
    void AddNote();
    void UpdateButtons();
    // The day and the account anew, in the status line and the tooltip.
    void OnLogChanged() override;

    bool present() const { return recorder_.present(); }
    bool onBreak() const { return recorder_.onBreak(); }
    int blinkPhase() const { return blinkPhase_; }
    const TrayIcon& trayIcon() const { return tray_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(win::DataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BindCommands();
    void AddAboutToSystemMenu();
    int SwapTrayIcon(int phase);
    void OnTrayCallback(LPARAM mouseMessage);
    void OnPowerEvent(WPARAM event);
    void NoteLeaving();
    void OfferDaySplitOnReturn();
    void CheckInput();
    void OfferDaySplit(TimeValue left);
    bool PaintMinimised();
    void RunEndOfWorkSequence();
    void TellDayContinued();
    // The status line and the tooltip from today's figures; with `remind`
    // (each minute) the reminders that are due beside the tray icon.
    void RefreshGlance(bool remind);
    void Remind(Reminder reminder, const DayFigures& day);
    void NoteLock();
    void OfferAwayAsBreak();
    // A break begun or the day ended instead: the question goes unanswered.
    void CloseAwayQuestion();
    // Every state change and every minute: when the program was last
    // alive, and since when on a break; nothing once the day has ended.
    void KeepLastSeen();
    void QuitProgram();

    AppServices& app_;
    Recorder recorder_;
    std::string note_;
    HICON icon_ = nullptr;
    CStaticLink link_;
    TrayIcon tray_;
    int blinkPhase_ = 0;
    // Log-off runs the end of work without destroying the window; it must
    // not run a second time, when the saved special days are gone.
    bool workEnded_ = false;
    // The first suspend or lock since the user was last back: when they left.
    std::optional<TimeValue> left_;
    // When the offer to split the day was last made: once a day is enough,
    // whatever the answer.
    std::optional<CalendarDate> askedOn_;
    // The last input seen by the input check, and when it came.
    DWORD lastInputTick_ = 0;
    TimeValue lastInput_ = 0;
    GlanceSource glance_;
    GlanceFormats glanceFormats_;
    ReminderDay reminded_;
    // Every change of the log counts: time away is offered as a break only
    // when nothing was recorded in between.
    int logChanges_ = 0;
    struct Lock {
        TimeValue at = 0;
        bool working = false;
        int logChanges = 0;
    };
    std::optional<Lock> locked_;
    bool awayQuestionOpen_ = false;
};

}  // namespace horalo
