#include "win/window_text.h"

#include <vector>

namespace horalo::win {

std::string WindowText(HWND window) {
    // The length may be an overestimate (code page conversion): trust the copy.
    std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1);
    const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? copied : 0);
}

}  // namespace horalo::win
