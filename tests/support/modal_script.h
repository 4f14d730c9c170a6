// Drives a modal dialog that the code under test creates and runs itself:
// a thread timer fires inside the dialog's own message loop, finds the
// dialog by one of its controls and runs the test's script on it.
#pragma once
#include <windows.h>

#include <functional>

#include "win/window.h"

namespace horalo::test {

class ModalScript {
public:
    // The script runs once the dialog that has a control controlId is up.
    ModalScript(int controlId, std::function<void(HWND dialog)> script)
        : controlId_(controlId), script_(std::move(script)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, Tick);
        safety_ = SetTimer(nullptr, 0, 10000, Rescue);
    }
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        KillTimer(nullptr, safety_);
        current_ = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool Ran() const { return ran_; }
    // The script left the dialog open and it had to be cancelled.
    bool Rescued() const { return rescued_; }

private:
    static HWND FindDialog(int controlId) {
        return win::FindThreadWindow(
            [controlId](HWND window) { return IsWindowVisible(window) && GetDlgItem(window, controlId); });
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = current_;
        if (!self || self->ran_) return;
        HWND dialog = FindDialog(self->controlId_);
        if (!dialog) return;
        self->ran_ = true;
        KillTimer(nullptr, self->timer_);
        self->script_(dialog);
    }
    static void CALLBACK Rescue(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = current_;
        if (!self) return;
        HWND dialog = FindDialog(self->controlId_);
        if (!dialog) return;
        self->rescued_ = true;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }

    static inline ModalScript* current_ = nullptr;
    int controlId_;
    std::function<void(HWND)> script_;
    UINT_PTR timer_ = 0;
    UINT_PTR safety_ = 0;
    bool ran_ = false;
    bool rescued_ = false;
};

}  // namespace horalo::test
