// The month records at the head of the log: read sorted by their key,
// stored in place or in front of all, removed.
#include <chrono>

#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class MonthRecordsTest : public TimeLogTest {
protected:
    MonthRecordList Months() {
        LogFile file = OpenLogFile(host, "rb").value;
        EXPECT_TRUE(file);
        return file ? ReadMonthRecords(file.get()) : MonthRecordList{};
    }
    // What the list of month records holds of the month's first entry.
    RecordRef MonthRef(TimeValue key) {
        for (const MonthRecordEntry& entry : Months())
            if (entry.monthKey == key) return RefOf(entry);
        return {};
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
    EXPECT_EQ(MonthKey(2024, 0), LocalAt(2024, 0, 1));
    EXPECT_EQ(MonthKey(2024, 6), LocalAt(2024, 6, 1, 1));  // 00:00 CET is 01:00 in summer time
    EXPECT_EQ(MonthKey(2024, 12), MonthKey(2025, 0));
}

// Keys past 2038 must not wrap, nor one past February 2106 be written as another month.
TEST_F(MonthRecordsTest, MonthKeysUpTo2106RoundTripAndLaterOnesAreRefused) {
    namespace chr = std::chrono;
    SetLog(Words({1, 1700000000}));
    for (const auto& [year, month0] : {std::pair{2038, 1}, {2106, 0}}) {
        const chr::sys_seconds midnightCet = chr::sys_days{chr::year{year} / (month0 + 1) / 1} - chr::hours{1};
        EXPECT_EQ(MonthKey(year, month0), midnightCet.time_since_epoch().count());
        ASSERT_TRUE(StoreMonthRecord(host, year, month0, -130, 5).value);
        EXPECT_EQ(MonthCarriedBalance(Months(), year, month0), -130);
    }
    const std::string before = Log();
    const auto refused = StoreMonthRecord(host, 2106, 2, 0, 0);
    EXPECT_FALSE(refused.value);
    EXPECT_EQ(refused.outcome, kWriteFailed);
    EXPECT_EQ(Log(), before);
}

TEST_F(MonthRecordsTest, StoreMonthRecordReplacesInPlaceOrWritesInFront) {
    const std::string rest = Words({1, 1700000000}) + NoteBytes(1700000100, "x");
    const std::string march = Words({6, MonthKey(2024, 2), 0, 100});
    SetLog(march + rest);

    auto [list, outcome] = StoreMonthRecord(host, 2024, 4, -1530, 12);  // May: new, in front of all
    EXPECT_EQ(outcome, std::nullopt);
    const std::string may = Words({6, MonthKey(2024, 4), 12, -1530});
    ASSERT_TRUE(list);
    EXPECT_EQ(Log(), may + march + rest);
    EXPECT_EQ(*list, (MonthRecordList{{16, MonthKey(2024, 2), 0, 100}, {0, MonthKey(2024, 4), 12, -1530}}));

    list = StoreMonthRecord(host, 2024, 2, 245, 3).value;  // March: replaced where it stands
    ASSERT_TRUE(list);
    EXPECT_EQ(Log(), may + Words({6, MonthKey(2024, 2), 3, 245}) + rest);
    EXPECT_EQ(MonthCarriedBalance(*list, 2024, 2), 245);

    EXPECT_EQ(RemoveMonthRecord(host, MonthRef(MonthKey(2024, 4))), EditResult::Done);
    EXPECT_EQ(Log(), Words({6, MonthKey(2024, 2), 3, 245}) + rest);
    EXPECT_EQ(Months(), (MonthRecordList{{0, MonthKey(2024, 2), 3, 245}}));
}

TEST_F(MonthRecordsTest, ChangeMonthRecordMovesTheRecordWhereItStands) {
    const TimeValue march = MonthKey(2024, 2), april = MonthKey(2024, 3), may = MonthKey(2024, 4);
    const std::string rest = Words({1, 1700000000}) + NoteBytes(1700000100, "x");
    const std::string aprilOld = Words({6, april, 9, 900}), aprilTwice = Words({6, april, 8, 800});
    const std::string mayRecord = Words({6, may, 5, 500}), marchOld = Words({6, march, 3, 300});
    struct Case {
        const char* name;
        std::string log;
        TimeValue oldKey;
        int month;  // to 0 to 11 of 2024, with carried 1234 and deducted 7
        std::string expected;
    };
    // Two entries of one month: the second moves, the first one stays.
    const Case cases[] = {
        {"to a month with a record before it", aprilOld + mayRecord + marchOld + rest, march, 3,
         mayRecord + Words({6, april, 7, 1234}) + rest},
        {"to a month with records before and behind it", aprilOld + marchOld + aprilTwice + mayRecord + rest, march, 3,
         Words({6, april, 7, 1234}) + mayRecord + rest},
        {"to a month without record", mayRecord + marchOld + rest, march, 3,
         mayRecord + Words({6, april, 7, 1234}) + rest},
        {"within its month", mayRecord + marchOld + rest, march, 2, mayRecord + Words({6, march, 7, 1234}) + rest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(c.log);
        EXPECT_EQ(ChangeMonthRecord(host, MonthRef(c.oldKey), 2024, c.month, 1234, 7), EditResult::Done);
        EXPECT_EQ(Log(), c.expected);
    }
}

// A list shown while another window stored a month in front, or changed the
// month's values, holds a month record that is no longer where it was with
// those bytes: the change and the removal leave the log as it is.
TEST_F(MonthRecordsTest, AStaleMonthEntryChangesNothing) {
    const TimeValue march = MonthKey(2024, 2), april = MonthKey(2024, 3);
    const std::string marchRecord = Words({6, march, 3, 300}), rest = Words({1, 1700000000});
    const struct {
        const char* name;
        std::string logAfter;  // the log as another window left it
    } cases[] = {
        {"a month stored in front", Words({6, april, 0, 0}) + marchRecord + rest},
        {"the month's values changed", Words({6, march, 3, 301}) + rest},
        {"the month removed", rest},
        {"the same bytes further on", Words({6, april, 0, 0}) + Words({6, april, 0, 0}) + rest + marchRecord},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLog(marchRecord + rest);
        const RecordRef shown = MonthRef(march);
        SetLog(c.logAfter);
        EXPECT_EQ(RemoveMonthRecord(host, shown), EditResult::Changed);
        EXPECT_EQ(ChangeMonthRecord(host, shown, 2024, 3, 1234, 7), EditResult::Changed);
        EXPECT_EQ(Log(), c.logAfter);
    }
}

// The change used to be a removal and then a store in two rewrites: when the
// second failed, March was gone and April had not come. A fault at the first
// or second call of each step leaves the old log, or the change whole.
TEST_F(MonthRecordsTest, AFailedMonthChangeKeepsTheOldValues) {
    const std::string log = Words({6, MonthKey(2024, 2), 3, 300}) + Words({1, 1700000000});
    const std::string changed = Words({6, MonthKey(2024, 3), 7, 1234}) + Words({1, 1700000000});
    const FileStep steps[] = {FileStep::Write, FileStep::Flush, FileStep::Replace};
    FaultFileLayer layer;
    ScopedFileLayer scope{layer};
    for (const FileStep step : steps) {
        for (const int call : {1, 2}) {
            SCOPED_TRACE("step " + std::to_string(static_cast<int>(step)) + " call " + std::to_string(call));
            SetLog(log);
            layer.FailAt(step, call);
            const EditResult result = ChangeMonthRecord(host, MonthRef(MonthKey(2024, 2)), 2024, 3, 1234, 7);
            if (result == EditResult::Done) {
                EXPECT_FALSE(layer.Fired());
                EXPECT_EQ(Log(), changed);
            } else {
                EXPECT_EQ(result, EditResult::Failed);
                EXPECT_TRUE(result.outcome);
                EXPECT_EQ(Log(), log);
            }
        }
    }
}

TEST_F(MonthRecordsTest, StoreMonthRecordIntoAMissingLogFails) {
    const auto stored = StoreMonthRecord(host, 2024, 0, 0, 0);
    EXPECT_FALSE(stored.value);
    EXPECT_EQ(stored.outcome, kOpenFailed);
    const EditResult removed = RemoveMonthRecord(host, RefOf({0, MonthKey(2024, 0), 0, 0}));
    EXPECT_EQ(removed, EditResult::Failed);
    EXPECT_EQ(removed.outcome, kOpenFailed);
    EXPECT_FALSE(std::filesystem::exists(host.File(kLogFileName)));
}

}  // namespace
}  // namespace horalo
