#include "ui/main/static_link.h"

#include <commctrl.h>
#include <shellapi.h>

#include "win/window_text.h"

namespace horalo {
namespace {

CStaticLink::Opener& CurrentOpener() {
    static CStaticLink::Opener opener;
    return opener;
}

INT_PTR Open(const std::string& link) {
    if (const auto& opener = CurrentOpener()) return opener(link);
    HINSTANCE result = ShellExecuteA(nullptr, "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result);
}

}  // namespace

void CStaticLink::SetOpener(Opener opener) { CurrentOpener() = std::move(opener); }

CStaticLink::~CStaticLink() { Detach(); }

bool CStaticLink::Attach(HWND dialog, int controlId) {
    Detach();
    HWND control = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    if (!control) return false;
    if (!SetWindowSubclass(dialog, DialogHook, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    dialog_ = dialog;
    control_ = control;
    // Without it a static reports no clicks.
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    if (!(style & SS_NOTIFY)) SetWindowLongPtrA(control, GWL_STYLE, style | SS_NOTIFY);
    return true;
}

void CStaticLink::Detach() {
    // Unhooked first: the repaint below must not colour the control as a link.
    if (dialog_ && IsWindow(dialog_)) RemoveWindowSubclass(dialog_, DialogHook, reinterpret_cast<UINT_PTR>(this));
    // The control must not keep a font that goes with this object.
    if (font_ && IsWindow(control_) &&
        reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)) == font_)
        SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(originalFont_), TRUE);
    if (font_) DeleteObject(font_);
    font_ = nullptr;
    originalFont_ = nullptr;
    dialog_ = nullptr;
    control_ = nullptr;
}

LRESULT CALLBACK CStaticLink::DialogHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    auto* link = reinterpret_cast<CStaticLink*>(self);
    switch (message) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == link->control_ && HIWORD(wParam) == STN_CLICKED) {
            link->OnClick();
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == link->control_) {
            if (HBRUSH brush = link->OnColor(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_NCDESTROY:
        // The dialog's own handling may delete the object that holds this
        // link: let go before passing the message on, and touch nothing after.
        link->Detach();
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void CStaticLink::OnClick() {
    if (link_.empty()) link_ = win::WindowText(control_);
    HWND control = control_;
    if (Open(link_) > 32) {
        visited_ = 1;
        InvalidateRect(control, nullptr, TRUE);
    } else {
        MessageBeep(0);
    }
}

HBRUSH CStaticLink::OnColor(HDC dc) {
    const LONG_PTR style = GetWindowLongPtrA(control_, GWL_STYLE);
    if ((style & 0xFF) > SS_RIGHT) return nullptr;
    if (!font_) {
        originalFont_ = reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0));
        // A static without a font of its own draws with the system font.
        HFONT current = originalFont_ ? originalFont_ : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        LOGFONTA description{};
        if (GetObjectA(current, sizeof(description), &description) == sizeof(description)) {
            description.lfUnderline = TRUE;
            font_ = CreateFontIndirectA(&description);
        }
    }
    if (font_) {
        SelectObject(dc, font_);
        // Some statics select their own font only after asking for colours,
        // which would undo the selection above: give them ours as well.
        if (reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)) != font_)
            SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    SetTextColor(dc, visited_ ? visitedColor_ : unvisitedColor_);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace horalo
