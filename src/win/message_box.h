#pragma once
// Every message box of the program goes through here, so that tests can
// answer them instead of a user.
#include <windows.h>

#include <functional>
#include <string>

#include "core/outcome.h"

namespace horalo::win {

// MessageBoxA with the program's caption.
int ShowMessageBox(HWND owner, const std::string& text, UINT style);
int ShowMessageId(HWND owner, UINT stringId, UINT style);

// Tells what a core operation had to tell, when anything: its text (the
// library's text when it has none of its own) in its style, in a box
// without an owner window, as the program has always shown these. True when
// there was something to tell (for most operations: when they failed).
bool ShowOutcome(const Outcome& outcome);

// Receives every message instead of MessageBoxA and returns the button
// "pressed". An empty hook restores the real message box.
using MessageBoxHook = std::function<int(const std::string& text, UINT style)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace horalo::win
