#include "win/resources.h"

#include <commctrl.h>

#include <cstdarg>
#include <vector>

#include "core/text/format_text.h"

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
    va_list args;
    va_start(args, id);
    std::string text = FormatStringV(format.c_str(), args);
    va_end(args);
    return text;
}

ByteSpan ResourceBytes(HMODULE module, const char* name, const char* type) {
    HRSRC resource = FindResourceA(module, name, type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)};
}

}  // namespace horalo::win
