#pragma once
// The program's one message loop. Every open modeless dialog (the main
// dialog, the calendar, a frame's dialog bar) gets its keyboard handling
// from it, and the accelerators of the active frame are translated. Modal
// dialogs run their own loops while they are open; a ModalLoopFilter lends
// those loops the same handling for the modeless windows.
#include <windows.h>

namespace horalo::win {

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// One step of the loop: true when the message was taken by a dialog's
// keyboard handling or a frame's accelerator, and must not be dispatched.
bool PreTranslate(MSG& message);

// Dialogs and frames register themselves; a window that goes is forgotten
// when it unregisters (at WM_NCDESTROY).
void RegisterModelessDialog(HWND dialog);
void UnregisterModelessDialog(HWND dialog);
// Accelerators translated while `frame` or a window inside it is active;
// nullptr forgets the frame.
void SetFrameAccelerators(HWND frame, HACCEL accelerators);

// While one exists, a dialog box's own loop (it asks its message filter
// before anything else) gives the messages of the modeless windows to
// PreTranslate, so Tab and Escape keep working in the calendar while a
// modal dialog of the program is open. Nests; user-interface thread only.
class ModalLoopFilter {
public:
    ModalLoopFilter();
    ~ModalLoopFilter();
    ModalLoopFilter(const ModalLoopFilter&) = delete;
    ModalLoopFilter& operator=(const ModalLoopFilter&) = delete;

private:
    bool outerInDialogMessage_;  // opened by a key that a dialog was handling
};

}  // namespace horalo::win
