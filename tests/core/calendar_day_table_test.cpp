#include "core/calendar_days/calendar_day_table.h"
#include "core/calendar_days/year_days.h"

#include <gtest/gtest.h>

#include <chrono>

namespace horalo {
namespace {

namespace chr = std::chrono;

int DayOfYear(chr::sys_days day) {
    const chr::year_month_day date{day};
    return static_cast<int>((day - chr::sys_days{date.year() / 1 / 1}).count()) + 1;
}

chr::sys_days LastOnOrBefore(chr::sys_days day, chr::weekday weekday) {
    return day - (chr::weekday{day} - weekday);
}

SpecialEntry Rule(int month, int day, int ordinal, int weekday, int offset = 0) {
    SpecialEntry entry;
    entry.month = month;
    entry.day = static_cast<std::int16_t>(day);
    entry.ordinal = static_cast<std::int16_t>(ordinal);
    entry.weekday = weekday;
    entry.offset = static_cast<std::int16_t>(offset);
    entry.weekdayRule = ordinal != 0;
    return entry;
}

SpecialEntry FromEaster(int day, int offset = 0) {
    SpecialEntry entry = Rule(7, day, 0, 0, offset);  // the month is ignored
    entry.easter = 1;
    return entry;
}

TEST(SpecialDayTableEntryDay, RulesAgreeWithChronoFor1900To2100) {
    const chr::weekday monday = chr::Monday, wednesday = chr::Wednesday, sunday = chr::Sunday;
    for (int y = 1900; y <= 2100; ++y) {
        const YearInfo info = MakeYearInfo(y);
        const chr::year year{y};
        SCOPED_TRACE(y);
        EXPECT_EQ(SpecialEntryDay(Rule(4, 0, 1, 0), info), DayOfYear(year / chr::May / monday[1]));
        EXPECT_EQ(SpecialEntryDay(Rule(4, 0, 2, 6), info), DayOfYear(year / chr::May / sunday[2]));
        EXPECT_EQ(SpecialEntryDay(Rule(4, 31, -1, 0), info), DayOfYear(year / chr::May / monday[chr::last]));
        // The last Wednesday before 23 November.
        EXPECT_EQ(SpecialEntryDay(Rule(10, 22, -1, 2), info), DayOfYear(LastOnOrBefore(year / 11 / 22, wednesday)));
        // Four weeks before the last Sunday on or before 24 December, by the offset.
        EXPECT_EQ(SpecialEntryDay(Rule(11, 24, -1, 6, -28), info),
                  DayOfYear(LastOnOrBefore(year / 12 / 24, sunday) - chr::days{28}));
        EXPECT_EQ(SpecialEntryDay(Rule(11, 25, 0, 0), info), DayOfYear(year / chr::December / 25));
        EXPECT_EQ(SpecialEntryDay(FromEaster(1), info), info.easterDay + 1);
        EXPECT_EQ(SpecialEntryDay(FromEaster(-2), info), info.easterDay - 2);
        EXPECT_EQ(SpecialEntryDay(FromEaster(49, 1), info), info.easterDay + 50);
    }
}

TEST(SpecialDayTableEntryDay, Examples2026) {
    const YearInfo y2026 = MakeYearInfo(2026);
    EXPECT_EQ(SpecialEntryDay(Rule(4, 0, 1, 0), y2026), DayOfYear(chr::year{2026} / 5 / 4));
    EXPECT_EQ(SpecialEntryDay(Rule(4, 31, -1, 0), y2026), DayOfYear(chr::year{2026} / 5 / 25));
    EXPECT_EQ(SpecialEntryDay(FromEaster(1), y2026), DayOfYear(chr::year{2026} / 4 / 6));
    // A month out of range, as only a damaged file has it, stays in the table.
    EXPECT_EQ(SpecialEntryDay(Rule(12, 1, 0, 0), y2026), 1);
}

TEST(SpecialDayTableEntriesOnDay, FiltersHolidaysAndCapsTheCount) {
    SpecialEntryList list;
    SpecialEntry holiday = Rule(4, 1, 0, 0);  // 1 May
    holiday.holiday = 1;
    holiday.name = "Labour Day";
    SpecialEntry marked = Rule(3, 31, 0, 0);  // 31 April is 1 May
    marked.name = "Marked";
    marked.secondText = "second";
    list.Append(marked);
    list.Append(holiday);
    list.Append(Rule(4, 2, 0, 0));

    const YearInfo y2026 = MakeYearInfo(2026);
    const int firstOfMay = DayOfYear(chr::year{2026} / 5 / 1);
    const auto all = SpecialEntriesOnDay(list, y2026, firstOfMay, false);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]->name, "Marked");
    EXPECT_EQ(all[0]->secondText, "second");
    EXPECT_EQ(all[1]->name, "Labour Day");
    const auto holidays = SpecialEntriesOnDay(list, y2026, firstOfMay, true);
    ASSERT_EQ(holidays.size(), 1u);
    EXPECT_EQ(holidays[0]->name, "Labour Day");
    EXPECT_TRUE(SpecialEntriesOnDay(list, y2026, firstOfMay + 2, false).empty());

    for (int i = 0; i < 20; ++i) list.Append(holiday);
    EXPECT_EQ(SpecialEntriesOnDay(list, y2026, firstOfMay, false).size(), kMaxSpecialEntriesOnDay);
}

TEST(SpecialDayTable, OneSlotPerEntryInListOrder) {
    SpecialEntryList list;
    SpecialEntry christmas = Rule(11, 25, 0, 0);
    christmas.holiday = 1;
    list.Append(christmas);
    list.Append(FromEaster(0));

    SpecialDayTable table(5);
    FillSpecialDayTable(list, table, MakeYearInfo(2024));
    EXPECT_EQ(table, (SpecialDayTable{{360, 1}, {31 + 29 + 31, 0}}));  // leap year; Easter 31 March 2024
    FillSpecialDayTable(SpecialEntryList(), table, MakeYearInfo(2024));
    EXPECT_TRUE(table.empty());
}

// 2026: 1 January a Thursday (day 1), 3 January a Saturday, 4 January a Sunday.
TEST(YearDays, AHolidayIsNamedBeforeAWeekendAndTheFirstEntryColoursTheDay) {
    SpecialEntryList list;
    const auto add = [&list](int day, bool holiday, const char* name) {
        SpecialEntry entry = Rule(0, day, 0, 0);
        entry.holiday = holiday;
        entry.name = name;
        list.Append(entry);
    };
    add(1, true, "New Year");
    add(3, false, "Party");
    add(3, true, "Saturday holiday");
    add(5, false, "Marked only");
    const YearDays days(list, MakeYearInfo(2026));
    const struct {
        int dayOfYear, weekday;
        DayKind kind;
        const char* holiday;
        const char* first;
    } cases[] = {
        {1, 3, DayKind::Holiday, "New Year", "New Year"},
        {2, 4, DayKind::Working, nullptr, nullptr},
        {3, 5, DayKind::Holiday, "Saturday holiday", "Party"},
        {4, 6, DayKind::Sunday, nullptr, nullptr},
        {5, 0, DayKind::Working, nullptr, "Marked only"},
        {10, 5, DayKind::Saturday, nullptr, nullptr},
    };
    const auto name = [](const SpecialEntry* entry) { return entry ? entry->name->c_str() : nullptr; };
    for (const auto& c : cases) {
        const KindOfDay kind = days.Of(c.dayOfYear, c.weekday);
        EXPECT_EQ(kind.kind, c.kind) << c.dayOfYear;
        EXPECT_STREQ(name(kind.holiday), c.holiday) << c.dayOfYear;
        EXPECT_STREQ(name(kind.first), c.first) << c.dayOfYear;
    }
}

}  // namespace
}  // namespace horalo
