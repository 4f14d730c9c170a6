#include "core/settings/reminder_settings.h"

#include <algorithm>

namespace horalo {
namespace {

// Calls flag(field) and number(field, least, most) for every field in the
// order of the layout; encoder and decoder share it, so they cannot
// disagree about the order.
template <typename Record, typename Flag, typename Number>
void ForEachField(Record& r, Flag flag, Number number) {
    flag(r.requiredReached);
    flag(r.maximumWarning);
    number(r.minutesBeforeMaximum, 1, kMaxMinutesBeforeMaximum);
    flag(r.atMaximum);
    flag(r.breaks);
    number(r.firstBreak.presenceMinutes, 1, kMaxRulePresenceMinutes);
    number(r.firstBreak.breakMinutes, 1, kMaxRuleBreakMinutes);
    number(r.secondBreak.presenceMinutes, 1, kMaxRulePresenceMinutes);
    number(r.secondBreak.breakMinutes, 1, kMaxRuleBreakMinutes);
    flag(r.awayAsBreak);
    number(r.awayMinimumMinutes, 1, kMaxAwayMinimumMinutes);
}

}  // namespace

Bytes EncodeReminderSettings(const ReminderSettings& settings) {
    Bytes bytes;
    ByteWriter out(bytes);
    out.U32(kReminderSettingsVersion);
    ForEachField(
        settings, [&](bool flag) { out.U32(flag ? 1 : 0); },
        [&](std::int32_t number, std::int32_t, std::int32_t) { out.I32(number); });
    return bytes;
}

ReminderSettings DecodeReminderSettings(ByteSpan bytes) {
    ReminderSettings settings;
    ByteReader in(bytes);
    if (!in.Has(4) || in.U32() != kReminderSettingsVersion) return settings;
    // A field the end cuts short keeps its default rather than the zeros
    // the reader would fill in.
    ForEachField(
        settings,
        [&](bool& flag) {
            if (in.Has(4)) flag = in.U32() != 0;
        },
        [&](std::int32_t& number, std::int32_t least, std::int32_t most) {
            if (in.Has(4)) number = std::clamp(in.I32(), least, most);
        });
    return settings;
}

}  // namespace horalo
