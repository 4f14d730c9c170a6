#include "ui/main/main_dialog.h"

#include "app/help_launcher.h"
#include "app/recorder_app.h"
#include "app/settings_store.h"
#include "core/timelog/record_edits.h"
#include "resource_ids.h"
#include "ui/main/about_dialog.h"
#include "ui/main/options_dialog.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {
constexpr UINT kBlinkPeriod = 1000;  // ms
constexpr int kNoteLimit = 64;
constexpr int kNoteBuffer = 260;
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
}  // namespace

MainDialog::MainDialog(RecorderApp& app)
    : win::Dialog(IDD_MAIN), app_(app), icon_(LoadIconA(win::ResourceModule(), MAKEINTRESOURCEA(IDI_MAIN))) {
    app_.mainDialog = this;
}

MainDialog::~MainDialog() {
    if (app_.mainDialog == this) app_.mainDialog = nullptr;
}

bool MainDialog::StartWork(bool loadSpecialEntries) {
    if (loadSpecialEntries && !app_.LoadSpecialEntryList()) return false;
    if (present_) return true;
    const TimeValue start = Now() - app_.settings.wayMinutes * 60;
    if (!AppendRecord(app_.host(), LogRecord::Of(LogRecordType::WorkStart, start))) return false;
    present_ = true;
    return true;
}

bool MainDialog::EndWork(bool saveSpecialEntries) {
    bool done = true;
    if (present_) {
        const TimeValue end = Now() + app_.settings.wayMinutes * 60;
        if (AppendRecord(app_.host(), LogRecord::Of(LogRecordType::WorkEnd, end)))
            present_ = false;
        else
            done = false;
    }
    if (saveSpecialEntries && !app_.SaveSpecialEntryList()) done = false;
    return done;
}

// Only from present: a second begin would lose the first one's start, and
// a break without presence could never be ended by a button.
void MainDialog::BeginBreak() {
    if (!present_ || onBreak_) return;
    breakStart_ = Now();
    onBreak_ = true;
    UpdateButtons();
}

// A failed append keeps the break running, so it can be ended again and
// its start is not lost.
void MainDialog::EndBreak() {
    if (!onBreak_) return;
    breakEnd_ = Now();
    if (!AppendRecord(app_.host(), LogRecord::Break(breakStart_, breakEnd_))) return;
    onBreak_ = false;
    UpdateButtons();
    SwapTrayIcon(1);
}

void MainDialog::AddNote() {
    char text[kNoteBuffer] = {};
    GetDlgItemTextA(Handle(), IDC_NOTE_EDIT, text, kNoteBuffer);
    const TimeValue now = Now();
    if (text[0] != '\0') AppendRecord(app_.host(), LogRecord::Note(now, text));
    SetDlgItemTextA(Handle(), IDC_NOTE_EDIT, "");
}

void MainDialog::UpdateButtons() {
    // Disabling the focused button drops the focus and leaves the keyboard
    // dead; the note field takes it instead.
    HWND focus = GetFocus();
    EnableWindow(Item(IDC_START_WORK), !onBreak_ && !present_);
    EnableWindow(Item(IDC_END_WORK), !onBreak_ && present_);
    EnableWindow(Item(IDC_BEGIN_BREAK), !onBreak_ && present_);
    EnableWindow(Item(IDC_END_BREAK), onBreak_ && present_);
    if (focus && GetParent(focus) == Handle() && !IsWindowEnabled(focus))
        SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_NOTE_EDIT)), TRUE);
}

// Phase 0 shows the break icon next, any other the normal one; the result
// is the phase for the next swap.
int MainDialog::SwapTrayIcon(int phase) {
    tray_.Show(phase != 0 ? IDI_TRAY : IDI_TRAY_BREAK, onBreak_ ? IDS_TIP_BREAK : IDS_TIP_PRESENT);
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
    tray_.Add(IDI_TRAY, onBreak_ ? IDS_TIP_BREAK : IDS_TIP_PRESENT);
    SetTimer(Handle(), HORALO_TIMER_BLINK, kBlinkPeriod, nullptr);
    BindCommands();
    UpdateButtons();
    // Not the first button: Enter or Space on End work would end the day.
    SetFocus(Item(IDC_NOTE_EDIT));
    return false;
}

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
    OnCommand(IDC_OPTIONS, [this] { RunOptionsDialog(app_.settings); });
    OnCommand(IDC_HELP_INDEX, [] { ShowHelpTopic(ReadProgramFolder(), kHelpIndexTopic); });
    OnCommand(IDC_HELP_MAIN, [] { ShowHelpTopic(ReadProgramFolder(), kHelpMainTopic); });
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

void MainDialog::QuitProgram() {
    PostQuitMessage(0);
    DestroyWindow(Handle());
}

void MainDialog::RunEndOfWorkSequence() {
    if (workEnded_) return;
    workEnded_ = true;
    KillTimer(Handle(), HORALO_TIMER_BLINK);
    ApplyAutostartAndPath(app_.settings, app_.programPath);
    StoreSettings(app_.settings);
    tray_.Remove();
    if (onBreak_) EndBreak();
    EndWork(true);
    app_.FreeSpecialDayTable();
}

void MainDialog::OnTrayCallback(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        if (!onBreak_) return;
        EndBreak();
        blinkPhase_ = 0;
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
    }
}

void MainDialog::OnPowerEvent(WPARAM event) {
    if (event == PBT_APMSUSPEND) {
        if (onBreak_) EndBreak();
        EndWork(false);
        UpdateButtons();
    } else if (event == PBT_APMRESUMESUSPEND) {
        StartWork(false);
        UpdateButtons();
    }
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
        if (app_.settings.powerEvents != 0) OnPowerEvent(wParam);
        return Result(Handle(), TRUE);
    case WM_HORALO_QUIT_REQUEST:
        Result(Handle(), TRUE);
        QuitProgram();
        return TRUE;
    case WM_HORALO_TRAY_CALLBACK:
        OnTrayCallback(lParam);
        break;
    case WM_TIMER:
        if (onBreak_) blinkPhase_ = SwapTrayIcon(blinkPhase_);
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
        RunEndOfWorkSequence();
        break;
    default:
        break;
    }
    return win::Dialog::WindowProc(message, wParam, lParam);
}

}  // namespace horalo
