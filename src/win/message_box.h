#pragma once
// Every message box of the program goes through here, so that tests can
// answer them instead of a user.
#include <windows.h>

#include <functional>
#include <string>

namespace horalo::win {

// MessageBoxA with the program's caption.
int ShowMessageBox(HWND owner, const std::string& text, UINT style);
int ShowMessageId(HWND owner, UINT stringId, UINT style);

// Receives every message instead of MessageBoxA and returns the button
// "pressed". An empty hook restores the real message box.
using MessageBoxHook = std::function<int(const std::string& text, UINT style)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace horalo::win
