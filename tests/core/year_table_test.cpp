// The year's account as a spreadsheet reads it.
#include "core/evaluation/year_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace horalo {
namespace {

TEST(YearTable, DurationsAsASpreadsheetReadsThem) {
    const struct {
        long long seconds;
        const char* text;
    } cases[] = {{0, "0:00"}, {59, "0:00"}, {-59, "0:00"}, {-60, "-0:01"}, {3 * 3600 + 5 * 60, "3:05"},
                 {-(125 * 3600 + 30 * 60), "-125:30"}};
    for (const auto& c : cases) EXPECT_EQ(SpreadsheetDuration(c.seconds), c.text) << c.seconds;
}

TEST(YearTable, AHeaderLineThenAMonthALineTabSeparated) {
    YearAccount year;
    year.year = 2026;
    for (int month = 0; month < 12; ++month) {
        year.months[static_cast<std::size_t>(month)].month = month;
        year.months[static_cast<std::size_t>(month)].complete = true;
    }
    MonthAccount& january = year.months[0];
    january = {0, true, 10 * 3600, 2 * 3600 + 15 * 60, 0, -130, 2, -(1 * 3600 + 15 * 60), 0, false};
    const YearTableTexts texts{{"Month", "Presence", "Surplus", "Deficit", "Carried in", "Deducted", "Final", "Carried over"},
                               {"January", "February"},
                               "yes",
                               "no",
                               "out of order"};
    const std::string text = YearTableText(year, texts, 12);
    const std::string expected =
        "Month\tPresence\tSurplus\tDeficit\tCarried in\tDeducted\tFinal\tCarried over\r\n"
        "January 2026\t10:00\t2:15\t0:00\t-1:30\t2\t-1:15\tno\r\n"
        "February 2026\t0:00\t0:00\t0:00\t0:00\t0\t0:00\t\r\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_NE(text.find("\r\n12 2026\t"), std::string::npos) << "a month without a name keeps its number";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13);
}

// A month still running or to come has carried nothing over yet: warning
// there would cry wolf every month; so would one before the log began.
TEST(YearTable, TheCarriedMarkOnlyForMonthsThatEnded) {
    EXPECT_EQ(MonthsEnded(2025, 2026, 11), 12);
    EXPECT_EQ(MonthsEnded(2026, 2026, 11), 11);
    EXPECT_EQ(MonthsEnded(2026, 2026, 0), 0);
    EXPECT_EQ(MonthsEnded(2027, 2026, 11), 0);

    // The one field a case fills: a month with nothing in it lies before
    // the log began, and the balance the user starts with is no balance
    // forgotten.
    enum Filled { kNothing, kPresence, kSurplus, kDeficit, kCarried, kDeducted };
    const YearTableTexts texts{{}, {"January"}, "yes", "no", "out of order"};
    const struct {
        bool complete, carriedOver, ended;
        Filled filled;
        const char* mark;
    } cases[] = {{true, true, true, kPresence, "yes"},           {true, false, true, kPresence, "no"},
                 {true, false, false, kPresence, ""},            {false, true, true, kPresence, "out of order"},
                 {false, false, false, kNothing, "out of order"}, {true, false, true, kNothing, ""},
                 {true, false, true, kSurplus, "no"},            {true, false, true, kDeficit, "no"},
                 {true, false, true, kCarried, "no"},            {true, false, true, kDeducted, "no"}};
    for (const auto& c : cases) {
        MonthAccount month;
        month.complete = c.complete;
        month.carriedOver = c.carriedOver;
        month.presence = c.filled == kPresence;
        month.surplus = c.filled == kSurplus;
        month.deficit = c.filled == kDeficit;
        month.carriedBalance = c.filled == kCarried;
        month.hoursDeducted = c.filled == kDeducted;
        EXPECT_EQ(YearRowTexts(month, texts, c.ended).back(), c.mark)
            << c.complete << c.carriedOver << c.ended << " filled " << c.filled;
    }
}

}  // namespace
}  // namespace horalo
