#pragma once
// Where the tool takes the user's settings from: a file holding the raw
// record, the registry of the Wine prefix Horalo runs in, or the defaults.
#include <optional>
#include <string>

#include "core/settings/settings_record.h"

namespace horalo::cli {

// The registry key of the program as Wine writes it into user.reg.
inline constexpr char kRegistryKey[] = "[Software\\\\Pellwick\\\\HORALO]";

struct SettingsSource {
    std::optional<std::string> file;  // --settings
    std::string wineRegistry;         // user.reg to look in when there is no file
    std::optional<std::string> work, breakTime, maximum;  // "h:mm" overrides
};

struct SettingsResult {
    std::optional<SettingsRecord> settings;
    std::string error;  // when there are none: which file and why
};

// $WINEPREFIX/user.reg, or ~/.wine/user.reg when WINEPREFIX is not set;
// empty when neither variable is known.
std::string DefaultWineRegistry();

// The SETTINGS value of the program's key in a user.reg text; none when the
// key or the value is missing, error set when the value is malformed.
std::optional<std::string> RegistrySettingsBytes(const std::string& regText, std::string& error);

SettingsResult LoadSettings(const SettingsSource& source);

// "7:00", "0:45" into hours and minutes; none for anything else.
std::optional<std::pair<int, int>> ParseHoursMinutes(const std::string& text);

}  // namespace horalo::cli
