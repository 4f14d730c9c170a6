#include "app/settings_store.h"

#include <windows.h>

#include <vector>

#include "app/registry.h"

namespace horalo {

ValueRead LoadSettings(SettingsRecord& settings) {
    SettingsBytes bytes{};
    DWORD size = static_cast<DWORD>(bytes.size());
    if (const ValueRead read = ReadRegistryValue(kSettingsValue, bytes.data(), size); read != ValueRead::Read)
        return read;
    const auto decoded = DecodeSettings(bytes.data(), size);
    if (!decoded) return ValueRead::Unreadable;
    settings = *decoded;
    return ValueRead::Read;
}

bool StoreSettings(const SettingsRecord& settings) {
    const SettingsBytes bytes = EncodeSettings(settings);
    return WriteRegistryValue(kSettingsValue, bytes.data(), static_cast<DWORD>(bytes.size()), false);
}

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool ApplyAutostartAndPath(const SettingsRecord& settings, const std::string& programPath) {
    HKEY run;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run, nullptr) ==
        ERROR_SUCCESS) {
        if (settings.autostart == 1) {
            // Quoted, so a folder with spaces stays one command.
            const std::string command = "\"" + programPath + "\"";
            RegSetValueExA(run, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.data()),
                           static_cast<DWORD>(command.size()));
        } else {
            RegDeleteValueA(run, kRunValue);
        }
        RegCloseKey(run);
    }
    const std::string folder = FolderOf(programPath);
    return WriteRegistryValue(kPathValue, folder.data(), static_cast<DWORD>(folder.size()), true);
}

std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string ReadProgramFolder() {
    char folder[MAX_PATH];
    DWORD size = sizeof folder;
    if (ReadRegistryValue(kPathValue, folder, size) != ValueRead::Read) return {};
    return std::string(folder, size);
}

}  // namespace horalo
