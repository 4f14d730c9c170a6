#include "core/settings/reminder_settings.h"

#include <gtest/gtest.h>

namespace horalo {
namespace {

Bytes Fields(std::initializer_list<std::uint32_t> values) {
    Bytes bytes;
    for (std::uint32_t value : values) ByteWriter(bytes).U32(value);
    return bytes;
}

TEST(ReminderSettingsTest, RecordsOfEverySizeAndVersion) {
    const ReminderSettings changed{true, false, 30, false, false, {330, 20}, {600, 60}, true, 5};
    const Bytes full = Fields({1, 1, 0, 30, 0, 0, 330, 20, 600, 60, 1, 5});
    EXPECT_EQ(EncodeReminderSettings(changed), full);
    ReminderSettings firstTwo;
    firstTwo.requiredReached = true, firstTwo.maximumWarning = false;
    Bytes later = full, unknown = full;
    ByteWriter(later).U32(77);  // a field added by a later program
    unknown[0] = 2;
    struct {
        const char* name;
        Bytes bytes;
        ReminderSettings expected;
    } cases[] = {
        {"whole", full, changed},
        {"missing", {}, {}},
        {"no version", Bytes(full.begin(), full.begin() + 3), {}},
        {"an older, shorter record", Fields({1, 1, 0}), firstTwo},
        {"a field cut short keeps its default", Bytes(full.begin(), full.begin() + 14), firstTwo},
        {"a later, longer record", later, changed},
        {"an unknown version", unknown, {}},
        {"numbers held to their ranges, any flag but 0 on",
         Fields({1, 7, 1, 999, 1, 1, 0, 0xFFFFFFFF, 99999, 241, 0x100, 0x7FFFFFFF}),
         {true, true, kMaxMinutesBeforeMaximum, true, true, {1, 1}, {kMaxRulePresenceMinutes, kMaxRuleBreakMinutes},
          true, kMaxAwayMinimumMinutes}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeReminderSettings(c.bytes), c.expected) << c.name;
}

}  // namespace
}  // namespace horalo
