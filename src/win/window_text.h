#pragma once
#include <windows.h>

#include <string>

namespace horalo::win {

// The whole text of a window or control, however long.
std::string WindowText(HWND window);

}  // namespace horalo::win
