#include "print/preview_bar.h"

#include "resource_ids.h"

namespace horalo {

PreviewBar::PreviewBar() : win::Dialog(IDD_PREVIEW_BAR) {}

INT_PTR PreviewBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (message == WM_COMMAND && id != IDOK && id != IDCANCEL) {
        SendMessageA(GetParent(Handle()), WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return win::Dialog::WindowProc(message, wParam, lParam);
}

void PreviewBar::OnCancel() { PostMessageA(GetParent(Handle()), WM_CLOSE, 0, 0); }

}  // namespace horalo
