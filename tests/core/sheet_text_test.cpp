#include "core/sheet/sheet_text.h"
#include "core/sheet/carried_balance_fields.h"

#include <gtest/gtest.h>

#include <climits>
#include <string_view>

#include "resource_ids.h"
#include "test_host.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

// Epoch seconds worked out by hand, not through the C library: 5 January
// 2001 07:05 UTC is 08:05 in Berlin's winter, 5 July 2001 06:05 UTC is 08:05
// in its summer.
constexpr std::int32_t kWinter0805 = 978678300;
constexpr std::int32_t kSummer0805 = 994313100;

Placeholder Day(char kind, int day) { return {kind, static_cast<char>('0' + day / 10), day}; }
Placeholder Month(char selector) { return {'O', selector, 0}; }

class SheetTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint;
        SetFormText(settings.formText1, std::string(63, 'x'));
        SetFormText(settings.formText2, "Abteilung 7");
        sheet.settings = &settings;
        sheet.month = 0;
        sheet.year = 2001;
        sheet.carriedBalance = -130;
        sheet.hoursDeducted = 2;
        sheet.absenceMark = "Abwesenheit";
        sheet.compensationMark = "Zeitausgleich";

        DayEvaluation& worked = At(5);
        worked.start = kWinter0805;
        worked.end = kWinter0805 + 8 * 3600 + 25 * 60;  // 16:30
        worked.presence = 27000;
        worked.breaks = 2700;
        worked.deficit = 1800;
        worked.balance = -5400;
        worked.hasStart = worked.hasEnd = true;
        worked.note = "not shown while there is a start";

        At(6).start = kSummer0805;
        At(7).balance = 1000 * 3600;
        At(10).compensation = At(10).hasStart = true;
        At(10).absence = true;  // the compensation mark goes first
        At(11).absence = true;
        At(11).note = "not shown on an absence";
        At(12).note = "Arzt, ganzer Tag und noch etwas mehr Text";

        sheet.evaluation.surplusTotal = 36000;
        sheet.evaluation.deficitTotal = 5400;
    }
    DayEvaluation& At(int day) { return sheet.evaluation.days[static_cast<std::size_t>(day - 1)]; }

    SettingsRecord settings = DefaultSettings();  // 7 h work, 45 min break
    TimeSheet sheet;
};

TEST_F(SheetTextTest, EveryPlaceholderDrawsItsValue) {
    const struct {
        Placeholder placeholder;
        const char* text;
    } cases[] = {
        {Day('C', 5), "  08:05"},
        {Day('C', 6), "  08:05"},  // summer time
        {Day('G', 5), "  16:30"},
        {Day('D', 5), "  07:30"},
        {Day('I', 5), "  00:45"},
        {Day('P', 5), ""},  // a surplus of 0
        {Day('N', 5), "  00:30"},
        {Day('T', 5), "- 01:30"},
        {Day('T', 7), " 1000:00"},
        {Day('S', 5), "07:45"},
        {Day('S', 6), ""},  // no start
        {Day('C', 10), "Zeitau"},  // the mark, as long as a time at most
        {Day('S', 10), "07:00"},
        {Day('C', 11), "Abwese"},
        {Day('C', 12), "Arzt, ganzer Tag und noch etwas mehr Text"},
        {Day('C', 13), ""},
        {Day('G', 31), ""},
        {Day('C', 0), ""},   // "00"
        {Day('C', 32), ""},  // "32": past the month's slots
        {Day('Q', 5), ""},
        {Day('O', 5), ""},   // the month kind with digits: no selector of its own
        {Month('I'), "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
        {Month('O'), "Abteilung 7"},
        {Month('M'), "01"},
        {Month('Y'), "2001"},
        {Month('P'), "  10:00"},
        {Month('N'), "  01:30"},
        {Month('S'), "  08:30"},
        {Month('V'), "- 01:30"},
        {Month('U'), "  02:00"},
        {Month('T'), "  05:00"},  // 36000 - 5400 - 5400 - 7200
        {Month('X'), ""},
        {Month('\0'), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '#' << c.placeholder.kind << " selector " << int{c.placeholder.selector}
                                        << " day " << c.placeholder.day);
        EXPECT_EQ(PlaceholderText(c.placeholder, sheet), c.text);
    }
}

TEST_F(SheetTextTest, WithoutSettingsTheirTextsAreEmpty) {
    sheet.settings = nullptr;
    for (const Placeholder& p : {Month('I'), Month('O'), Day('S', 5), Day('S', 10)})
        EXPECT_EQ(PlaceholderText(p, sheet), "") << p.kind << p.selector;
    EXPECT_EQ(PlaceholderText(Day('D', 5), sheet), "  07:30");
}

TEST_F(SheetTextTest, RequiredPresenceCarriesMinutesIntoHours) {
    settings.workHours = 7;
    settings.workMinutes = 30;
    settings.breakHours = 1;
    settings.breakMinutes = 45;
    EXPECT_EQ(PlaceholderText(Day('S', 5), sheet), "09:15");
    EXPECT_EQ(PlaceholderText(Day('S', 10), sheet), "07:30");
}

// The evaluation names the free days in all 31 slots, so a shorter month's
// last slots hold the next month's holidays and weekends; the sheet leaves
// every field of them blank and still draws the month's own last day.
TEST(SheetText, DaysPastTheMonthsEndDrawNothing) {
    ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint;
    const struct {
        int year, month1, length;
        int slot;          // a slot past the end that the evaluation fills, 0 none
        const char* left;  // the note it leaves there
    } cases[] = {
        {2026, 2, 28, 29, "Sunday"},   // 1 March 2026
        {2028, 2, 29, 31, "Holiday"},  // 2 March 2028, in a leap year
        {2026, 4, 30, 31, "Holiday"},  // 1 May 2026
        {2026, 3, 31, 0, nullptr},
    };
    test::TestHost host;
    host.texts[IDS_HOLIDAY_NOTE] = "Holiday";
    SpecialEntryList holidays;
    for (const auto& [month, day] : {std::pair{4, 1}, std::pair{2, 2}}) {
        SpecialEntry entry;
        entry.month = month;
        entry.day = static_cast<std::int16_t>(day);
        entry.holiday = true;
        holidays.Append(entry);
    }
    const StringList weekdays = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const SettingsRecord settings = DefaultSettings();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month1);
        const auto at = [&](int hour) { return test::LocalAt(c.year, c.month1 - 1, c.length, hour); };
        const DayEntry worked[] = {{0, DayEntryType::WorkStart, LogRecord::Of(LogRecordType::WorkStart, at(8)), {}},
                                   {0, DayEntryType::WorkEnd, LogRecord::Of(LogRecordType::WorkEnd, at(17)), {}}};
        TimeSheet sheet;
        sheet.year = c.year;
        sheet.month = c.month1 - 1;
        sheet.settings = &settings;
        const MonthEvaluationContext context{c.year, sheet.month, 0, settings, false, holidays, weekdays};
        ASSERT_TRUE(EvaluateMonth(host, worked, context, sheet.evaluation).value);
        DayEvaluation* days = sheet.evaluation.days.data();
        if (c.slot) {
            ASSERT_EQ(days[c.slot - 1].note, c.left);
        }
        // Whatever else a slot past the end might hold: a worked day with a note.
        for (int day = c.length + 1; day <= kMonthSlots; ++day)
            if (!days[day - 1].note) days[day - 1] = days[c.length - 1], days[day - 1].note = "note";

        EXPECT_EQ(PlaceholderText(Day('C', c.length), sheet), "  08:00");
        for (char kind : std::string_view("CGDIPNTS"))
            for (int day = c.length + 1; day <= kMonthSlots; ++day)
                EXPECT_EQ(PlaceholderText(Day(kind, day), sheet), "") << kind << day;
    }
}

TEST(SheetText, TimeFieldDurationsAndTimesOfDay) {
    ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint;
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, ""},
        {kWinter0805, "  08:05"},
        {0x80000000, "  04:14"},  // 19 January 2038 03:14:08 UTC: a time, not a negative duration
        {kWinter0805 + 59, "  08:05"},
        {4'000'001, "  08:06"},  // 16 February 1970 07:06:41 UTC: the first time of day
        {4'000'000, " 1111:06"},
        {-4'000'000, "-1111:06"},
        {27000, "  07:30"},
        {-5400, "- 01:30"},
        {360000, " 100:00"},
        {359999, "  99:59"},
        {3600000, " 1000:00"},
        {-30, "  00:00"},
        {-59, "  00:00"},
        {-60, "- 00:01"},
        {59, "  00:00"},
        {INT_MIN, "-596523:14"},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeField(c.value), c.text) << c.value;
}

TEST(SheetText, MonthFinalBalanceAndItsCarriedForm) {
    const struct {
        std::int32_t surplus, deficit, carried, deducted;
        std::int32_t finalSeconds, finalCarried;
    } cases[] = {
        {0, 0, 30, 1, -1800, -30},
        {0, 0, -130, 0, -5400, -130},
        {3600, 600, 15, 0, 3900, 105},
        {0, 0, 1230, 0, 45000, 1230},
        {0, 59, 0, 0, -59, 0},  // less than a minute carries nothing
        {7199, 0, -101, 3, -7261, -201},  // both parts of -101 are negative
    };
    for (const auto& c : cases) {
        TimeSheet sheet;
        sheet.evaluation.surplusTotal = c.surplus;
        sheet.evaluation.deficitTotal = c.deficit;
        sheet.carriedBalance = c.carried;
        sheet.hoursDeducted = c.deducted;
        const std::int32_t final = MonthFinalBalance(sheet);
        EXPECT_EQ(final, c.finalSeconds) << c.carried;
        EXPECT_EQ(CarriedBalanceOf(final), c.finalCarried) << c.carried;
    }
    EXPECT_EQ(CarriedSeconds(-130), -5400);
    EXPECT_EQ(CarriedSeconds(-30), -1800);
}

// The carried balance as two fields: the sign goes with the hours, so -0:30
// needs the text "-0"; a sign the user types in front is read either way.
TEST(CarriedBalanceFieldsTest, HoursTextAndMinutesJoinToTheSignedBalance) {
    struct Case {
        const char* hours;
        std::int32_t minutes, balance;
    };
    const Case cases[] = {
        {"1", 30, 130}, {"-1", 30, -130}, {"-0", 30, -30}, {"0", 30, 30}, {"+5", 0, 500},
        {" 12", 5, 1205}, {"abc", 30, 30}, {"", 7, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinCarriedBalance(c.hours, c.minutes), c.balance) << c.hours;
        if (c.balance != 30 && c.balance != 7 && c.hours[0] != '+' && c.hours[0] != ' ') {
            const CarriedBalanceFields fields = SplitCarriedBalance(c.balance);
            EXPECT_EQ(fields.hours, c.hours);
            EXPECT_EQ(fields.minutes, c.minutes);
        }
    }
}

}  // namespace
}  // namespace horalo
