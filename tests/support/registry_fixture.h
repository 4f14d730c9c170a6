#pragma once
// Helpers for tests that look at the program's registry values and files.
#include <windows.h>

#include <optional>
#include <string>

#include "app/registry.h"

namespace horalo::test {

inline void DeleteProgramValues() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kProgramKey);
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, kRunValue);
        RegCloseKey(run);
    }
}

struct RawValue {
    DWORD type = 0;
    std::string bytes;
};

inline std::optional<RawValue> ReadRawValue(const char* keyPath, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result = RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    // The reading side may see a terminator the writer did not send.
    if (value.type == REG_SZ && !value.bytes.empty() && value.bytes.back() == '\0') value.bytes.pop_back();
    return value;
}

inline bool ProgramKeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The program folder as the build lays it out (horalo.exe, the language
// library, horalo.spc), beside the test programs' folder; with its trailing
// backslash.
inline std::string TestProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "..\\program\\";
}

}  // namespace horalo::test
