#include "core/recorder/glance_text.h"

#include <gtest/gtest.h>

#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::Berlin;
constexpr TimeValue kMinute = 60;

GlanceFormats Formats() {
    GlanceFormats f;
    f.title = "Horalo";
    f.notStarted = "Not started";
    f.present = "Present since %s";
    f.onBreak = "Since %s, on a break since %s";
    f.ended = "Worked %s to %s";
    f.dayOff = "Day off";
    f.presence = "Presence %s, breaks %s";
    f.requiredAt = "Required time at %s";
    f.nothingRequired = "Nothing required today";
    f.maximumAt = "Daily maximum at %s";
    f.balance = "Balance %s";
    f.separator = " | ";
    return f;
}

DayFigures Running() {
    DayFigures f;
    f.state = DayState::Present;
    f.start = Berlin(2026, 3, 3, 7, 5);
    f.presence = 125 * kMinute;
    f.breaks = 5 * kMinute;
    f.workRequired = true;
    f.requiredReached = Berlin(2026, 3, 3, 14, 55);
    f.maximumReached = Berlin(2026, 3, 3, 17, 55);
    return f;
}

TEST(GlanceTextTest, NumbersAsShown) {
    ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint;
    EXPECT_EQ(ClockText(Berlin(2026, 3, 29, 3, 4)), "03:04") << "after the change to summer time";
    EXPECT_EQ(DurationText(100 * 3600 + 59), "100:00");
    struct {
        long long seconds;
        const char* text;
    } balances[] = {{0, "+00:00"}, {-59, "+00:00"}, {-60, "-00:01"}, {-(13 * 3600 + 7 * 60), "-13:07"},
                    {3 * 3600 + 20 * 60 + 59, "+03:20"}};
    for (const auto& b : balances) EXPECT_EQ(BalanceText(b.seconds), b.text) << b.seconds;
}

TEST(GlanceTextTest, PartsByState) {
    DayFigures onBreak = Running();
    onBreak.state = DayState::OnBreak;
    onBreak.breakStart = Berlin(2026, 3, 3, 9, 0);
    DayFigures weekend = Running();
    weekend.workRequired = false;
    weekend.maximumReached = 0;
    DayFigures ended = Running();
    ended.state = DayState::Ended;
    ended.end = Berlin(2026, 3, 3, 15, 0);
    struct {
        DayFigures figures;
        const char* status;
    } cases[] = {
        {{}, "Not started | Balance -01:30"},
        {{DayState::DayOff}, "Day off | Balance -01:30"},
        {Running(),
         "Present since 07:05 | Presence 02:05, breaks 00:05 | Required time at 14:55 | Daily maximum at 17:55 | "
         "Balance -01:30"},
        {onBreak, "Since 07:05, on a break since 09:00 | Presence 02:05, breaks 00:05 | Required time at 14:55 | "
                  "Daily maximum at 17:55 | Balance -01:30"},
        {weekend, "Present since 07:05 | Presence 02:05, breaks 00:05 | Nothing required today | Balance -01:30"},
        {ended, "Worked 07:05 to 15:00 | Presence 02:05, breaks 00:05 | Balance -01:30"},
    };
    for (const auto& c : cases) EXPECT_EQ(GlanceStatus(c.figures, -90 * kMinute, Formats()), c.status);
    EXPECT_EQ(GlanceTooltip(Running(), 0, Formats()),
              "Horalo\nPresent since 07:05\nPresence 02:05, breaks 00:05\nRequired time at 14:55\n"
              "Daily maximum at 17:55\nBalance +00:00");
}

// Translations run longer: whole lines go, the least needed first, and a
// line too long alone ends at a blank; the tooltip never passes its limit.
TEST(GlanceTextTest, TooltipKeepsToItsLimit) {
    const std::string pad(20, '.');
    GlanceFormats longer = Formats();
    for (std::string* format : {&longer.present, &longer.presence, &longer.requiredAt, &longer.maximumAt,
                                &longer.balance})
        *format += pad;
    EXPECT_EQ(GlanceTooltip(Running(), 0, longer),
              "Horalo\nPresent since 07:05" + pad + "\nRequired time at 14:55" + pad + "\nBalance +00:00" + pad);

    GlanceFormats huge = Formats();
    huge.present = std::string(100, 'x') + " since %s " + std::string(100, 'y');
    const std::string tip = GlanceTooltip(Running(), 0, huge);
    EXPECT_EQ(tip, std::string(100, 'x') + " since 07:05");
    huge.present = std::string(200, 'z');
    EXPECT_EQ(GlanceTooltip(Running(), 0, huge).size(), kLongestTooltip);
}

}  // namespace
}  // namespace horalo
