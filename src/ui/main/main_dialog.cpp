#include "ui/main/main_dialog.h"

#include <wtsapi32.h>

#include <cstring>

#include "core/calendar/calendar_date.h"
#include "core/timelog/record_edits.h"
#include "ui/browser/log_browser_dialog.h"
#include "ui/browser/monthly_list_dialog.h"
#include "ui/extras/delete_range_dialog.h"
#include "ui/extras/calendar_days_editor.h"
#include "ui/main/about_dialog.h"
#include "ui/main/options_dialog.h"
#include "win/data_exchange.h"
#include "win/message_box.h"
#include "win/resources.h"
#include "win/window.h"
#include "win/window_text.h"

namespace horalo {
namespace {
constexpr UINT kBlinkPeriod = 1000;  // ms
constexpr UINT kMinute = 60 * 1000;  // ms
constexpr int kNoteLimit = 64;
constexpr WPARAM kSystemCommandMask = 0xFFF0;

// The shell sends this to every top-level window when it has restarted.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

INT_PTR Result(HWND window, LRESULT result) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

// The recorder's records go to the log, and a start on a day that ended
// today continues it; either tells a failure the moment it happens, so a
// failed continuation is told before the start that follows it.
RecordAppender LogAppender(Host& host) {
    return [&host](const LogRecord& record) { return !win::ShowOutcome(AppendRecord(host, record)); };
}

GlanceFormats LoadGlanceFormats() {
    GlanceFormats formats;
    formats.notStarted = win::LoadText(IDS_GLANCE_NOT_STARTED);
    formats.present = win::LoadText(IDS_GLANCE_PRESENT);
    formats.onBreak = win::LoadText(IDS_GLANCE_ON_BREAK);
    formats.ended = win::LoadText(IDS_GLANCE_ENDED);
    formats.dayOff = win::LoadText(IDS_GLANCE_DAY_OFF);
    formats.presence = win::LoadText(IDS_GLANCE_PRESENCE);
    formats.requiredAt = win::LoadText(IDS_GLANCE_REQUIRED_AT);
    formats.nothingRequired = win::LoadText(IDS_GLANCE_NOTHING_REQUIRED);
    formats.maximumAt = win::LoadText(IDS_GLANCE_MAXIMUM_AT);
    formats.balance = win::LoadText(IDS_GLANCE_BALANCE);
    return formats;
}

// The message box a window owns while one is open.
HWND OwnedMessageBox(HWND owner) {
    return win::FindThreadWindow([owner](HWND window) {
        char name[16] = {};
        return GetWindow(window, GW_OWNER) == owner && GetClassNameA(window, name, sizeof name) &&
               std::strcmp(name, "#32770") == 0;
    });
}

DayContinuer LogContinuer(Host& host) {
    return [&host](TimeValue now, TimeValue wayTime, const LastSeen& seen) {
        DayContinuation continued = ContinueDay(host, now, wayTime, seen);
        win::ShowOutcome(continued.outcome);
        return continued;
    };
}
}  // namespace

MainDialog::MainDialog(AppServices& app)
    : win::Dialog(IDD_MAIN),
      app_(app),
      recorder_(LogAppender(app.host()), app.settings(), LogContinuer(app.host())),
      icon_(LoadIconA(win::ResourceModule(), MAKEINTRESOURCEA(IDI_MAIN))) {}

MainDialog::~MainDialog() { app_.UnwatchLog(*this); }

bool MainDialog::StartWork(bool loadSpecialEntries, const LastSeen& seen) {
    if (loadSpecialEntries && win::ShowOutcome(app_.specialDays().Load())) return false;
    if (!recorder_.StartWork(seen)) return false;
    KeepLastSeen();
    // At the program's start the icon comes later, and says it then.
    if (Handle()) TellDayContinued();
    return true;
}

void MainDialog::TellDayContinued() {
    const DayContinuation& start = recorder_.lastStart();
    if (start.result != DayContinuation::Result::Continued) return;
    CalendarDate from, to;
    if (start.breakEnd > start.breakStart && ToCalendarDate(start.breakStart, from) && ToCalendarDate(start.breakEnd, to))
        tray_.Tell(win::FormatText(IDS_DAY_CONTINUED, from.hour, from.minute, to.hour, to.minute));
    else
        tray_.Tell(win::LoadText(IDS_DAY_CONTINUED_AT_ONCE));
}

bool MainDialog::EndWork(bool saveSpecialEntries) {
    CloseAwayQuestion();
    bool done = recorder_.EndWork();
    KeepLastSeen();
    if (saveSpecialEntries && win::ShowOutcome(app_.specialDays().Save())) done = false;
    return done;
}

void MainDialog::KeepLastSeen() {
    if (!present()) return app_.KeepLastSeen({});
    app_.KeepLastSeen({Now(), onBreak() ? recorder_.breakStart() : 0});
}

void MainDialog::BeginBreak() {
    CloseAwayQuestion();
    if (!recorder_.BeginBreak()) return;
    KeepLastSeen();
    UpdateButtons();
}

void MainDialog::EndBreak() {
    if (!recorder_.EndBreak()) return;
    KeepLastSeen();
    UpdateButtons();
    SwapTrayIcon(1);
}

// Read whatever the edit holds (another program may have put more than the
// limit there); the recorder cuts what it cannot store.
void MainDialog::AddNote() {
    if (UpdateData(true)) recorder_.AddNote(note_);
    note_.clear();
    UpdateData(false);
}

void MainDialog::UpdateButtons() {
    // Disabling the focused button drops the focus and leaves the keyboard
    // dead; the note field takes it instead.
    HWND focus = GetFocus();
    const RecorderCommands commands = recorder_.Commands();
    EnableWindow(Item(IDC_START_WORK), commands.startWork);
    EnableWindow(Item(IDC_END_WORK), commands.endWork);
    EnableWindow(Item(IDC_BEGIN_BREAK), commands.beginBreak);
    EnableWindow(Item(IDC_END_BREAK), commands.endBreak);
    if (focus && GetParent(focus) == Handle() && !IsWindowEnabled(focus))
        SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_NOTE_EDIT)), TRUE);
    // A break begun is held in memory only: no change of the log tells it.
    RefreshGlance(false);
}

void MainDialog::OnLogChanged() {
    ++logChanges_;
    glance_.LogChanged();
    RefreshGlance(false);
}

void MainDialog::RefreshGlance(bool remind) {
    if (!Handle()) return;
    const TimeValue now = Now();
    const Glance glance = glance_.At(app_.host(), now, onBreak() ? recorder_.breakStart() : 0, app_.settings(),
                                     app_.specialDays().entries());
    const std::string status = GlanceStatus(glance.day, glance.balance, glanceFormats_);
    if (win::WindowText(Item(IDC_GLANCE_STATUS)) != status) SetDlgItemTextA(Handle(), IDC_GLANCE_STATUS, status.c_str());
    // On a break the title says how to end it; else the figures need the room.
    GlanceFormats tip = glanceFormats_;
    tip.title = onBreak() ? win::LoadText(IDS_TIP_BREAK) : std::string("Horalo");
    tray_.SetTooltip(GlanceTooltip(glance.day, glance.balance, tip));
    if (!remind) return;
    for (const Reminder reminder : DueReminders(glance.day, now, app_.reminders(), reminded_)) Remind(reminder, glance.day);
}

void MainDialog::Remind(Reminder reminder, const DayFigures& day) {
    switch (reminder) {
    case Reminder::RequiredReached: return tray_.Tell(win::LoadText(IDS_REMIND_REQUIRED));
    case Reminder::MaximumSoon:
        return tray_.Tell(win::FormatText(IDS_REMIND_MAXIMUM_SOON, ClockText(day.maximumReached).c_str()), true);
    case Reminder::MaximumReached: return tray_.Tell(win::LoadText(IDS_REMIND_MAXIMUM), true);
    case Reminder::FirstBreak:
    case Reminder::SecondBreak:
        return tray_.Tell(
            win::FormatText(IDS_REMIND_BREAK, DurationText(day.presence).c_str(), DurationText(day.breaks).c_str()));
    }
}

// Phase 0 shows the break icon next, any other the normal one; the result
// is the phase for the next swap.
int MainDialog::SwapTrayIcon(int phase) {
    tray_.Show(phase != 0 ? IDI_TRAY : IDI_TRAY_BREAK, onBreak() ? IDS_TIP_BREAK : IDS_TIP_PRESENT);
    return phase != 0 ? 0 : 1;
}

bool MainDialog::OnInitDialog() {
    win::Dialog::OnInitDialog();
    SetPropA(Handle(), kMainDialogProperty, reinterpret_cast<HANDLE>(1));
    link_.Attach(Handle(), IDC_LINK);
    AddAboutToSystemMenu();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Item(IDC_NOTE_EDIT), EM_LIMITTEXT, kNoteLimit, 0);
    tray_.Attach(Handle());
    tray_.Add(IDI_TRAY, onBreak() ? IDS_TIP_BREAK : IDS_TIP_PRESENT);
    TellDayContinued();
    SetTimer(Handle(), HORALO_TIMER_BLINK, kBlinkPeriod, nullptr);
    SetTimer(Handle(), HORALO_TIMER_MINUTE, kMinute, nullptr);
    WTSRegisterSessionNotification(Handle(), NOTIFY_FOR_THIS_SESSION);
    BindCommands();
    glanceFormats_ = LoadGlanceFormats();
    app_.WatchLog(*this);
    UpdateButtons();
    // Not the first button: Enter or Space on End work would end the day.
    SetFocus(Item(IDC_NOTE_EDIT));
    return false;
}

void MainDialog::DoDataExchange(win::DataExchange& dx) { dx.Text(IDC_NOTE_EDIT, note_, 0); }

void MainDialog::BindCommands() {
    OnCommand(IDC_START_WORK, [this] {
        StartWork(false);
        UpdateButtons();
    });
    OnCommand(IDC_END_WORK, [this] {
        EndWork(false);
        UpdateButtons();
    });
    OnCommand(IDC_BEGIN_BREAK, [this] { BeginBreak(); });
    OnCommand(IDC_END_BREAK, [this] {
        EndBreak();
        blinkPhase_ = 0;
    });
    OnCommand(IDC_ADD_NOTE, [this] { AddNote(); });
    OnCommand(IDC_HIDE, [this] { ShowWindow(Handle(), SW_HIDE); });
    OnCommand(IDC_UNUSED_1004, [] {});
    OnCommand(IDC_UNUSED_1005, [] {});
    OnCommand(IDC_OPTIONS, [this] {
        if (!RunOptionsDialog(app_.settings(), app_.reminders())) return;
        app_.OptionsStored();
        // The settings change the month's evaluation; a maximum set below
        // what the day has come to is told now.
        glance_.LogChanged();
        RefreshGlance(true);
    });
    OnCommand(IDC_LOG_BROWSER, [this] { LogBrowserDialog(app_).RunModal(nullptr); });
    OnCommand(IDC_MONTHLY_LIST, [this] { MonthlyListDialog(app_).RunModal(nullptr); });
    OnCommand(IDC_CALENDAR, [this] { app_.OpenCalendar(); });
    OnCommand(IDC_YEAR_ACCOUNT, [this] {
        CalendarDate today;
        app_.OpenYear(CurrentDate(today) ? today.year : 1970);
    });
    OnCommand(IDC_SPECIAL_EDITOR, [this] { SpecialEntriesEditor(app_).RunModal(nullptr); });
    OnCommand(IDC_DELETE_RANGE, [this] { DeleteRangeDialog(app_.host()).RunModal(nullptr); });
    OnCommand(IDC_PREVIEW, [this] {
        CalendarDate today;
        if (CurrentDate(today)) app_.OpenPreview(today.month, today.year, Handle());
    });
    OnCommand(IDC_HELP_INDEX, [this] { app_.ShowHelp(HelpTopic::Index); });
    OnCommand(IDC_HELP_MAIN, [this] { app_.ShowHelp(HelpTopic::MainDialog); });
}

void MainDialog::AddAboutToSystemMenu() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) return;
    const std::string text = win::LoadText(IDS_ABOUT_MENU);
    if (text.empty()) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT_BOX, text.c_str());
}

// Enter must not end the main window; the note field's default button takes it.
void MainDialog::OnOK() {}

void MainDialog::OnCancel() {
    if (win::ShowMessageId(Handle(), IDS_QUIT_QUESTION, MB_YESNO | MB_ICONQUESTION) == IDYES) QuitProgram();
}

// The day ends before the window goes: destroying a shown window may wait
// on the system (a window manager under Wine waits up to seconds).
void MainDialog::QuitProgram() {
    PostQuitMessage(0);
    RunEndOfWorkSequence();
    DestroyWindow(Handle());
}

// The records come first: at log-off and shutdown the system gives a
// program only a few seconds, and the end of the day is what the user
// cannot lose. The rest follows in its usual order.
void MainDialog::RunEndOfWorkSequence() {
    if (workEnded_) return;
    workEnded_ = true;
    CloseAwayQuestion();
    recorder_.EndOfWork();
    KeepLastSeen();
    KillTimer(Handle(), HORALO_TIMER_BLINK);
    KillTimer(Handle(), HORALO_TIMER_MINUTE);
    app_.StoreSettings();
    tray_.Remove();
    win::ShowOutcome(app_.specialDays().Save());
    app_.specialDays().FreeTable();
}

void MainDialog::OnTrayCallback(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        if (!onBreak()) return;
        EndBreak();
        blinkPhase_ = 0;
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
    }
}

void MainDialog::OnPowerEvent(WPARAM event) {
    if (event == PBT_APMSUSPEND) {
        if (onBreak()) EndBreak();
        EndWork(false);
        UpdateButtons();
    } else if (event == PBT_APMRESUMESUSPEND) {
        StartWork(false);
        UpdateButtons();
    }
}

void MainDialog::NoteLeaving() {
    if (!left_) left_ = Now();
}

// Resume and unlock follow each other after a night: the first of them asks.
void MainDialog::OfferDaySplitOnReturn() {
    const std::optional<TimeValue> left = left_;
    left_.reset();
    if (left) OfferDaySplit(*left);
}

// A machine left running overnight sends nothing: the first input after a
// long idle stretch is the return, and the input before it the leaving.
void MainDialog::CheckInput() {
    LASTINPUTINFO input{sizeof input, 0};
    if (!GetLastInputInfo(&input) || input.dwTime == lastInputTick_) return;
    const TimeValue before = lastInput_;
    lastInputTick_ = input.dwTime;
    lastInput_ = Now() - static_cast<TimeValue>((GetTickCount() - input.dwTime) / 1000);
    if (before != 0) OfferDaySplit(before);
}

// The question is marked as asked before it shows: a resume, an unlock or
// the input check may come while it waits for the answer. Today's start is
// when the answer came, so the split is planned again then.
void MainDialog::OfferDaySplit(TimeValue left) {
    CalendarDate from, today;
    if (!recorder_.PlanSplit(left).offered || !ToCalendarDate(left, from) || !CurrentDate(today)) return;
    if (askedOn_ && askedOn_->year == today.year && askedOn_->dayOfYear == today.dayOfYear) return;
    askedOn_ = today;
    const std::string question = win::FormatText(IDS_DAY_SPLIT_QUESTION, from.day, from.month + 1, from.year,
                                                 from.hour, from.minute);
    if (win::ShowMessageBox(Handle(), question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    recorder_.Split(recorder_.PlanSplit(left));
    UpdateButtons();
    SwapTrayIcon(1);
    blinkPhase_ = 0;
}

void MainDialog::NoteLock() { locked_ = Lock{Now(), present() && !onBreak(), logChanges_}; }

// After the day split's offer, which takes a night away: what it records
// counts as a change, and then nothing is offered here.
void MainDialog::OfferAwayAsBreak() {
    const std::optional<Lock> lock = locked_;
    locked_.reset();
    if (!lock || !Handle()) return;
    const TimeValue now = Now();
    const Glance glance = glance_.At(app_.host(), now, onBreak() ? recorder_.breakStart() : 0, app_.settings(),
                                     app_.specialDays().entries());
    const AwaySpan away{glance.day.start, lock->at, now, lock->working,
                        present() && !onBreak() && logChanges_ == lock->logChanges};
    const std::optional<BreakOffer> offer = OfferAwayBreak(away, app_.reminders());
    if (!offer) return;
    const std::string question =
        win::FormatText(IDS_AWAY_AS_BREAK, ClockText(offer->start).c_str(), ClockText(offer->end).c_str(),
                        static_cast<int>((offer->end - offer->start) / 60));
    awayQuestionOpen_ = true;
    const int answer = win::ShowMessageBox(Handle(), question, MB_YESNO | MB_ICONQUESTION);
    awayQuestionOpen_ = false;
    // Asked again, as the day may have changed while the question waited.
    if (answer != IDYES || !Handle() || !present() || onBreak()) return;
    win::ShowOutcome(AppendRecord(app_.host(), LogRecord::Break(offer->start, offer->end)));
}

void MainDialog::CloseAwayQuestion() {
    if (!awayQuestionOpen_) return;
    if (HWND question = OwnedMessageBox(Handle())) PostMessageA(question, WM_COMMAND, IDNO, 0);
}

bool MainDialog::PaintMinimised() {
    if (!IsIconic(Handle())) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(Handle(), &paint);
    return true;
}

INT_PTR MainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TaskbarCreatedMessage() && message != 0) {
        tray_.Restore();
        return FALSE;
    }
    switch (message) {
    case WM_ENDSESSION:
        if (wParam) RunEndOfWorkSequence();
        return Result(Handle(), 0);
    case WM_POWERBROADCAST:
        if (app_.settings().powerEvents != 0)
            OnPowerEvent(wParam);
        else if (wParam == PBT_APMSUSPEND)
            NoteLeaving();
        else if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            OfferDaySplitOnReturn();
        return Result(Handle(), TRUE);
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_SESSION_LOCK) {
            NoteLeaving();
            NoteLock();
        }
        if (wParam == WTS_SESSION_UNLOCK) {
            OfferDaySplitOnReturn();
            OfferAwayAsBreak();
        }
        break;
    case WM_HORALO_QUIT_REQUEST:
        Result(Handle(), TRUE);
        QuitProgram();
        return TRUE;
    case WM_HORALO_TRAY_CALLBACK:
        OnTrayCallback(lParam);
        break;
    case WM_TIMER:
        if (wParam == HORALO_TIMER_MINUTE) {
            KeepLastSeen();
            CheckInput();
            RefreshGlance(true);
        } else if (onBreak()) {
            blinkPhase_ = SwapTrayIcon(blinkPhase_);
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & kSystemCommandMask) != IDM_ABOUT_BOX) break;
        RunAboutDialog();
        return TRUE;
    case WM_PAINT:
        if (PaintMinimised()) return TRUE;
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(icon_);
    case WM_DESTROY:
        RemovePropA(Handle(), kMainDialogProperty);
        WTSUnRegisterSessionNotification(Handle());
        RunEndOfWorkSequence();
        break;
    default:
        break;
    }
    return win::Dialog::WindowProc(message, wParam, lParam);
}

}  // namespace horalo
