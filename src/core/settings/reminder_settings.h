#pragma once
// Which reminders the user wants and when: a small record of its own, in a
// registry value beside the settings record, which keeps its size and
// layout.
#include <cstdint>

#include "core/io/byte_codec.h"

namespace horalo {

// A presence after which breaks of at least some length are due.
struct BreakRule {
    std::int32_t presenceMinutes = 0;
    std::int32_t breakMinutes = 0;
    bool operator==(const BreakRule&) const = default;
};

struct ReminderSettings {
    bool requiredReached = false;          // the day's required time is reached
    bool maximumWarning = true;            // only where the settings set a daily maximum
    std::int32_t minutesBeforeMaximum = 15;
    bool atMaximum = true;                 // a second warning at the maximum itself
    bool breaks = true;
    BreakRule firstBreak{6 * 60, 30};
    BreakRule secondBreak{9 * 60, 45};
    bool awayAsBreak = false;              // offer a locked screen's time as a break
    std::int32_t awayMinimumMinutes = 15;
    bool operator==(const ReminderSettings&) const = default;
};

// The ranges a record is held to, whatever it holds: a reminder before the
// maximum by up to two hours, rules within a day, breaks and away times up
// to four hours.
inline constexpr std::int32_t kMaxMinutesBeforeMaximum = 120;
inline constexpr std::int32_t kMaxRulePresenceMinutes = 23 * 60 + 59;
inline constexpr std::int32_t kMaxRuleBreakMinutes = 4 * 60;
inline constexpr std::int32_t kMaxAwayMinimumMinutes = 4 * 60;

// Layout: unsigned 32-bit little-endian fields, the version (1) first, then
// the fields of ReminderSettings in the order declared, a flag as 0 or 1,
// a rule as its two numbers.
//
// Fields are only ever added at the end, under the same version: a shorter
// record, from before a field was added, reads what it has and the defaults
// for the rest, and a longer one, from a later program, reads the fields
// known here. A field that changes its meaning takes a new version; a
// version unknown here reads as the defaults, since none of its fields can
// be trusted. A missing value (no bytes) reads as the defaults.
inline constexpr std::uint32_t kReminderSettingsVersion = 1;

Bytes EncodeReminderSettings(const ReminderSettings& settings);
ReminderSettings DecodeReminderSettings(ByteSpan bytes);

}  // namespace horalo
