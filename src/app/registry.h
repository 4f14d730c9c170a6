#pragma once
// The program's values under HKEY_CURRENT_USER: the settings record, the
// program folder and the autostart entry.
#include <windows.h>

#include <string>
#include <vector>

namespace horalo {

inline constexpr const char* kProgramKey = "Software\\Pellwick\\HORALO";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "PW Horalo";
inline constexpr const char* kSettingsValue = "SETTINGS";
inline constexpr const char* kPathValue = "Path";

// Missing (no key, no value) is told apart from unreadable, since only a
// value that was never there may be written over without asking.
enum class ValueRead { Read, Missing, Unreadable };

// Reads a value of the program key into the buffer. A binary value must fill
// the buffer exactly; a string value is accepted at any length that leaves
// room for its terminator, and is terminated. `size` becomes the bytes read.
ValueRead ReadRegistryValue(const char* name, void* buffer, DWORD& size);

// Reads a binary value of any length up to `most` bytes, for records that
// grow at their end from one version to the next.
ValueRead ReadRegistryBytes(const char* name, std::vector<unsigned char>& bytes, DWORD most);

// Creates or opens the program key and writes the value (REG_SZ when
// asString, else REG_BINARY). Only a failure to open the key is reported.
bool WriteRegistryValue(const char* name, const void* data, DWORD size, bool asString);

}  // namespace horalo
