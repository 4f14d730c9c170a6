#include "cli/cli_settings.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "core/io/byte_block.h"
#include "core/io/file_layer.h"

namespace horalo::cli {
namespace {

// A Wine prefix's user.reg holds every program's settings and grows to a few
// megabytes at most; anything larger is no registry (nor a settings record),
// and is refused before it is read.
constexpr std::size_t kLargestRegistryFile = std::size_t{64} << 20;

// None when the file cannot be opened or read whole: a directory, say.
std::optional<std::string> ReadFile(const std::string& path) {
    const FileHandle file(Files().Open(path, "rb"));
    std::optional<ByteBlock> bytes = file ? ReadToEnd(file.get(), kLargestRegistryFile) : std::nullopt;
    if (!bytes) return std::nullopt;
    return std::string(bytes->data(), bytes->data() + bytes->size());
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string TrimEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
    return line;
}

}  // namespace

std::string DefaultWineRegistry() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return std::string(prefix) + "/user.reg";
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.wine/user.reg";
    return {};
}

std::optional<std::string> RegistrySettingsBytes(const std::string& regText, std::string& error) {
    std::istringstream in(regText);
    std::string line;
    bool inKey = false;
    while (std::getline(in, line)) {
        line = TrimEnd(line);
        if (!line.empty() && line.front() == '[') {
            // Wine writes the key's time of change behind the bracket.
            inKey = line.compare(0, sizeof kRegistryKey - 1, kRegistryKey) == 0;
            continue;
        }
        static const std::string kValue = "\"SETTINGS\"=hex:";
        if (!inKey || line.compare(0, kValue.size(), kValue) != 0) continue;
        std::string hex = line.substr(kValue.size());
        // Long values go on over lines that end in a backslash.
        while (!hex.empty() && hex.back() == '\\') {
            hex.pop_back();
            if (!std::getline(in, line)) break;
            hex += TrimEnd(line);
        }
        std::string bytes;
        std::string digits;
        for (const char c : hex + ",") {
            if (c == ' ' || c == '\t') continue;
            if (c != ',') {
                digits += c;
                continue;
            }
            if (digits.size() != 2 || HexDigit(digits[0]) < 0 || HexDigit(digits[1]) < 0) {
                error = "the value SETTINGS is not a list of hex bytes";
                return std::nullopt;
            }
            bytes += static_cast<char>(HexDigit(digits[0]) * 16 + HexDigit(digits[1]));
            digits.clear();
        }
        return bytes;
    }
    return std::nullopt;
}

std::optional<std::pair<int, int>> ParseHoursMinutes(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 3 || text.size() - colon != 3) return std::nullopt;
    int hours = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        hours = hours * 10 + (text[i] - '0');
    }
    if (HexDigit(text[colon + 1]) < 0 || text[colon + 1] > '5' || text[colon + 2] < '0' || text[colon + 2] > '9')
        return std::nullopt;
    return std::pair{hours, (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0')};
}

SettingsResult LoadSettings(const SettingsSource& source) {
    SettingsResult result;
    std::optional<std::string> bytes;
    const std::string where = source.file.value_or(source.wineRegistry);
    // Without a registry the defaults apply; one that is there but cannot be
    // read must not make them apply unnoticed.
    std::error_code unknown;
    if (source.file || (!where.empty() && std::filesystem::exists(where, unknown))) {
        const std::optional<std::string> text = ReadFile(where);
        if (!text) {
            result.error = where + ": cannot be read";
            return result;
        }
        bytes = source.file ? text : RegistrySettingsBytes(*text, result.error);
        if (!result.error.empty()) {
            result.error = where + ": " + result.error;
            return result;
        }
    }
    if (bytes) {
        result.settings = DecodeSettings(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
        if (!result.settings) {
            result.error = where + ": the settings hold " + std::to_string(bytes->size()) + " bytes, not " +
                           std::to_string(kSettingsRecordSize);
            return result;
        }
    } else {
        result.settings = DefaultSettings();
    }
    const struct {
        const std::optional<std::string>& text;
        std::int32_t& hours;
        std::int32_t& minutes;
        const char* option;
    } overrides[] = {
        {source.work, result.settings->workHours, result.settings->workMinutes, "--work"},
        {source.breakTime, result.settings->breakHours, result.settings->breakMinutes, "--break"},
        {source.maximum, result.settings->maxHours, result.settings->maxMinutes, "--max"},
    };
    for (const auto& o : overrides) {
        if (!o.text) continue;
        const auto value = ParseHoursMinutes(*o.text);
        if (!value) {
            result.error = std::string(o.option) + " wants hours:minutes such as 7:30, not \"" + *o.text + "\"";
            result.settings.reset();
            return result;
        }
        o.hours = value->first;
        o.minutes = value->second;
    }
    return result;
}

}  // namespace horalo::cli
