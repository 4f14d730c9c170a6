#include "core/evaluation/month_evaluation.h"

#include <gtest/gtest.h>

#include <vector>

#include "resource_ids.h"
#include "test_host.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::LocalAt;
using test::TestHost;

constexpr std::int32_t kMinute = 60;
constexpr std::int32_t kHour = 3600;

DayEntry Entry(DayEntryType type, TimeValue time) {
    return {0, type, LogRecord::Of(static_cast<LogRecordType>(type), time), {}};
}
DayEntry Start(TimeValue time) { return Entry(DayEntryType::WorkStart, time); }
DayEntry End(TimeValue time) { return Entry(DayEntryType::WorkEnd, time); }
DayEntry Pause(TimeValue from, TimeValue to) { return {0, DayEntryType::Break, LogRecord::Break(from, to), {}}; }
DayEntry Note(TimeValue time, const std::string& text) {
    return {0, DayEntryType::Note, LogRecord::Note(time, text), {}};
}

class MonthEvaluationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint; }

    bool Evaluate(int year, int month, const std::vector<DayEntry>& entries, std::int32_t carried = 0,
                  bool warn = false) {
        const MonthEvaluationContext context{year, month - 1, carried, settings, warn, specialEntries, weekdayNames};
        const WithOutcome<bool> evaluated = EvaluateMonth(host, entries, context, out);
        told = evaluated.outcome;
        return evaluated.value;
    }
    const DayEvaluation& Day(int day) const { return out.days[static_cast<std::size_t>(day - 1)]; }

    // The default settings: 7 h work and 45 min break a weekday.
    SettingsRecord settings = DefaultSettings();
    SpecialEntryList specialEntries;
    StringList weekdayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    TestHost host;
    MonthEvaluation out;
    Outcome told;  // what the last evaluation had to tell
};

// Monday 2 March 2026; the Saturday of that week is 7 March.
std::vector<DayEntry> WorkingDay(int day) {
    return {Start(LocalAt(2026, 2, day, 8, 0, 30)), Pause(LocalAt(2026, 2, day, 12, 0, 0), LocalAt(2026, 2, day, 12, 30, 59)),
            End(LocalAt(2026, 2, day, 16, 45, 59))};
}

TEST_F(MonthEvaluationTest, WorkdaySurplusAgainstTheRequiredTime) {
    ASSERT_TRUE(Evaluate(2026, 3, WorkingDay(2)));
    const DayEvaluation& day = Day(2);
    EXPECT_EQ(day.start, LocalAt(2026, 2, 2, 8, 0));
    EXPECT_EQ(day.end, LocalAt(2026, 2, 2, 16, 45));
    EXPECT_EQ(day.presence, 8 * kHour + 45 * kMinute);
    EXPECT_EQ(day.breaks, 30 * kMinute);
    EXPECT_EQ(day.surplus, 30 * kMinute);
    EXPECT_EQ(day.deficit, 0);
    EXPECT_EQ(day.balance, 30 * kMinute);
    EXPECT_TRUE(day.hasStart);
    EXPECT_EQ(out.surplusTotal, 30 * kMinute);
    EXPECT_EQ(out.deficitTotal, 0);
    EXPECT_EQ(out.balance, 30 * kMinute);
    EXPECT_EQ(told, std::nullopt);
}

TEST_F(MonthEvaluationTest, WeekendDaysRequireNothing) {
    ASSERT_TRUE(Evaluate(2026, 3, WorkingDay(7)));
    EXPECT_EQ(Day(7).surplus, 8 * kHour + 15 * kMinute);
    EXPECT_EQ(out.balance, 8 * kHour + 15 * kMinute);
}

TEST_F(MonthEvaluationTest, DeficitsAndCarriedBalances) {
    // Two breaks of 10 and 20 minutes, and a short day after them.
    const std::vector<DayEntry> entries = {
        Start(LocalAt(2026, 2, 3, 9, 0)),
        Pause(LocalAt(2026, 2, 3, 10, 0), LocalAt(2026, 2, 3, 10, 10)),
        Pause(LocalAt(2026, 2, 3, 12, 20), LocalAt(2026, 2, 3, 12, 0)),  // given backwards
        End(LocalAt(2026, 2, 3, 15, 0)),
    };
    // -1 h 30 min carried in.
    ASSERT_TRUE(Evaluate(2026, 3, entries, -130));
    EXPECT_EQ(Day(3).breaks, 30 * kMinute);
    EXPECT_EQ(Day(3).deficit, 2 * kHour + 15 * kMinute);  // 5 h 30 min net against 7 h 45 min
    EXPECT_EQ(Day(3).surplus, 0);
    EXPECT_EQ(Day(3).balance, -(3 * kHour + 45 * kMinute));
    EXPECT_EQ(out.deficitTotal, 2 * kHour + 15 * kMinute);

    ASSERT_TRUE(Evaluate(2026, 3, {}, 250));
    EXPECT_EQ(out.balance, 2 * kHour + 50 * kMinute);
    EXPECT_EQ(out.deficitTotal, 0) << "evaluating again starts afresh";
}

TEST_F(MonthEvaluationTest, RuleBreaksStopTheEvaluationAndKeepWhatCameBefore) {
    std::vector<DayEntry> entries = WorkingDay(2);
    entries.push_back(End(LocalAt(2026, 2, 3, 17, 0)));  // no start that day
    entries.push_back(Start(LocalAt(2026, 2, 4, 8, 0)));
    EXPECT_FALSE(Evaluate(2026, 3, entries));
    EXPECT_EQ(Day(2).surplus, 30 * kMinute);
    EXPECT_EQ(out.balance, 30 * kMinute);
    EXPECT_FALSE(Day(4).hasStart) << "nothing after the break of the rules is taken";
    EXPECT_FALSE(Day(7).note.has_value()) << "no notes on a failed evaluation";

    const std::vector<std::vector<DayEntry>> broken = {
        {Start(LocalAt(2026, 2, 2, 8, 0)), Start(LocalAt(2026, 2, 2, 9, 0))},
        {Pause(LocalAt(2026, 2, 2, 8, 0), LocalAt(2026, 2, 2, 9, 0))},
        {Start(LocalAt(2026, 2, 2, 8, 0)), Entry(DayEntryType::AbsenceDay, LocalAt(2026, 2, 2, 9, 0))},
        {Entry(DayEntryType::CompensationDay, LocalAt(2026, 2, 2, 0, 0)), Start(LocalAt(2026, 2, 2, 8, 0))},
        {Entry(DayEntryType::UnreadableEntry, -5)},
        // A start and an end within the same minute: no presence.
        {Start(LocalAt(2026, 2, 2, 8, 0, 10)), End(LocalAt(2026, 2, 2, 8, 0, 50))},
    };
    for (std::size_t i = 0; i < broken.size(); ++i) EXPECT_FALSE(Evaluate(2026, 3, broken[i])) << i;
}

TEST_F(MonthEvaluationTest, CompensationDayTakesTheWorkTimeOffTheBalance) {
    ASSERT_TRUE(Evaluate(2026, 3, {Entry(DayEntryType::CompensationDay, LocalAt(2026, 2, 7, 0, 0))}, 800));
    EXPECT_TRUE(Day(7).compensation);
    EXPECT_TRUE(Day(7).hasStart);
    EXPECT_EQ(Day(7).deficit, 7 * kHour);
    EXPECT_EQ(Day(7).balance, kHour);
    EXPECT_EQ(out.deficitTotal, 7 * kHour);
    EXPECT_EQ(out.balance, kHour);
    EXPECT_FALSE(Day(7).note.has_value()) << "a compensation Saturday is no plain weekend day";

    // Ending such a day would count from 1970.
    EXPECT_FALSE(Evaluate(2026, 3, {Entry(DayEntryType::CompensationDay, LocalAt(2026, 2, 2, 0, 0)),
                                    End(LocalAt(2026, 2, 2, 17, 0))}));
    EXPECT_EQ(out.balance, -7 * kHour);
}

TEST_F(MonthEvaluationTest, DailyMaximumWarnsOnceWhenAsked) {
    settings.maxHours = 8;  // 8 h 45 min of presence without breaks
    const std::vector<DayEntry> exactly = {Start(LocalAt(2026, 2, 2, 8, 0)), End(LocalAt(2026, 2, 2, 16, 45))};
    ASSERT_TRUE(Evaluate(2026, 3, exactly, 0, true));
    EXPECT_EQ(told, std::nullopt);

    const std::vector<DayEntry> twoLongDays = {
        Start(LocalAt(2026, 2, 2, 8, 0)), End(LocalAt(2026, 2, 2, 16, 46)),
        Start(LocalAt(2026, 2, 3, 8, 0)), End(LocalAt(2026, 2, 3, 20, 0)),
    };
    ASSERT_TRUE(Evaluate(2026, 3, twoLongDays, 0, true));
    EXPECT_EQ(told, LibraryMessage(IDS_DAILY_MAXIMUM, kMessagePlain));

    ASSERT_TRUE(Evaluate(2026, 3, twoLongDays, 0, false));
    EXPECT_EQ(told, std::nullopt);
    settings.maxHours = 0;
    ASSERT_TRUE(Evaluate(2026, 3, twoLongDays, 0, true));
    EXPECT_EQ(told, std::nullopt);
}

TEST_F(MonthEvaluationTest, NotesOfTheDayAndForFreeDays) {
    host.texts[IDS_HOLIDAY_NOTE] = "Holiday";
    SpecialEntry labourDay;
    labourDay.month = 4;
    labourDay.day = 1;
    labourDay.holiday = 1;
    SpecialEntry marked = labourDay;
    marked.day = 30;
    marked.month = 3;
    marked.holiday = 0;
    specialEntries.Append(labourDay);
    specialEntries.Append(marked);

    // April 2026 has 30 days; slot 31 stands for Friday 1 May, a holiday.
    const std::vector<DayEntry> entries = {
        Note(LocalAt(2026, 3, 4, 9, 0), "first"), Note(LocalAt(2026, 3, 4, 10, 0), "moving house"),
        Start(LocalAt(2026, 3, 5, 10, 0)), End(LocalAt(2026, 3, 5, 11, 0)),
    };
    ASSERT_TRUE(Evaluate(2026, 4, entries));
    EXPECT_EQ(Day(4).note, "moving house");  // a Saturday with a note of its own
    EXPECT_FALSE(Day(5).note.has_value());   // a Sunday with work
    EXPECT_EQ(Day(11).note, "Saturday");
    EXPECT_EQ(Day(12).note, "Sunday");
    EXPECT_FALSE(Day(30).note.has_value()) << "a marked day without the holiday flag";
    EXPECT_EQ(Day(31).note, "Holiday");

    // September 2028: slot 31 is Sunday 1 October.
    ASSERT_TRUE(Evaluate(2028, 9, {}));
    EXPECT_EQ(Day(30).note, "Saturday");
    EXPECT_EQ(Day(31).note, "Sunday");

    // February 2026: slots 29 to 31 are Sunday 1 to Tuesday 3 March.
    ASSERT_TRUE(Evaluate(2026, 2, {}));
    EXPECT_EQ(Day(29).note, "Sunday");
    EXPECT_FALSE(Day(30).note.has_value());
    EXPECT_FALSE(Day(31).note.has_value());

    // A holiday on a Saturday is noted as a holiday; missing weekday names give no note.
    labourDay.month = 11;
    labourDay.day = 26;
    specialEntries.Append(labourDay);
    weekdayNames = {"Sun"};
    ASSERT_TRUE(Evaluate(2026, 12, {}));
    EXPECT_EQ(Day(26).note, "Holiday");
    EXPECT_EQ(Day(27).note, "Sun");
    EXPECT_FALSE(Day(19).note.has_value());
}

TEST_F(MonthEvaluationTest, DaylightSavingChangesLengthenAndShortenTheNight) {
    // Sunday 29 March 2026 loses an hour at 02:00; the day before ends in its own slot.
    ASSERT_TRUE(Evaluate(2026, 3, {Note(LocalAt(2026, 2, 28, 23, 30), "late"), Start(LocalAt(2026, 2, 29, 0, 30)),
                                   End(LocalAt(2026, 2, 29, 8, 30))}));
    EXPECT_EQ(Day(28).note, "late");
    EXPECT_EQ(Day(29).presence, 7 * kHour);
    EXPECT_EQ(Day(29).surplus, 7 * kHour);

    // Sunday 25 October 2026 gains one.
    ASSERT_TRUE(Evaluate(2026, 10, {Start(LocalAt(2026, 9, 25, 0, 30)), End(LocalAt(2026, 9, 25, 8, 30))}));
    EXPECT_EQ(Day(25).presence, 9 * kHour);
    EXPECT_EQ(Day(25).surplus, 9 * kHour);
}

}  // namespace
}  // namespace horalo
