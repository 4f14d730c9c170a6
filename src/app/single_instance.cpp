#include "app/single_instance.h"

#include "resource_ids.h"

namespace horalo {
namespace {
// A recorder started a moment earlier may still be between its mutex and
// its window.
constexpr int kWindowWaitSteps = 50;
constexpr DWORD kWindowWaitStep = 100;  // ms

BOOL CALLBACK FindMainDialog(HWND window, LPARAM found) {
    if (!GetPropA(window, HORALO_MAIN_DIALOG_PROPERTY)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
}  // namespace

std::string InstanceMutexName() {
    char user[257] = {};
    DWORD size = sizeof user;
    if (!GetUserNameA(user, &size)) user[0] = '\0';
    return std::string("Local\\Horalo.Recorder.") + user;
}

SingleInstance::~SingleInstance() {
    if (mutex_) CloseHandle(mutex_);
}

bool SingleInstance::Acquire(const std::string& mutexName) {
    if (mutex_) return true;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, mutexName.c_str());
    const DWORD error = GetLastError();
    if (!mutex) return error != ERROR_ACCESS_DENIED;  // held by someone we may not open: taken
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

bool ShowRunningInstance() {
    for (int step = 0; step < kWindowWaitSteps; ++step) {
        HWND main = nullptr;
        EnumWindows(FindMainDialog, reinterpret_cast<LPARAM>(&main));
        if (main) {
            // The user started us, so we may hand the foreground on.
            DWORD processId = 0;
            GetWindowThreadProcessId(main, &processId);
            AllowSetForegroundWindow(processId);
            PostMessageA(main, WM_HORALO_TRAY_CALLBACK, HORALO_TRAY_ICON_ID, WM_RBUTTONDOWN);
            return true;
        }
        Sleep(kWindowWaitStep);
    }
    return false;
}

}  // namespace horalo
