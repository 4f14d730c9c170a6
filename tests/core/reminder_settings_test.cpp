#include "core/settings/reminder_settings.h"

#include <gtest/gtest.h>

namespace horalo {
namespace {

ReminderSettings Changed() {
    ReminderSettings s;
    s.requiredReached = true;
    s.maximumWarning = false;
    s.minutesBeforeMaximum = 30;
    s.atMaximum = false;
    s.breaks = false;
    s.firstBreak = {5 * 60 + 30, 20};
    s.secondBreak = {10 * 60, 60};
    s.awayAsBreak = true;
    s.awayMinimumMinutes = 5;
    return s;
}

Bytes Fields(std::initializer_list<std::uint32_t> values) {
    Bytes bytes;
    ByteWriter out(bytes);
    for (std::uint32_t value : values) out.U32(value);
    return bytes;
}

TEST(ReminderSettingsTest, RoundTripAndLayout) {
    const Bytes bytes = EncodeReminderSettings(Changed());
    EXPECT_EQ(bytes, Fields({1, 1, 0, 30, 0, 0, 330, 20, 600, 60, 1, 5}));
    EXPECT_EQ(DecodeReminderSettings(bytes), Changed());
}

TEST(ReminderSettingsTest, RecordsOfOtherSizesAndVersions) {
    const Bytes full = EncodeReminderSettings(Changed());
    ReminderSettings firstTwo;
    firstTwo.requiredReached = true;
    firstTwo.maximumWarning = false;
    Bytes later = full;
    ByteWriter(later).U32(77);  // a field added by a later program
    Bytes unknown = full;
    unknown[0] = 2;
    struct {
        const char* name;
        Bytes bytes;
        ReminderSettings expected;
    } cases[] = {
        {"missing", {}, {}},
        {"a version alone", Fields({1}), {}},
        {"an older, shorter record", Fields({1, 1, 0}), firstTwo},
        {"a field cut short keeps its default", Bytes(full.begin(), full.begin() + 14), firstTwo},
        {"a later, longer record", later, Changed()},
        {"an unknown version", unknown, {}},
        {"no version", Bytes(full.begin(), full.begin() + 3), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeReminderSettings(c.bytes), c.expected) << c.name;
}

TEST(ReminderSettingsTest, NumbersHeldToTheirRanges) {
    const ReminderSettings low = DecodeReminderSettings(Fields({1, 0, 1, 0, 1, 1, 0, 0xFFFFFFFF, 0, 0, 1, 0}));
    EXPECT_EQ(low.minutesBeforeMaximum, 1);
    EXPECT_EQ(low.firstBreak, (BreakRule{1, 1}));
    EXPECT_EQ(low.secondBreak, (BreakRule{1, 1}));
    EXPECT_EQ(low.awayMinimumMinutes, 1);
    const ReminderSettings high =
        DecodeReminderSettings(Fields({1, 2, 0, 999, 0, 0, 99999, 99999, 1440, 241, 0x100, 0x7FFFFFFF}));
    EXPECT_TRUE(high.requiredReached) << "any other than 0 is on";
    EXPECT_TRUE(high.awayAsBreak);
    EXPECT_EQ(high.minutesBeforeMaximum, kMaxMinutesBeforeMaximum);
    EXPECT_EQ(high.firstBreak, (BreakRule{kMaxRulePresenceMinutes, kMaxRuleBreakMinutes}));
    EXPECT_EQ(high.secondBreak, (BreakRule{kMaxRulePresenceMinutes, kMaxRuleBreakMinutes}));
    EXPECT_EQ(high.awayMinimumMinutes, kMaxAwayMinimumMinutes);
}

}  // namespace
}  // namespace horalo
