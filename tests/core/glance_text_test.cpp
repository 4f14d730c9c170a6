#include "core/recorder/glance_text.h"

#include <gtest/gtest.h>

#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::LocalAt;

GlanceFormats Formats() {
    return {"Horalo", "Not started", "Present since %s", "Since %s, on a break since %s", "Worked %s to %s",
            "Day off", "Presence %s, breaks %s", "Required at %s", "Nothing required", "Maximum at %s",
            "Balance %s", " | "};
}

DayFigures Running(DayState state = DayState::Present) {
    return {state,         LocalAt(2026, 2, 3, 7, 5), LocalAt(2026, 2, 3, 15, 0), LocalAt(2026, 2, 3, 9, 0), 125 * 60,
            5 * 60,        true,                     LocalAt(2026, 2, 3, 14, 55), LocalAt(2026, 2, 3, 17, 55)};
}

TEST(GlanceTextTest, StatusLineByStateAndBalance) {
    ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint;
    DayFigures weekend = Running();
    weekend.workRequired = false, weekend.maximumReached = 0;
    const std::string day = " | Presence 02:05, breaks 00:05";
    struct {
        DayFigures figures;
        long long balance;
        std::string status;
    } cases[] = {
        {{}, -59, "Not started\nBalance +00:00"},  // seconds go before the sign is chosen
        {{DayState::DayOff}, -60, "Day off\nBalance -00:01"},
        {Running(), 100 * 3600 + 59,
         "Present since 07:05" + day + "\nRequired at 14:55 | Maximum at 17:55 | Balance +100:00"},
        {Running(DayState::OnBreak), 0,
         "Since 07:05, on a break since 09:00" + day + "\nRequired at 14:55 | Maximum at 17:55 | Balance +00:00"},
        {weekend, -(13 * 3600 + 7 * 60), "Present since 07:05" + day + "\nNothing required | Balance -13:07"},
        {Running(DayState::Ended), 0, "Worked 07:05 to 15:00" + day + "\nBalance +00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(GlanceStatus(c.figures, c.balance, Formats()), c.status);
}

// Translations run longer: whole lines go, the least needed first, and a
// line too long alone ends at a blank; the tooltip never passes its limit.
TEST(GlanceTextTest, TooltipKeepsToItsLimit) {
    EXPECT_EQ(GlanceTooltip(Running(), 0, Formats()),
              "Horalo\nPresent since 07:05\nPresence 02:05, breaks 00:05\nRequired at 14:55\nMaximum at 17:55\n"
              "Balance +00:00");
    const std::string pad(22, '.');
    GlanceFormats longer = Formats();
    for (std::string* format : {&longer.present, &longer.presence, &longer.requiredAt, &longer.maximumAt,
                                &longer.balance})
        *format += pad;
    EXPECT_EQ(GlanceTooltip(Running(), 0, longer),
              "Horalo\nPresent since 07:05" + pad + "\nRequired at 14:55" + pad + "\nBalance +00:00" + pad);

    GlanceFormats huge = Formats();
    huge.present = std::string(100, 'x') + " since %s " + std::string(100, 'y');
    EXPECT_EQ(GlanceTooltip(Running(), 0, huge), std::string(100, 'x') + " since 07:05");
    huge.present = std::string(200, 'z');
    EXPECT_EQ(GlanceTooltip(Running(), 0, huge).size(), kLongestTooltip);
}

}  // namespace
}  // namespace horalo
