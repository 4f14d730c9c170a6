#pragma once
// Text onto the clipboard.
#include <windows.h>

#include <string>

namespace horalo::win {

// Replaces what the clipboard holds with the text, in the program's code
// page; as Unicode, so every program pastes it with its umlauts. False when
// the clipboard could not be had.
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace horalo::win
