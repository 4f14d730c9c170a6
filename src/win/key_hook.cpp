#include "win/key_hook.h"

#include <commctrl.h>

#include "win/window_lifetime.h"

namespace horalo::win {
namespace {
constexpr UINT_PTR kKeySubclass = 1;
}  // namespace

void KeyHook::Attach(HWND dialog, std::function<bool(WPARAM)> wanted, std::function<void(WPARAM)> pressed) {
    wanted_ = std::move(wanted);
    pressed_ = std::move(pressed);
    EnumChildWindows(
        dialog,
        [](HWND control, LPARAM hook) -> BOOL {
            if (!(SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_STATIC))
                SetWindowSubclass(control, ControlProc, kKeySubclass, static_cast<DWORD_PTR>(hook));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

LRESULT CALLBACK KeyHook::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
    auto* hook = reinterpret_cast<KeyHook*>(data);
    switch (message) {
    case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && hook->wanted_(key->wParam))
            return DefSubclassProc(control, message, wParam, lParam) | DLGC_WANTMESSAGE;
        break;
    }
    case WM_KEYDOWN:
        if (hook->wanted_(wParam)) {
            CatchAll(
                [&] {
                    hook->pressed_(wParam);
                    return 0;
                },
                [] { return 0; });
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, ControlProc, kKeySubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace horalo::win
