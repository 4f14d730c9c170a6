// The month as the views take it: one open of the log gives the month
// records, the month's entries and their evaluation.
#include "core/evaluation/loaded_month.h"

#include "core/text/text_ids.h"
#include "core/timelog/record_edits.h"
#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

class LoadedMonthTest : public TimeLogTest {
protected:
    SettingsRecord settings = DefaultSettings();  // 7 h work, 45 min break
    SpecialEntryList noSpecialDays;
};

TEST_F(LoadedMonthTest, OneOpenOfTheLogGivesTheMonthRecordsTheEntriesAndTheirEvaluation) {
    SetLog("");
    ASSERT_FALSE(StoreMonthRecord(host, 2026, 2, 130, 2).outcome);  // 1:30 carried in, 2 hours deducted
    for (const LogRecord& record : {LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 2, 2, 8)),
                                    LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 2, 2, 18)),
                                    LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 3, 1, 8))})
        ASSERT_FALSE(AppendRecord(host, record));
    settings.maxHours = 8;

    FaultFileLayer counting;
    WithOutcome<LoadedMonth> loaded;
    {
        const ScopedFileLayer scoped(counting);
        loaded = LoadMonth(host, 2026, 2, settings, noSpecialDays);
    }
    EXPECT_EQ(counting.Calls(FileStep::Open), 1);
    EXPECT_FALSE(loaded.outcome);
    const LoadedMonth& march = loaded.value;
    EXPECT_EQ(march.monthRecords.size(), 1u);
    EXPECT_EQ(march.entries.size(), 2u) << "April's start is not March's";
    EXPECT_EQ(march.carriedBalance, 130);
    EXPECT_EQ(march.hoursDeducted, 2);
    EXPECT_TRUE(march.complete);
    // 10 hours of presence less 7:45 required: 2:15, on top of the 1:30 carried in.
    EXPECT_EQ(march.evaluation.balance, (3 * 60 + 45) * 60);
    EXPECT_EQ(march.maximumNotice, LibraryMessage(IDS_DAILY_MAXIMUM, kMessagePlain)) << "9:15 net above 8:45";
}

TEST_F(LoadedMonthTest, ALogThatCannotBeOpenedIsToldAndGivesAnEmptyMonth) {
    const WithOutcome<LoadedMonth> loaded = LoadMonth(host, 2026, 2, settings, noSpecialDays);  // no log yet
    ASSERT_TRUE(loaded.outcome);
    EXPECT_EQ(loaded.outcome->textId, static_cast<unsigned>(IDS_LOG_OPEN_FAILED));
    EXPECT_TRUE(loaded.value.entries.empty());
    EXPECT_TRUE(loaded.value.complete) << "an empty month is a month a sheet can be made of";
}

}  // namespace
}  // namespace horalo
