#pragma once
// The program's one message loop. Every open modeless dialog (the main
// dialog, the calendar, a frame's dialog bar) gets its keyboard handling
// from it, and the accelerators of the active frame are translated. Modal
// dialogs run their own loops while they are open.
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

}  // namespace horalo::win
