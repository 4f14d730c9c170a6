#include "ui/main/main_dialog.h"

#include "app/recorder_app.h"
#include "app/settings_store.h"
#include "resource_ids.h"
#include "win/message_box.h"

namespace horalo {

MainDialog::MainDialog(RecorderApp& app) : win::Dialog(IDD_MAIN), app_(app) { app_.mainDialog = this; }

MainDialog::~MainDialog() {
    if (app_.mainDialog == this) app_.mainDialog = nullptr;
}

bool MainDialog::Append(const LogRecord& record) {
    LogFile file = OpenLogFile(app_.host(), "ab");
    if (!file) return false;
    return WriteRecord(app_.host(), record, file.get());
}

bool MainDialog::StartWork(bool /*loadSpecialEntries*/) {
    if (present_) return true;
    const TimeValue start = Now() - app_.settings.wayMinutes * 60;
    if (!Append(LogRecord::Of(LogRecordType::WorkStart, start))) return false;
    present_ = true;
    return true;
}

bool MainDialog::EndWork(bool /*saveSpecialEntries*/) {
    if (!present_) return true;
    const TimeValue end = Now() + app_.settings.wayMinutes * 60;
    if (!Append(LogRecord::Of(LogRecordType::WorkEnd, end))) return false;
    present_ = false;
    return true;
}

void MainDialog::UpdateButtons() {
    EnableWindow(Item(IDC_START_WORK), !onBreak_ && !present_);
    EnableWindow(Item(IDC_END_WORK), !onBreak_ && present_);
    EnableWindow(Item(IDC_BEGIN_BREAK), !onBreak_ && present_);
    EnableWindow(Item(IDC_END_BREAK), onBreak_ && present_);
}

bool MainDialog::OnInitDialog() {
    win::Dialog::OnInitDialog();
    SetPropA(Handle(), kMainDialogProperty, reinterpret_cast<HANDLE>(1));
    if (HICON icon = LoadIconA(app_.languageLibrary, MAKEINTRESOURCEA(IDI_MAIN))) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    SendMessageA(Item(IDC_NOTE_EDIT), EM_LIMITTEXT, 64, 0);
    OnCommand(IDC_START_WORK, [this] {
        StartWork(false);
        UpdateButtons();
    });
    OnCommand(IDC_END_WORK, [this] {
        EndWork(false);
        UpdateButtons();
    });
    OnCommand(IDC_HIDE, [this] { ShowWindow(Handle(), SW_HIDE); });
    UpdateButtons();
    return true;
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
    ApplyAutostartAndPath(app_.settings, ProgramPath());
    StoreSettings(app_.settings);
    EndWork(true);
}

INT_PTR MainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ENDSESSION:
        if (wParam) RunEndOfWorkSequence();
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_HORALO_QUIT_REQUEST:
        QuitProgram();
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, 1);
        return TRUE;
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
