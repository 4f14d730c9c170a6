// The horalo.spc that the build makes from res/calendar_days.txt.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "core/calendar_days/calendar_day_table.h"
#include "core/calendar_days/calendar_entry_file.h"

namespace horalo {
namespace {

namespace chr = std::chrono;

struct Expected {
    chr::year_month_day day2026;
    bool holiday;
};

int DayOfYear(chr::year_month_day date) {
    return static_cast<int>((chr::sys_days{date} - chr::sys_days{date.year() / 1 / 1}).count()) + 1;
}

TEST(DefaultSpecialDays, EveryEntryFallsOnItsDayIn2026) {
#ifndef HORALO_SPECIAL_DAYS_FILE
    FAIL() << "the build did not say where it made horalo.spc";
#else
    const chr::year y{2026};
    const std::map<std::string, Expected> expected = {
        {"New Year's Day", {y / 1 / 1, true}},     {"Good Friday", {y / 4 / 3, true}},
        {"Easter Monday", {y / 4 / 6, true}},      {"Labour Day", {y / 5 / 1, true}},
        {"Ascension Day", {y / 5 / 14, true}},     {"Whit Monday", {y / 5 / 25, true}},
        {"Christmas Day", {y / 12 / 25, true}},    {"St Stephen's Day", {y / 12 / 26, true}},
        {"Shrove Tuesday", {y / 2 / 17, false}},   {"Easter Sunday", {y / 4 / 5, false}},
        {"Summer time begins", {y / 3 / 29, false}}, {"Mother's Day", {y / 5 / 10, false}},
        {"Summer time ends", {y / 10 / 25, false}}, {"Day of Repentance", {y / 11 / 18, false}},
        {"Christmas Eve", {y / 12 / 24, false}},   {"New Year's Eve", {y / 12 / 31, false}},
    };
    SpecialEntryList list;
    ASSERT_EQ(ReadSpecialFile(HORALO_SPECIAL_DAYS_FILE, list), kSpecialFileOk);
    ASSERT_EQ(list.size(), expected.size());
    const YearInfo info = MakeYearInfo(2026);
    for (const SpecialEntry& entry : list) {
        ASSERT_TRUE(entry.name.has_value());
        SCOPED_TRACE(*entry.name);
        const auto found = expected.find(*entry.name);
        ASSERT_NE(found, expected.end());
        EXPECT_EQ(SpecialEntryDay(entry, info), DayOfYear(found->second.day2026));
        EXPECT_EQ(entry.holiday, found->second.holiday ? 1 : 0);
        EXPECT_EQ(entry.weekdayRule, entry.ordinal != 0 ? 1 : 0);
        EXPECT_EQ(entry.extra, 0);
    }
#endif
}

}  // namespace
}  // namespace horalo
