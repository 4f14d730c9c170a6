#include "core/browser/month_rows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <utility>

#include "resource_ids.h"
#include "test_host.h"
#include "time_log_test_files.h"

namespace horalo {

void PrintTo(const MonthRow& row, std::ostream* os) {
    *os << "{kind " << static_cast<int>(row.kind) << (row.flagged ? " flagged" : "") << ", problem " << row.problem
        << ", at " << row.position;
    for (const std::string& text : row.texts) *os << ", \"" << text << '"';
    *os << "}";
}

namespace {

namespace chr = std::chrono;
using test::LocalAt;

const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

DayEntry Entry(DayEntryType type, TimeValue time) {
    return {0, type, LogRecord::Of(static_cast<LogRecordType>(type), time), {}};
}
DayEntry Start(TimeValue time) { return Entry(DayEntryType::WorkStart, time); }
DayEntry End(TimeValue time) { return Entry(DayEntryType::WorkEnd, time); }
DayEntry Absence(TimeValue time) { return Entry(DayEntryType::AbsenceDay, time); }
DayEntry Compensation(TimeValue time) { return Entry(DayEntryType::CompensationDay, time); }
DayEntry Note(TimeValue time) { return {0, DayEntryType::Note, LogRecord::Note(time, ""), {}}; }
DayEntry Pause(TimeValue from, TimeValue to) { return {0, DayEntryType::Break, LogRecord::Break(from, to), {}}; }
// As the log reader hands on a record whose time the C library cannot
// convert: the record keeps its own type and time.
DayEntry Unreadable() {
    return {0, DayEntryType::UnreadableEntry, LogRecord::Of(LogRecordType::Break, kLatestLogTime), {}};
}

TimeValue March(int day, int hour, int minute = 0, int second = 0) { return LocalAt(2026, 2, day, hour, minute, second); }

std::string DateText(chr::year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}
unsigned Weekday(chr::year_month_day date) { return chr::weekday{chr::sys_days{date}}.c_encoding(); }

// What the calendar says the filler of a day must show.
MonthRow ExpectedFiller(chr::year_month_day date, const char* holiday) {
    MonthRow row{{kWeekdays[Weekday(date)], DateText(date), "", "", "", ""}, RowKind::Problem, false, -1};
    row.day = static_cast<int>(static_cast<unsigned>(date.day()));
    if (holiday) {
        row.kind = RowKind::Holiday;
        row.texts[5] = holiday;
    } else if (Weekday(date) == 0) {
        row.kind = RowKind::Sunday;
    } else if (Weekday(date) == 6) {
        row.kind = RowKind::Saturday;
    } else {
        row.flagged = true;
        row.problem = 5;
        row.texts[5] = "G5";
    }
    return row;
}

SpecialEntry Fixed(int month1, int day, bool holiday, const char* name) {
    SpecialEntry entry;
    entry.month = month1 - 1;
    entry.day = static_cast<std::int16_t>(day);
    entry.holiday = holiday;
    entry.name = name;
    return entry;
}

class MonthRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::InBerlinTime()) << test::kBerlinTimeHint;
        host.texts = {{IDS_WEEKDAY_NAMES, "Sun\nMon\nTue\nWed\nThu\nFri\nSat"},
                      {IDS_PROBLEM_CODE, "P%d"},
                      {IDS_PROBLEM_CODE_2, "G%d"}};
        strings = RowStrings::Load(host);
        for (const SpecialEntry& entry : {Fixed(1, 1, true, "New Year"), Fixed(1, 1, true, "Second name"),
                                          Fixed(1, 2, false, "Office party"), Fixed(1, 3, true, "Twelfth Eve"),
                                          Fixed(5, 1, true, "Labour Day")})
            specialDays.Append(entry);
    }

    // Positions 100, 101, ... in list order.
    std::vector<MonthRow> Build(std::vector<DayEntry> entries, int year = 2026) {
        for (std::size_t i = 0; i < entries.size(); ++i) entries[i].position = static_cast<RecordPosition>(100 + i);
        return BuildMonthRows(entries, MakeYearInfo(year), specialDays, settings, strings, kNow);
    }
    static std::vector<MonthRow> RecordRows(const std::vector<MonthRow>& rows) {
        std::vector<MonthRow> records;
        for (const MonthRow& row : rows)
            if (row.position != -1) records.push_back(row);
        return records;
    }

    const TimeValue kNow = March(10, 9, 15);  // a Tuesday
    test::TestHost host;
    RowStrings strings;
    SpecialEntryList specialDays;
    SettingsRecord settings = DefaultSettings();  // 7:00 work, 0:45 break
};

TEST_F(MonthRowsTest, EveryDayUpToTheLastRecordShowsOnceAndFillersFollowTheCalendar) {
    struct Time {
        int day, hour, minute;
    };
    struct Case {
        const char* label;
        int year;
        unsigned month;
        std::vector<Time> records;
    };
    const std::map<std::pair<unsigned, unsigned>, const char*> holidays = {
        {{1, 1}, "New Year"}, {{1, 3}, "Twelfth Eve"}, {{5, 1}, "Labour Day"}};
    const Case cases[] = {
        {"Sunday, then working days before the first record", 2026, 3, {{4, 8, 0}}},
        {"a weekend between records", 2026, 2, {{2, 8, 0}, {9, 8, 0}}},
        {"January: holidays, one on a Saturday, and an entry that is none", 2026, 1, {{5, 8, 0}}},
        {"a holiday later in the year, two records on one day", 2026, 5, {{4, 8, 0}, {4, 17, 0}, {6, 9, 0}}},
        {"a record on 1 January", 2027, 1, {{1, 0, 0}, {3, 23, 59}}},
        {"spring change before a late record", 2026, 3, {{31, 23, 30}}},
        {"spring change between records", 2026, 3, {{27, 23, 30}, {31, 0, 30}}},
        {"autumn change before an early record", 2026, 10, {{31, 0, 30}}},
        {"autumn change between records", 2026, 10, {{23, 0, 30}, {28, 12, 0}}},
        {"past the signed 32-bit end", 2038, 2, {{1, 8, 0}, {3, 8, 0}}},
        {"the last day the log holds", 2106, 2, {{7, 7, 28}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<DayEntry> entries;
        for (const Time& t : c.records)
            entries.push_back(Start(LocalAt(c.year, static_cast<int>(c.month) - 1, t.day, t.hour, t.minute)));
        const std::vector<MonthRow> rows = Build(entries, c.year);
        const chr::year_month month{chr::year{c.year}, chr::month{c.month}};

        std::vector<std::string> shown, expected;
        for (const MonthRow& row : rows)
            if (!row.texts[1].empty()) shown.push_back(row.texts[1]);
        for (int day = 1; day <= c.records.back().day; ++day)
            expected.push_back(DateText(month / chr::day(static_cast<unsigned>(day))));
        ASSERT_EQ(shown, expected);

        unsigned day = 0;  // the day a row stands for
        for (const MonthRow& row : rows) {
            if (!row.texts[1].empty()) ++day;
            if (row.position != -1) continue;
            const auto holiday = holidays.find({c.month, day});
            EXPECT_EQ(row, ExpectedFiller(month / chr::day(day), holiday == holidays.end() ? nullptr : holiday->second));
        }
    }
}

TEST_F(MonthRowsTest, OnlyRecordsMakeRowsAndEveryRecordRowCountsForThePlaceOfFillers) {
    const std::vector<std::pair<std::vector<DayEntry>, std::vector<RecordPosition>>> cases = {
        {{}, {}},
        {{Entry(static_cast<DayEntryType>(6), March(3, 8))}, {}},
        {{Note(March(2, 8)), Entry(static_cast<DayEntryType>(6), March(3, 8)), Entry(static_cast<DayEntryType>(9), March(3, 9)),
          Note(March(4, 8))},
         {-1, 100, -1, 103}},
        // Unreadable records have no day: no fillers for them, but their rows stand first.
        {{Unreadable(), Unreadable(), Note(March(4, 8))}, {100, 101, -1, -1, -1, 102}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<RecordPosition> positions;
        for (const MonthRow& row : Build(cases[i].first)) positions.push_back(row.position);
        EXPECT_EQ(positions, cases[i].second) << i;
    }
}

TEST_F(MonthRowsTest, UnreadableRecordShowsThePresentMomentWithoutAFlag) {
    const std::vector<MonthRow> rows = Build({Unreadable(), End(March(2, 16))});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (MonthRow{{"Tue", "10.03.2026", "09:15:00", "", "", "P6"}, RowKind::Problem, false, 100, 6}));
    EXPECT_EQ(rows[2].texts[5], "") << "an end after an unreadable record breaks no order";
}

TEST_F(MonthRowsTest, WeekdayAndDateOnlyOnTheFirstRowOfADayNotesPassedOver) {
    const std::vector<std::pair<std::vector<DayEntry>, std::vector<bool>>> cases = {
        {{Start(March(5, 8)), End(March(5, 16))}, {true, false}},
        {{Start(March(5, 23, 59, 59)), End(March(6, 0))}, {true, true}},
        {{Start(March(5, 8)), Note(March(5, 9)), Note(March(5, 10)), End(March(5, 16))}, {true, false, false, false}},
        {{Start(March(5, 8)), Note(March(6, 7)), Start(March(6, 8))}, {true, true, true}},
        {{Note(March(5, 7)), Start(March(5, 8)), End(March(5, 16))}, {true, true, false}},
        {{Start(LocalAt(2026, 0, 1, 0))}, {true}},
        {{Unreadable(), Start(LocalAt(2026, 0, 1, 8))}, {true, true}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<bool> shown;
        for (const MonthRow& row : RecordRows(Build(cases[i].first))) {
            EXPECT_EQ(row.texts[0].empty(), row.texts[1].empty()) << i;
            shown.push_back(!row.texts[1].empty());
        }
        EXPECT_EQ(shown, cases[i].second) << i;
    }
}

TEST_F(MonthRowsTest, ProblemCodesOfTheDaysOrder) {
    const std::vector<std::pair<std::vector<DayEntry>, std::vector<int>>> cases = {
        {{Start(March(3, 8)), Pause(March(3, 12), March(3, 13)), Pause(March(3, 14), March(3, 15)), End(March(3, 16))},
         {0, 0, 0, 0}},
        {{End(March(3, 16)), End(March(3, 17))}, {0, 1}},
        {{Start(March(3, 8)), End(March(3, 16)), Pause(March(3, 17), March(3, 18))}, {0, 0, 1}},
        {{Absence(March(3, 0)), End(March(3, 16))}, {0, 1}},
        {{Compensation(March(3, 0)), Pause(March(3, 12), March(3, 13))}, {0, 1}},
        {{Start(March(3, 8)), Start(March(3, 9))}, {0, 2}},
        {{Start(March(3, 8)), Pause(March(3, 12), March(3, 13)), Absence(March(3, 14))}, {0, 0, 2}},
        {{Start(March(3, 8)), End(March(4, 16))}, {0, 3}},
        {{Start(March(3, 8)), Pause(March(4, 12), March(4, 13))}, {0, 3}},
        {{Start(March(3, 8)), End(March(3, 12)), Start(March(3, 13))}, {0, 0, 4}},
        {{Compensation(March(3, 0)), Compensation(March(3, 1))}, {0, 4}},
        {{Start(March(3, 8)), End(March(3, 16)), Start(March(4, 8))}, {0, 0, 0}},
        {{Start(March(3, 8)), Note(March(3, 9)), Start(March(3, 10))}, {0, 0, 2}},
        {{Start(March(3, 8)), End(March(3, 12)), Note(March(3, 13)), Start(March(3, 14))}, {0, 0, 0, 4}},
        {{Start(March(3, 8)), Note(March(4, 7)), End(March(4, 16))}, {0, 0, 3}},
        {{Unreadable(), End(March(3, 16)), End(March(3, 17))}, {6, 0, 1}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::vector<MonthRow> rows = RecordRows(Build(cases[i].first));
        ASSERT_EQ(rows.size(), cases[i].second.size()) << i;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const int code = cases[i].second[r];
            EXPECT_EQ(rows[r].texts[5], code ? "P" + std::to_string(code) : "") << i << " row " << r;
            EXPECT_EQ(rows[r].flagged, code != 0 && code != 6) << i << " row " << r;
            EXPECT_EQ(rows[r].problem, code) << i << " row " << r;
        }
    }
}

SettingsRecord Required(int workHours, int workMinutes, int breakHours, int breakMinutes) {
    SettingsRecord settings;
    settings.workHours = workHours;
    settings.workMinutes = workMinutes;
    settings.breakHours = breakHours;
    settings.breakMinutes = breakMinutes;
    return settings;
}

TEST_F(MonthRowsTest, BreaksPresenceAndBalanceOnADay) {
    auto at = [](int h, int m, int s) { return March(5, h, m, s); };  // a Thursday
    struct Case {
        const char* label;
        SettingsRecord settings;
        std::vector<std::pair<TimeValue, TimeValue>> breaks;
        TimeValue end;
        std::vector<std::string> breakTexts;
        std::string presence, balance;
    };
    const SettingsRecord usual = Required(7, 0, 0, 45);
    const Case cases[] = {
        {"surplus", usual, {{at(12, 0, 0), at(12, 30, 0)}}, at(16, 45, 10), {"00:30:00"}, "08:45", "00:30"},
        {"break seconds count", usual, {{at(12, 0, 0), at(12, 29, 59)}}, at(16, 45, 10), {"00:29:59"}, "08:45", "00:31"},
        {"deficit", usual, {{at(12, 0, 0), at(12, 30, 0)}}, at(15, 30, 0), {"00:30:00"}, "07:30", "00:45 (-)"},
        {"break ending before its start", usual, {{at(12, 30, 0), at(12, 0, 0)}}, at(16, 45, 10), {"00:30:00"}, "08:45",
         "00:30"},
        {"breaks add up before the cut", usual, {{at(10, 0, 0), at(10, 10, 30)}, {at(12, 0, 0), at(12, 10, 30)}},
         at(16, 45, 10), {"00:10:30", "00:10:30"}, "08:45", "00:39"},
        {"every field of the required time", Required(6, 30, 1, 15), {{at(12, 0, 0), at(12, 30, 0)}}, at(16, 45, 10),
         {"00:30:00"}, "08:45", "00:30"},
        {"an end a second before the start", Required(0, 0, 0, 0), {}, at(8, 0, 29), {}, "00:00", "00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        settings = c.settings;
        std::vector<DayEntry> entries = {Start(at(8, 0, 30))};
        for (const auto& [from, to] : c.breaks) entries.push_back(Pause(from, to));
        entries.push_back(End(c.end));
        const std::vector<MonthRow> rows = RecordRows(Build(entries));
        ASSERT_EQ(rows.size(), c.breaks.size() + 2);

        const chr::year_month_day day{chr::year{2026}, chr::March, chr::day{5}};
        EXPECT_EQ(rows.front().texts, (RowTexts{kWeekdays[Weekday(day)], "05.03.2026", "08:00:30", "", "", ""}));
        for (std::size_t b = 0; b < c.breaks.size(); ++b) EXPECT_EQ(rows[b + 1].texts[3], c.breakTexts[b]);
        EXPECT_EQ(rows.back().texts[3], c.presence);
        EXPECT_EQ(rows.back().texts[4], c.balance);
    }
}

TEST_F(MonthRowsTest, PresenceCountsFromTheLastStartOfTheMonth) {
    for (const std::vector<DayEntry>& entries :
         {std::vector{End(March(2, 16))}, std::vector{Pause(March(2, 12), March(2, 13)), End(March(2, 16))}}) {
        const MonthRow end = RecordRows(Build(entries)).back();
        EXPECT_EQ(end.texts[3], "");
        EXPECT_EQ(end.texts[4], "");
    }
    // Day 2's break must not lower day 3's balance.
    const std::vector<MonthRow> rows =
        RecordRows(Build({Start(March(2, 8)), Pause(March(2, 12), March(2, 12, 30)), End(March(2, 16, 45)),
                          Start(March(3, 8)), End(March(3, 16, 45))}));
    EXPECT_EQ(rows.back().texts[4], "01:00");
}

// An insert into a month without records proposes this day.
TEST_F(MonthRowsTest, FirstWorkingDayPassesWeekendsAndHolidaysNotOtherSpecialDays) {
    const struct {
        int year, month, day;
    } cases[] = {
        {2026, 0, 2},  // 1 January a holiday; the office party on the 2nd is none
        {2027, 0, 4},  // a holiday, a weekend, and a holiday on the Sunday
        {2026, 2, 2},  // 1 March a Sunday
        {2026, 4, 4},  // Labour Day on a Friday
        {2026, 5, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstWorkingDay(c.year, c.month, MakeYearInfo(c.year), specialDays), c.day) << c.year << "-" << c.month;
    const std::vector<MonthRow> rows = Build({Start(March(4, 8)), End(March(4, 17))});
    EXPECT_EQ(rows.front().day, 1) << "a filler";
    EXPECT_EQ(rows.back().day, 4) << "a record";
}

TEST(FormatMinutesDiff, CutsToWholeMinutesBeforeSubtracting) {
    struct Case {
        long from, to;
        const char* text;
        long seconds;
    };
    const Case cases[] = {
        {0, 100 * 3600 + 5 * 60, "100:05", 360300},
        {123 * 3600, 0, "123:00 (-)", 442800},
        {59, 60, "00:01", 60},
        {61, 119, "00:00", 0},
        {-90, 0, "00:01", 60},  // -1 min 30 s is cut toward zero, to -1 min
    };
    for (const Case& c : cases) {
        const MinutesDiff diff = FormatMinutesDiff(c.from, c.to);
        EXPECT_EQ(diff.text, c.text) << c.from << " to " << c.to;
        EXPECT_EQ(diff.seconds, c.seconds) << c.from << " to " << c.to;
    }
}

}  // namespace
}  // namespace horalo
