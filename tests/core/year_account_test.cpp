// A year's account month by month, against figures worked out by hand.
#include "core/evaluation/year_account.h"

#include "core/timelog/record_edits.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

TEST(YearAccountTest, CarriedUncarriedDeductedEmptyAndUnmadeMonths) {
    ASSERT_TRUE(InBerlinTime()) << kBerlinTimeHint;
    TestHost host;
    WriteAll(host.File(kLogFileName), "");
    ASSERT_FALSE(StoreMonthRecord(host, 2026, 0, 100, 0).outcome);  // 1:00 carried into January
    ASSERT_FALSE(StoreMonthRecord(host, 2026, 1, 315, 2).outcome);  // January's 3:15 carried on, 2 hours paid
    for (const LogRecord& record : {LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 0, 5, 8)),  // +2:15
                                    LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 0, 5, 18)),
                                    LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 1, 2, 8)),  // +0:15
                                    LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 1, 2, 16)),
                                    LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 3, 6, 16))})  // no start
        ASSERT_FALSE(AppendRecord(host, record));

    const WithOutcome<YearAccount> loaded = LoadYear(host, 2026, DefaultSettings(), SpecialEntryList{});
    ASSERT_FALSE(loaded.outcome);
    const struct {
        const char* name;
        bool complete;
        std::int64_t presence;
        std::int32_t carried, deducted, finalBalance, next;
        bool carriedOver;
    } months[] = {
        {"January: carried on into February", true, 10 * 3600, 100, 0, 3 * 3600 + 15 * 60, 315, true},
        {"February: not carried into March", true, 8 * 3600, 315, 2, 90 * 60, 0, false},
        {"March: empty, nothing to carry", true, 0, 0, 0, 0, 0, true},
        {"April: an end without a start makes no sheet", false, 0, 0, 0, 0, 0, true},
    };
    for (std::size_t i = 0; i < std::size(months); ++i) {
        const auto& expected = months[i];
        const MonthAccount& month = loaded.value.months[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(month.complete, expected.complete);
        EXPECT_EQ(month.presence, expected.presence);
        EXPECT_EQ(month.carriedBalance, expected.carried);
        EXPECT_EQ(month.hoursDeducted, expected.deducted);
        EXPECT_EQ(month.finalBalance, expected.finalBalance);
        EXPECT_EQ(month.nextCarriedBalance, expected.next);
        EXPECT_EQ(month.carriedOver, expected.carriedOver);
    }
}

}  // namespace
}  // namespace horalo
