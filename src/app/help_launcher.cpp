#include "app/help_launcher.h"

namespace horalo {
namespace {
constexpr const char* kControlClassKey = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr UINT kDisplayTopic = 0;
constexpr WORD kHtmlHelpAOrdinal = 14;

HMODULE LoadRegisteredControl() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kControlClassKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return nullptr;
    path[size < sizeof path ? size : sizeof path - 1] = '\0';
    char expanded[MAX_PATH] = {};
    if (type == REG_EXPAND_SZ && ExpandEnvironmentStringsA(path, expanded, sizeof expanded) > 0)
        return LoadLibraryA(expanded);
    return LoadLibraryA(path);
}
}  // namespace

HWND HelpControlLoader::operator()(HWND owner, const char* file, UINT command, DWORD_PTR data) {
    if (!module_ && !failed_) {
        ++loadAttempts_;
        module_ = LoadRegisteredControl();
        if (!module_) module_ = LoadLibraryA("hhctrl.ocx");
        if (!module_) {
            failed_ = true;
            return nullptr;
        }
    }
    if (failed_) return nullptr;
    if (!entry_) {
        entry_ = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(module_, MAKEINTRESOURCEA(kHtmlHelpAOrdinal))));
        if (!entry_) {
            failed_ = true;
            return nullptr;
        }
    }
    return entry_(owner, file, command, data);
}

HelpControlLoader& ProcessHelpControl() {
    static HelpControlLoader loader;
    return loader;
}

void ShowHelpTopic(const std::string& programFolder, const char* topic) {
    const std::string target = programFolder + topic;
    ProcessHelpControl()(nullptr, target.c_str(), kDisplayTopic, 0);
}

}  // namespace horalo
