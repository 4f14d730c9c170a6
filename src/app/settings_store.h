#pragma once
// Loading and storing the settings record, the autostart entry and the
// program folder in the registry.
#include <string>

#include "app/registry.h"
#include "core/settings/settings_record.h"

namespace horalo {

// Leaves `settings` as they were unless the record was read; a record of
// another size or type is unreadable.
ValueRead LoadSettings(SettingsRecord& settings);
bool StoreSettings(const SettingsRecord& settings);

// Writes the Run value (the quoted program path) while autostart is 1 and
// deletes it otherwise, then writes Path, the program's folder with its
// trailing backslash. Returns the result of writing Path.
bool ApplyAutostartAndPath(const SettingsRecord& settings, const std::string& programPath);

// The full file name of the running program.
std::string ProgramPath();

// The program folder stored as Path; empty when it cannot be read, so files
// are then looked up relative to the current folder.
std::string ReadProgramFolder();

// Drive and folder of a full file name, with the trailing backslash.
std::string FolderOf(const std::string& path);

}  // namespace horalo
