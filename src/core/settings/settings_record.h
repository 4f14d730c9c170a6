#pragma once
// The user's settings: one fixed 180-byte little-endian record, stored byte
// for byte as the registry value SETTINGS.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace horalo {

constexpr std::size_t kSettingsRecordSize = 180;
constexpr std::size_t kFormTextSize = 64;  // bytes, NUL included
using SettingsBytes = std::array<std::uint8_t, kSettingsRecordSize>;

struct SettingsRecord {
    std::int32_t workHours = 0;      // offset 0
    std::int32_t workMinutes = 0;    // 4
    std::int32_t breakHours = 0;     // 8
    std::int32_t breakMinutes = 0;   // 12
    std::uint32_t number1 = 0;       // 16
    std::uint32_t number2 = 0;       // 20
    std::int32_t maxHours = 0;       // 24
    std::int32_t maxMinutes = 0;     // 28
    std::int32_t wayMinutes = 0;     // 32
    std::array<char, kFormTextSize> formText1{};  // 36
    std::array<char, kFormTextSize> formText2{};  // 100
    std::int32_t calendarOnTop = 0;  // 164
    std::int32_t autostart = 0;      // 168
    std::int32_t startHidden = 0;    // 172
    std::int32_t powerEvents = 0;    // 176

    bool operator==(const SettingsRecord&) const = default;
};

// The largest values the options dialog stores: its time pickers end at
// 23:59, its way time at 59 minutes. A decoded record is held to them.
inline constexpr std::int32_t kMaxSettingHours = 23;
inline constexpr std::int32_t kMaxSettingMinutes = 59;
inline constexpr std::uint32_t kMaxNumber1 = 999;
inline constexpr std::uint32_t kMaxNumber2 = 999999;

// The defaults of a first start: 7 h work, 45 min break, calendar on top,
// autostart on, everything else zero.
SettingsRecord DefaultSettings();

SettingsBytes EncodeSettings(const SettingsRecord& settings);
// What a working day asks, net of the breaks taken: the work time and the
// break allowance, in seconds.
long long RequiredNetSeconds(const SettingsRecord& settings);
// The daily maximum in the same measure (the allowance on top of it); 0
// while its hours are 0, which means no maximum.
long long MaximumNetSeconds(const SettingsRecord& settings);

// Accepts exactly 180 bytes; any other size is a record of another version.
// Numbers beyond the options dialog's ranges come back held to them; the
// flags and the form texts come back as stored.
std::optional<SettingsRecord> DecodeSettings(const std::uint8_t* data, std::size_t size);

// The text of a form-text field up to its NUL, at most 63 characters: a field
// without a NUL (from a damaged record) ends before its last byte.
std::string FormText(const std::array<char, kFormTextSize>& field);
// Stores at most 63 characters and a NUL; the bytes behind the NUL are zeroed.
void SetFormText(std::array<char, kFormTextSize>& field, const std::string& text);

}  // namespace horalo
