#include "win/resources.h"

#include <commctrl.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace horalo::win {
namespace {

HINSTANCE g_resourceModule = nullptr;

// A string resource holds at most 65535 characters.
constexpr int kLongestString = 65535;

}  // namespace

void InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES |
                                                          ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)done;
}

void SetResourceModule(HINSTANCE module) {
    InitCommonControlsOnce();
    g_resourceModule = module;
}

HINSTANCE ResourceModule() { return g_resourceModule; }

std::string LoadText(UINT id) {
    // LoadStringA truncates silently, so grow the buffer until the text fits.
    for (int size = 256;; size *= 2) {
        std::vector<char> buffer(size);
        const int length = LoadStringA(g_resourceModule, id, buffer.data(), size);
        if (length < size - 1 || size > kLongestString) return std::string(buffer.data(), length > 0 ? length : 0);
    }
}

std::string FormatText(UINT id, ...) {
    const std::string format = LoadText(id);
    if (format.empty()) return {};
    std::vector<char> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, id);
        const int length = std::vsnprintf(buffer.data(), buffer.size(), format.c_str(), args);
        va_end(args);
        if (length >= 0 && static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
        // C99 reports the length needed; older runtimes only report failure.
        buffer.resize(length >= 0 ? static_cast<std::size_t>(length) + 1 : buffer.size() * 2);
        if (length < 0 && buffer.size() > (1u << 24)) return {};
    }
}

}  // namespace horalo::win
