#include "app/registry.h"

namespace horalo {

namespace {
ValueRead Failed(LONG result) { return result == ERROR_FILE_NOT_FOUND ? ValueRead::Missing : ValueRead::Unreadable; }
}  // namespace

ValueRead ReadRegistryValue(const char* name, void* buffer, DWORD& size) {
    HKEY key;
    if (const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key); opened != ERROR_SUCCESS)
        return Failed(opened);
    DWORD type = 0;
    DWORD got = size;
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, static_cast<BYTE*>(buffer), &got);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return Failed(result);
    if (type == REG_BINARY) {
        if (got != size) return ValueRead::Unreadable;
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        auto* text = static_cast<char*>(buffer);
        if (got > 0 && text[got - 1] == '\0') --got;
        if (got >= size) return ValueRead::Unreadable;  // no room left for the terminator
        text[got] = '\0';
    }
    size = got;
    return ValueRead::Read;
}

ValueRead ReadRegistryBytes(const char* name, std::vector<unsigned char>& bytes, DWORD most) {
    bytes.assign(most, 0);
    DWORD size = most;
    HKEY key;
    if (const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key); opened != ERROR_SUCCESS)
        return Failed(opened);
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        bytes.clear();
        return Failed(result);
    }
    bytes.resize(size);
    return type == REG_BINARY ? ValueRead::Read : ValueRead::Unreadable;
}

bool WriteRegistryValue(const char* name, const void* data, DWORD size, bool asString) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    RegSetValueExA(key, name, 0, asString ? REG_SZ : REG_BINARY, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return true;
}

}  // namespace horalo
