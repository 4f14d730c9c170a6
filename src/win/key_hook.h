#pragma once
// Keys a dialog takes for itself, whichever of its controls has the focus:
// an edit field or a list would otherwise use Page Up or an arrow key as
// its own. Statics are left alone; they never have the focus.
#include <windows.h>

#include <functional>

namespace horalo::win {

class KeyHook {
public:
    // `wanted` picks the keys; `pressed` gets them instead of the control.
    // The hook must outlive the dialog's controls, as a member of the dialog
    // object does.
    void Attach(HWND dialog, std::function<bool(WPARAM key)> wanted, std::function<void(WPARAM key)> pressed);

private:
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR hook);

    std::function<bool(WPARAM)> wanted_;
    std::function<void(WPARAM)> pressed_;
};

}  // namespace horalo::win
