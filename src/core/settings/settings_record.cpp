#include "core/settings/settings_record.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

#include "core/io/byte_codec.h"

namespace horalo {
namespace {

// Calls number(offset, field) for every integer and text(offset, field) for
// both form texts, in file order. Encoder and decoder share this one list,
// so they cannot disagree about an offset.
template <typename Record, typename Number, typename Text>
void ForEachField(Record& r, Number number, Text text) {
    number(0, r.workHours);
    number(4, r.workMinutes);
    number(8, r.breakHours);
    number(12, r.breakMinutes);
    number(16, r.number1);
    number(20, r.number2);
    number(24, r.maxHours);
    number(28, r.maxMinutes);
    number(32, r.wayMinutes);
    text(36, r.formText1);
    text(100, r.formText2);
    number(164, r.calendarOnTop);
    number(168, r.autostart);
    number(172, r.startHidden);
    number(176, r.powerEvents);
}

template <typename Field>
void Hold(Field& field, std::type_identity_t<Field> largest) {
    field = std::clamp(field, Field{0}, largest);
}

// A record the dialog never wrote (damaged, or made by hand) may hold any
// number; the evaluation and the recorder sum these in 32 bits and would
// overflow, so they only ever see what the dialog could have stored.
void HoldToOptionRanges(SettingsRecord& s) {
    for (std::int32_t* hours : {&s.workHours, &s.breakHours, &s.maxHours}) Hold(*hours, kMaxSettingHours);
    for (std::int32_t* minutes : {&s.workMinutes, &s.breakMinutes, &s.maxMinutes, &s.wayMinutes})
        Hold(*minutes, kMaxSettingMinutes);
    Hold(s.number1, kMaxNumber1);
    Hold(s.number2, kMaxNumber2);
}

}  // namespace

SettingsRecord DefaultSettings() {
    SettingsRecord settings;  // every field, text bytes included, starts at zero
    settings.workHours = 7;
    settings.breakMinutes = 45;
    settings.calendarOnTop = 1;
    settings.autostart = 1;
    return settings;
}

SettingsBytes EncodeSettings(const SettingsRecord& settings) {
    SettingsBytes bytes{};
    ForEachField(
        settings,
        [&](std::size_t offset, auto value) {
            StoreU32(bytes.data() + offset, static_cast<std::uint32_t>(value));
        },
        // The whole field, not just the text: what stands behind the NUL is
        // kept as it was read.
        [&](std::size_t offset, const auto& field) {
            std::transform(field.begin(), field.end(), bytes.begin() + offset,
                           [](char c) { return static_cast<std::uint8_t>(c); });
        });
    return bytes;
}

std::optional<SettingsRecord> DecodeSettings(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size != kSettingsRecordSize) return std::nullopt;
    SettingsRecord settings;
    ForEachField(
        settings,
        [&](std::size_t offset, auto& field) {
            field = static_cast<std::remove_reference_t<decltype(field)>>(LoadU32(data + offset));
        },
        [&](std::size_t offset, auto& field) {
            std::transform(data + offset, data + offset + kFormTextSize, field.begin(),
                           [](std::uint8_t b) { return static_cast<char>(b); });
        });
    HoldToOptionRanges(settings);
    return settings;
}

std::string FormText(const std::array<char, kFormTextSize>& field) {
    // A record from elsewhere may lack the NUL; the last byte then still ends
    // the text, as it would have had we written the field ourselves.
    const auto end = std::find(field.begin(), field.end() - 1, '\0');
    return std::string(field.begin(), end);
}

void SetFormText(std::array<char, kFormTextSize>& field, const std::string& text) {
    const std::string_view stored(text.c_str());  // a NUL inside the text ends it
    field.fill('\0');
    std::copy_n(stored.begin(), std::min(stored.size(), kFormTextSize - 1), field.begin());
}

long long RequiredNetSeconds(const SettingsRecord& s) {
    return ((static_cast<long long>(s.workHours) + s.breakHours) * 60 + s.workMinutes + s.breakMinutes) * 60;
}

long long MaximumNetSeconds(const SettingsRecord& s) {
    if (s.maxHours == 0) return 0;
    return ((static_cast<long long>(s.maxHours) + s.breakHours) * 60 + s.maxMinutes + s.breakMinutes) * 60;
}

}  // namespace horalo
