#include "win/clipboard.h"

namespace horalo::win {

bool PutTextOnClipboard(HWND owner, const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length) * sizeof(wchar_t));
    if (!memory) return false;
    auto* wide = static_cast<wchar_t*>(GlobalLock(memory));
    if (wide) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, length);
        GlobalUnlock(memory);
    }
    // Once given to the clipboard, the memory is the system's.
    if (!wide || !OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!put) GlobalFree(memory);
    return put;
}

}  // namespace horalo::win
