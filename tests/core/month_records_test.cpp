// The month records at the head of the log: read sorted by their key,
// stored in place or in front of all, removed.
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class MonthRecordsTest : public TimeLogTest {
protected:
    MonthRecordList Months() {
        LogFile file = OpenLogFile(host, "rb");
        EXPECT_TRUE(file);
        return file ? ReadMonthRecords(file.get()) : MonthRecordList{};
    }
};

TEST_F(MonthRecordsTest, MonthRecordsAreTheHeadOfTheLogSortedByKey) {
    const TimeValue may = MonthKey(2023, 4), june = MonthKey(2023, 5);
    SetLog(Words({6, june, 1, 150}) + Words({6, may, 2, -230}) + Words({6, june, 3, 0}) + Words({1, 5}) +
           Words({6, MonthKey(2023, 6), 4, 4}));
    const MonthRecordList expected = {{16, may, 2, -230}, {0, june, 1, 150}, {32, june, 3, 0}};
    const MonthRecordList list = Months();
    EXPECT_EQ(list, expected);
    EXPECT_EQ(MonthHoursDeducted(list, 2023, 5), 1);  // the first entry of the month
    EXPECT_EQ(MonthCarriedBalance(list, 2023, 4), -230);
    EXPECT_EQ(MonthCarriedBalance(list, 2023, 6), 0);  // behind a WorkStart: not a month record
    EXPECT_EQ(MonthHoursDeducted(list, 2022, 4), 0);

    SetLog(Words({1, 5}) + Words({6, may, 2, -230}));
    EXPECT_TRUE(Months().empty());
}

TEST_F(MonthRecordsTest, MonthKeyIsStandardTimeMidnight) {
    EXPECT_EQ(MonthKey(2024, 0), Berlin(2024, 1, 1));
    EXPECT_EQ(MonthKey(2024, 6), Berlin(2024, 7, 1, 1));  // 00:00 CET is 01:00 in summer time
    EXPECT_EQ(MonthKey(2024, 12), MonthKey(2025, 0));
}

TEST_F(MonthRecordsTest, StoreMonthRecordReplacesInPlaceOrWritesInFront) {
    const std::string rest = Words({1, 1700000000}) + NoteBytes(1700000100, "x");
    const std::string march = Words({6, MonthKey(2024, 2), 0, 100});
    SetLog(march + rest);

    auto list = StoreMonthRecord(host, 2024, 4, -1530, 12);  // May: new, in front of all
    const std::string may = Words({6, MonthKey(2024, 4), 12, -1530});
    ASSERT_TRUE(list);
    EXPECT_EQ(Log(), may + march + rest);
    EXPECT_EQ(*list, (MonthRecordList{{16, MonthKey(2024, 2), 0, 100}, {0, MonthKey(2024, 4), 12, -1530}}));

    list = StoreMonthRecord(host, 2024, 2, 245, 3);  // March: replaced where it stands
    ASSERT_TRUE(list);
    EXPECT_EQ(Log(), may + Words({6, MonthKey(2024, 2), 3, 245}) + rest);
    EXPECT_EQ(MonthCarriedBalance(*list, 2024, 2), 245);

    list = RemoveMonthRecord(host, MonthKey(2024, 4));
    ASSERT_TRUE(list);
    EXPECT_EQ(Log(), Words({6, MonthKey(2024, 2), 3, 245}) + rest);
    EXPECT_EQ(*list, (MonthRecordList{{0, MonthKey(2024, 2), 3, 245}}));

    list = RemoveMonthRecord(host, MonthKey(2020, 0));  // no such month
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), 1u);
    EXPECT_EQ(Log(), Words({6, MonthKey(2024, 2), 3, 245}) + rest);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MonthRecordsTest, StoreMonthRecordIntoAMissingLogFails) {
    EXPECT_FALSE(StoreMonthRecord(host, 2024, 0, 0, 0));
    EXPECT_FALSE(RemoveMonthRecord(host, MonthKey(2024, 0)));
    EXPECT_EQ(host.messages, (std::vector<ShownMessage>{kOpenFailed, kOpenFailed}));
    EXPECT_FALSE(std::filesystem::exists(host.File(kLogFileName)));
}

}  // namespace
}  // namespace horalo
